#include "core/listfile.h"

#include "core/apperror.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cstring>

AddressList parseListBytes(QByteArrayView bytes)
{
    AddressList list;
    const char* pos = bytes.data();
    const char* const end = pos + bytes.size();
    list.reserve(std::count(pos, end, '\n') + 1);
    while (pos < end) {
        const char* lineEnd = std::find_if(pos, end, [](char c) { return c == '\r' || c == '\n'; });
        list.append(QByteArray(pos, lineEnd - pos));
        if (lineEnd == end)
            break;
        pos = lineEnd + 1;
        if (*lineEnd == '\r' && pos < end && *pos == '\n')
            ++pos;
    }
    return list;
}

QByteArray listFileBytes(const AddressList& list)
{
    qsizetype size = 0;
    for (const QByteArray& entry : list)
        size += entry.size() + 2;
    QByteArray bytes(size, Qt::Uninitialized);
    char* out = bytes.data();
    for (const QByteArray& entry : list) {
        std::memcpy(out, entry.constData(), entry.size());
        out += entry.size();
        *out++ = '\r';
        *out++ = '\n';
    }
    return bytes;
}

AddressList readListFile(const QString& fileName)
{
    QFile file(fileName);
    if (QFileInfo(fileName).isDir() || !file.open(QIODevice::ReadOnly))
        throw AppError::cannotOpen(fileName);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw AppError::cannotOpen(fileName);
    return parseListBytes(bytes);
}

void writeFileAtomically(const QString& fileName, QByteArrayView bytes)
{
    QSaveFile file(fileName);
    // A folder the user may not write holds no temporary file; an existing file there that
    // the user may write is then written in place, as a plain write would do.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), bytes.size()) != bytes.size() || !file.commit())
        throw AppError::cannotCreate(fileName);
}

void writeListFile(const QString& fileName, const AddressList& list)
{
    writeFileAtomically(fileName, listFileBytes(list));
}
