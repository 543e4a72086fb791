#pragma once

#include "core/addresslist.h"

#include <QString>

#include <functional>

// How many files a split writes: the lines divided by the per-file number, rounded up,
// with a per-file number at or above the count giving one file. No lines, or a per-file
// number below 1, give no file.
qsizetype splitFileCount(qsizetype lineCount, qint32 perFile);

// The name of numbered file `number` for `prefix`: the prefix's extension (from the last
// "." of its file-name part) is removed from that file-name part wherever it stands, in
// any letter case, then "_", the number and the extension follow. Without an extension
// the name is the prefix, "_", the number and ".txt". The folder part is never changed.
QString splitFileName(const QString& prefix, qsizetype number);

// Writes `lines` into splitFileCount() consecutive numbered files of `perFile` lines, the
// last holding what is left; `written` hears each file name once that file is complete.
// Throws AppError "Cannot create file <name>" at the first file that cannot be written;
// the files before it stay.
void writeSplitFiles(const AddressList& lines, qint32 perFile, const QString& prefix,
                     const std::function<void(const QString&)>& written);
