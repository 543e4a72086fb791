#pragma once

#include <QByteArray>
#include <QSize>

#include <functional>

class QPainter;

// Runs `paint` with a QPainter on a `size` pixel canvas that records every pen, brush, font,
// line, rectangle, polygon and text as an enhanced metafile, and returns the file's bytes
// (empty when it could not be made). Images and gradients are not recorded.
QByteArray paintToMetafile(QSize size, const std::function<void(QPainter&)>& paint);
