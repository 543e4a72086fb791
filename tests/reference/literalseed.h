#pragma once

// Random seeding written out step by step, one insertion after the other, to check the
// program's seeding against.

#include "core/addresslist.h"
#include "core/randomgenerator.h"

namespace reference {

inline AddressList seedRandomly(const AddressList& lines, const QByteArray& email, qint32 interval,
                                RandomGenerator& random)
{
    QList<QByteArray> out;
    for (const QByteArrayView line : lines)
        out.append(line.toByteArray());
    const qsizetype copies = lines.size() / interval;
    for (qsizetype j = 1; j <= copies; ++j)
        out.insert(random.draw(quint32(j * interval)), email);
    AddressList seeded;
    for (const QByteArray& line : out)
        seeded.append(line);
    return seeded;
}

} // namespace reference
