#pragma once

#include "core/addresslist.h"

#include <QString>

#include <initializer_list>

// List files: CR LF, a lone CR and a lone LF each end an entry; a last line without a
// break is an entry; nothing is trimmed or converted. A NUL byte is an ordinary byte.
AddressList parseListBytes(QByteArrayView bytes);

// Every entry followed by CR LF, the last one too.
QByteArray listFileBytes(const AddressList& list);

// Throws AppError "Cannot open file <name>" when the file cannot be read. When one of
// `heldLists` already holds the very bytes read (a list opened again), the new list shares
// them rather than keep a second copy.
AddressList readListFile(const QString& fileName,
                         std::initializer_list<const AddressList*> heldLists = {});

// Writes the list as writeFileAtomically() writes: a failed save leaves the old file as it
// was. Throws AppError "Cannot create file <name>" on any failure.
void writeListFile(const QString& fileName, const AddressList& list);
// The same for `count` entries of `list` from `from` on, as far as they exist.
void writeListFile(const QString& fileName, const AddressList& list, qsizetype from,
                   qsizetype count);
