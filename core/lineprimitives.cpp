#include "core/lineprimitives.h"

namespace {

bool isControlOrBlank(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

bool isSeparator(char c)
{
    return c == '\0' || c == ' ' || c == ',' || c == '\t';
}

} // namespace

QByteArrayView TrimControl(QByteArrayView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isControlOrBlank(text[begin]))
        ++begin;
    while (end > begin && isControlOrBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

QByteArrayView ExtractAddress(QByteArrayView line)
{
    const QByteArrayView trimmed = TrimControl(line);
    qsizetype start = trimmed.size();
    while (start > 0 && !isSeparator(trimmed[start - 1]))
        --start;
    return trimmed.sliced(start);
}

QByteArrayView DomainOf(QByteArrayView address)
{
    const qsizetype at = address.indexOf('@');
    return at < 0 ? address : address.sliced(at + 1);
}

QByteArrayView LineDomain(QByteArrayView line)
{
    return TrimControl(DomainOf(ExtractAddress(line)));
}
