#include "core/listfile.h"

#include "core/apperror.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cstring>
#include <new>

namespace {

// The entries are views into `bytes`, which the list keeps: no line is copied.
AddressList linesOf(QByteArray bytes)
{
    QList<AddressList::Entry> entries;
    const char* pos = bytes.constData();
    const char* const end = pos + bytes.size();
    entries.reserve(std::count(pos, end, '\n') + 1);
    while (pos < end) {
        const char* lineEnd = std::find_if(pos, end, [](char c) { return c == '\r' || c == '\n'; });
        entries.append({pos, lineEnd - pos});
        if (lineEnd == end)
            break;
        pos = lineEnd + 1;
        if (*lineEnd == '\r' && pos < end && *pos == '\n')
            ++pos;
    }
    return AddressList(std::move(bytes), std::move(entries));
}

} // namespace

AddressList parseListBytes(QByteArrayView bytes)
{
    return linesOf(bytes.toByteArray());
}

QByteArray listFileBytes(const AddressList& list)
{
    qsizetype size = 0;
    for (const QByteArrayView entry : list)
        size += entry.size() + 2;
    QByteArray bytes(size, Qt::Uninitialized);
    char* out = bytes.data();
    for (const QByteArrayView entry : list) {
        if (!entry.isEmpty())
            std::memcpy(out, entry.data(), size_t(entry.size()));
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
    // A file larger than the memory the program can get is a file it cannot open.
    try {
        QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            throw AppError::cannotOpen(fileName);
        return linesOf(std::move(bytes));
    } catch (const std::bad_alloc&) {
        throw AppError::cannotOpen(fileName);
    }
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
