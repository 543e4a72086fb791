#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QString>

// Decodes a JPEG with libjpeg itself (not Qt's image plugins). Bytes that are not a
// whole, readable JPEG (no JPEG at all, a truncated or corrupt stream, a colour layout
// that cannot be shown as RGB) give a null image, never half a picture.
QImage decodeJpeg(QByteArrayView bytes);

// Reads a file (or a compiled-in resource) and decodes it; null when unreadable.
QImage loadJpeg(const QString& path);
