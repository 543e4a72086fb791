#pragma once

#include <QtGlobal>

// The linear congruential generator that the seed and statistics windows draw from.
class RandomGenerator {
public:
    // A number from 0 to range - 1 (range at least 1).
    quint32 draw(quint32 range)
    {
        m_state = m_state * 134775813u + 1u;
        return static_cast<quint32>((quint64(range) * m_state) >> 32);
    }
    quint32 state() const { return m_state; }

private:
    quint32 m_state = 0;
};

// The one process-wide generator: state 0 at start, never reseeded, shared by every window.
RandomGenerator& processRandom();
