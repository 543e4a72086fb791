#pragma once

#include <QtGlobal>

#include <functional>

// The progress rule of the list loops: p = floor(i * 100 / n) for the 0-based index i
// of n lines, shown only when p is even. Computed in 64 bits so that huge lists do not
// overflow; a repeated value is not reported again.
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
        const int p = static_cast<int>(index * 100 / m_count);
        if (p % 2 == 0 && p != m_last) {
            m_last = p;
            if (m_sink)
                m_sink(p);
        }
    }

private:
    qint64 m_count;
    Sink m_sink;
    int m_last = -1;
};
