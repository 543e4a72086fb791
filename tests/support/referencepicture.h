#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

// Compares `actual` pixel for pixel with tests/data/pictures/<name>.png, leaving out the
// `masked` rectangles (caption text, which fonts may render differently on another machine;
// never a frame or a fill). An empty result means equal; otherwise it says where they differ,
// and the actual picture is saved in the current folder as <name>.actual.png for a look.
// With QUILLMERE_UPDATE_PICTURES=1 the reference is written from `actual` instead.
QString compareWithReference(const QImage& actual, const QString& name,
                             const QList<QRect>& masked = {});
