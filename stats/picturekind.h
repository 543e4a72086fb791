#pragma once

#include <QString>

enum class PictureKind { Bitmap, Metafile, Unknown };

// The picture a save name asks for, by its extension (from the last "." of the name part,
// in any letter case): ".bmp" a bitmap, ".wmf" an enhanced metafile, anything else none.
PictureKind pictureKindOf(const QString& fileName);
