#include "tools/splitting.h"

#include "core/listfile.h"

#include <algorithm>

qsizetype splitFileCount(qsizetype lineCount, qint32 perFile)
{
    if (perFile < 1 || lineCount == 0)
        return 0;
    const qsizetype size = std::min<qsizetype>(perFile, lineCount);
    return (lineCount + size - 1) / size;
}

QString splitFileName(const QString& prefix, qsizetype number)
{
    const qsizetype nameStart = prefix.lastIndexOf('/') + 1;
    const qsizetype dot = prefix.lastIndexOf('.');
    const QString numbered = '_' + QString::number(number);
    if (dot < nameStart)
        return prefix + numbered + ".txt";
    const QString extension = prefix.mid(dot);
    const QString base = prefix.mid(nameStart).remove(extension, Qt::CaseInsensitive);
    return prefix.left(nameStart) + base + numbered + extension;
}

void writeSplitFiles(const AddressList& lines, qint32 perFile, const QString& prefix,
                     const std::function<void(const QString&)>& written)
{
    const qsizetype files = splitFileCount(lines.size(), perFile);
    for (qsizetype number = 1; number <= files; ++number) {
        const QString fileName = splitFileName(prefix, number);
        writeListFile(fileName, lines, (number - 1) * perFile, perFile);
        if (written)
            written(fileName);
    }
}
