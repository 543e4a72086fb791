#pragma once

#include <QByteArrayView>
#include <QIODevice>
#include <QString>

#include <functional>

// Writes a new file beside the target that replaces it only once it is complete, so a failed
// save leaves the old file as it was; only in a folder that allows no new file is an existing
// file the user may write written in place. `write` puts the contents into the file and says
// whether that worked. Throws AppError "Cannot create file <name>" on any failure.
void writeFileAtomically(const QString& fileName, const std::function<bool(QIODevice&)>& write);
void writeFileAtomically(const QString& fileName, QByteArrayView bytes);
