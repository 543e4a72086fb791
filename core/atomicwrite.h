#pragma once

#include <QByteArrayView>
#include <QIODevice>
#include <QString>

#include <functional>

// Saves so that the old file is never lost, not even on a power cut. `write` puts the
// contents into the file it is given and says whether that worked; it may be called twice,
// the first time only to measure the contents. Throws AppError "Cannot create file <name>"
// on any failure, which leaves the old bytes as they were.
//
// An existing file is replaced by a new one written beside it, synced to the disk, then
// renamed over it. Where a rename would lose something (a second hard link, an owner or
// group the new file cannot get, a folder the user may not write, a name the rename may not
// replace, a pipe or device), the file is written in place, once room for all of it is
// secured. Links are followed to the real file and stay links; the owner, group and mode
// are kept; a file the user may not write is refused, as a plain write would refuse it.
void writeFileAtomically(const QString& fileName, const std::function<bool(QIODevice&)>& write);
void writeFileAtomically(const QString& fileName, QByteArrayView bytes);
