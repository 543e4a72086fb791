#pragma once

// The split written out step by step: the per-file count rounded up, then for each file
// the per-file number of reads from a position that runs on past the end of the list.

#include "core/addresslist.h"
#include "core/listfile.h"

#include <QString>

namespace reference {

inline qsizetype splitFileCount(qsizetype count, qint32 perFile)
{
    qsizetype p = perFile;
    if (count < p)
        p = count;
    // An empty list or a number below 1 leaves the quotient undefined: no file.
    if (p < 1)
        return 0;
    qsizetype k = count / p;
    if (count % p != 0)
        ++k;
    return k;
}

// The numbered files' contents, in order.
inline QList<AddressList> splitParts(const AddressList& lines, qint32 perFile)
{
    QList<AddressList> parts;
    const qsizetype files = splitFileCount(lines.size(), perFile);
    qsizetype r = 0;
    for (qsizetype f = 1; f <= files; ++f) {
        AddressList work;
        for (qint32 n = 0; n < perFile; ++n) {
            if (r < lines.size())
                work.append(lines[r]);
            ++r;
        }
        parts.append(work);
    }
    return parts;
}

inline void writeSplitFiles(const AddressList& lines, qint32 perFile, const QString& prefix,
                            QString (*name)(const QString&, qsizetype))
{
    const QList<AddressList> parts = splitParts(lines, perFile);
    for (qsizetype f = 0; f < parts.size(); ++f)
        writeListFile(name(prefix, f + 1), parts[f]);
}

} // namespace reference
