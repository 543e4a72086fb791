#pragma once

#include "core/addresslist.h"
#include "core/randomgenerator.h"

#include <QString>

// The number of copies that random seeding inserts: the line count divided by the
// interval, truncated toward zero. Throws AppError "Division by zero" for interval 0.
qsizetype randomInsertions(qsizetype lineCount, qint32 interval);

struct SeededList {
    AddressList lines;
    qsizetype inserted = 0;
};

// Regular seeding: `email` before the lines at indexes 0, N, 2N and so on; a negative
// interval acts as its absolute value. Throws "Division by zero" for interval 0.
SeededList seedRegularly(const AddressList& lines, const QByteArray& email, qint32 interval);

// Random seeding: for j = 1 to randomInsertions(), `email` is inserted at a position
// drawn from `random` with range j x interval, the entries from there on moving down.
SeededList seedRandomly(const AddressList& lines, const QByteArray& email, qint32 interval,
                        RandomGenerator& random);

// Where the seeded list goes: the typed name when there is one, otherwise the last save
// target, the file-name part of the list opened and "__including_my_email.txt", joined.
QString seedOutputName(const QString& typedName, const QString& saveTarget,
                       const QString& openedList);
