#include "support/referencepicture.h"

#include <QColor>
#include <QDir>

namespace {

QString referencePath(const QString& name)
{
    return QStringLiteral(QUILLMERE_TEST_DATA "/pictures/") + name + QStringLiteral(".png");
}

bool isMasked(const QList<QRect>& masked, int x, int y)
{
    for (const QRect& area : masked)
        if (area.contains(x, y))
            return true;
    return false;
}

} // namespace

QString compareWithReference(const QImage& actual, const QString& name, const QList<QRect>& masked)
{
    const QImage shown = actual.convertToFormat(QImage::Format_RGB32);
    if (qEnvironmentVariableIntValue("QUILLMERE_UPDATE_PICTURES") == 1) {
        shown.save(referencePath(name));
        return {};
    }
    const QImage expected = QImage(referencePath(name)).convertToFormat(QImage::Format_RGB32);
    QString difference;
    if (expected.isNull())
        difference = "no reference picture " + referencePath(name);
    else if (expected.size() != shown.size())
        difference = QString("size %1x%2, reference %3x%4")
                         .arg(shown.width())
                         .arg(shown.height())
                         .arg(expected.width())
                         .arg(expected.height());
    for (int y = 0; difference.isEmpty() && y < shown.height(); ++y)
        for (int x = 0; difference.isEmpty() && x < shown.width(); ++x)
            if (shown.pixel(x, y) != expected.pixel(x, y) && !isMasked(masked, x, y))
                difference = QString("pixel (%1, %2) is %3, reference %4")
                                 .arg(x)
                                 .arg(y)
                                 .arg(QColor(shown.pixel(x, y)).name(),
                                      QColor(expected.pixel(x, y)).name());
    if (!difference.isEmpty())
        shown.save(QDir::current().filePath(name + ".actual.png"));
    return difference.isEmpty() ? QString() : name + ": " + difference;
}
