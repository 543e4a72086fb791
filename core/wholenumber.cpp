#include "core/wholenumber.h"

#include "core/apperror.h"

std::optional<qint32> parseWholeNumber(QStringView text)
{
    qsizetype pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    if (pos == text.size())
        return std::nullopt;
    qint64 magnitude = 0;
    for (; pos < text.size(); ++pos) {
        const QChar c = text[pos];
        if (c < '0' || c > '9')
            return std::nullopt;
        magnitude = magnitude * 10 + (c.unicode() - '0');
        if (magnitude > qint64(1) << 31)
            return std::nullopt;
    }
    const qint64 value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(value);
}

qint32 requireWholeNumber(const QString& text)
{
    if (const auto value = parseWholeNumber(text))
        return *value;
    throw AppError::notAnInteger(text);
}
