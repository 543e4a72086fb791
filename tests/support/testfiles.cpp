#include "support/testfiles.h"

#include <QFile>
#include <QTest>

QString TestFolder::write(const QString& name, const QByteArray& bytes) const
{
    const QString filePath = path(name);
    QFile file(filePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        QTest::qFail("cannot write a test file", __FILE__, __LINE__);
    return filePath;
}

QByteArray TestFolder::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}
