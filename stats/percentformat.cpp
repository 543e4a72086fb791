#include "stats/percentformat.h"

#include <cmath>

QString formatPercent(double value)
{
    if (!std::isfinite(value))
        return QString::number(value) + '%';
    QString digits = QString::number(std::abs(value), 'f', 2);
    while (digits.endsWith('0'))
        digits.chop(1);
    if (digits.endsWith('.'))
        digits.chop(1);
    // A value that rounds to zero shows no sign.
    const bool negative = value < 0 && digits != QLatin1String("0");

    const qsizetype point = digits.indexOf('.');
    for (qsizetype at = (point < 0 ? digits.size() : point) - 3; at > 0; at -= 3)
        digits.insert(at, ',');
    return (negative ? "-" : "") + digits + '%';
}
