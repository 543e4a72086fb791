#pragma once

#include <QtGlobal>

#include <functional>

// The progress rule of the list loops: p = floor(i * 100 / n) for the 0-based index i
// of n lines, shown only when p is even. Computed in 64 bits so that huge lists do not
// overflow. Each value is reported once, as indices only grow.
class EvenProgress {
public:
    using Sink = std::function<void(int)>;

    EvenProgress(qint64 count, Sink sink)
        : m_count(count)
        , m_sink(std::move(sink))
    {
    }

    void at(qint64 index)
    {
        // Only an index where the percentage changes needs the division.
        if (index < m_nextChange)
            return;
        const qint64 p = index * 100 / m_count;
        m_nextChange = ((p + 1) * m_count + 99) / 100;
        if (p % 2 == 0 && m_sink)
            m_sink(int(p));
    }

private:
    qint64 m_count;
    Sink m_sink;
    qint64 m_nextChange = 0;
};
