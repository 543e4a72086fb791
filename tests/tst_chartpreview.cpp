#include "stats/picturepreview.h"
#include "support/testfiles.h"

#include <QBuffer>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QTest>

class TestChartPreview : public QObject {
    Q_OBJECT

private slots:
    void shows_data();
    void shows();
    void followsTypedName();
};

void TestChartPreview::shows_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("picture");

    QByteArray bitmap;
    {
        QImage image(40, 20, QImage::Format_RGB32);
        image.fill(Qt::red);
        QBuffer buffer(&bitmap);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "BMP");
    }
    QTest::addRow("bitmap") << "chart.bmp" << bitmap << true;
    QTest::addRow("metafile Qt cannot read") << "chart.wmf" << QByteArray("\x01\0\0\0", 4) << false;
    QTest::addRow("damaged bitmap") << "broken.bmp" << bitmap.left(20) << false;
    QTest::addRow("empty file") << "empty.bmp" << QByteArray() << false;
    QTest::addRow("missing file") << "missing.bmp" << QByteArray() << false;
}

void TestChartPreview::shows()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, picture);
    TestFolder folder;
    const QString path = name.startsWith("missing") ? folder.path(name) : folder.write(name, bytes);
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    PicturePreview preview(dialog);
    preview.showFile(path);
    QCOMPARE(!preview.pixmap().isNull(), picture);
    QCOMPARE(preview.text(), picture ? QString() : name);
    if (picture) {
        QVERIFY(preview.pixmap().width() <= preview.width());
        QCOMPARE(preview.pixmap().toImage().pixelColor(5, 5), QColor(Qt::red));
    }
    preview.showFile(folder.path({}));
    QVERIFY(preview.pixmap().isNull());
}

void TestChartPreview::followsTypedName()
{
    TestFolder folder;
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QVERIFY(image.save(folder.path("typed.bmp"), "BMP"));
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDirectory(folder.path({}));
    auto* preview = new PicturePreview(dialog);
    auto* field = dialog.findChild<QLineEdit*>("fileNameEdit");
    QVERIFY(field);
    field->setText("typed.bmp");
    QVERIFY(!preview->pixmap().isNull());
}

QTEST_MAIN(TestChartPreview)
#include "tst_chartpreview.moc"
