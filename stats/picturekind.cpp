#include "stats/picturekind.h"

PictureKind pictureKindOf(const QString& fileName)
{
    const QString name = fileName.mid(fileName.lastIndexOf('/') + 1);
    const qsizetype dot = name.lastIndexOf('.');
    const QString extension = dot < 0 ? QString() : name.mid(dot);
    // Letter case is ignored, so "chart.BMP" is saved rather than silently dropped.
    if (extension.compare(QLatin1String(".bmp"), Qt::CaseInsensitive) == 0)
        return PictureKind::Bitmap;
    if (extension.compare(QLatin1String(".wmf"), Qt::CaseInsensitive) == 0)
        return PictureKind::Metafile;
    return PictureKind::Unknown;
}
