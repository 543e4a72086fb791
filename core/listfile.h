#pragma once

#include "core/addresslist.h"

#include <QIODevice>
#include <QString>

#include <functional>

// List files: CR LF, a lone CR and a lone LF each end an entry; a last line without a
// break is an entry; nothing is trimmed or converted. A NUL byte is an ordinary byte.
AddressList parseListBytes(QByteArrayView bytes);

// Every entry followed by CR LF, the last one too.
QByteArray listFileBytes(const AddressList& list);

// Throws AppError "Cannot open file <name>" when the file cannot be read.
AddressList readListFile(const QString& fileName);

// Writes through a temporary file in the target's folder that replaces the target only
// once it is complete, so a failed save leaves the old file as it was; only in a folder
// that allows no temporary file is a writable file written in place. Throws AppError
// "Cannot create file <name>" on any failure.
void writeListFile(const QString& fileName, const AddressList& list);
void writeFileAtomically(const QString& fileName, QByteArrayView bytes);
// The same, with `write` putting the contents into the temporary file; false means it failed.
void writeFileAtomically(const QString& fileName, const std::function<bool(QIODevice&)>& write);
