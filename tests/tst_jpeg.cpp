#include "app/about.h"
#include "app/jpegimage.h"
#include "support/testfiles.h"

#include <QFile>
#include <QTest>

namespace {

QByteArray productJpeg()
{
    QFile file(productPicturePath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The picture with its frame header claiming another size.
QByteArray withClaimedSize(QByteArray jpeg, int width, int height)
{
    const qsizetype frame = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    if (frame < 0)
        return {};
    // Marker, length (2), precision (1), then height and width, big-endian.
    jpeg[frame + 5] = char(height >> 8);
    jpeg[frame + 6] = char(height & 0xFF);
    jpeg[frame + 7] = char(width >> 8);
    jpeg[frame + 8] = char(width & 0xFF);
    return jpeg;
}

bool near(QColor actual, QColor expected)
{
    constexpr int tolerance = 12;
    return qAbs(actual.red() - expected.red()) <= tolerance &&
           qAbs(actual.green() - expected.green()) <= tolerance &&
           qAbs(actual.blue() - expected.blue()) <= tolerance;
}

} // namespace

class TestJpeg : public QObject {
    Q_OBJECT

private slots:
    void decodesTheProductPicture();
    void refusesWhatIsNotAWholeJpeg_data();
    void refusesWhatIsNotAWholeJpeg();
    void loadsFromFiles_data();
    void loadsFromFiles();
};

void TestJpeg::decodesTheProductPicture()
{
    const QImage picture = decodeJpeg(productJpeg());
    QCOMPARE(picture.size(), QSize(258, 134));
    // The picture is drawn on a dark-blue ground with an orange strip along the bottom.
    QVERIFY(near(picture.pixelColor(5, 5), QColor(0, 60, 116)));
    QVERIFY(near(picture.pixelColor(128, 128), QColor(248, 179, 48)));
}

void TestJpeg::refusesWhatIsNotAWholeJpeg_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = productJpeg();
    QVERIFY(!good.isEmpty());

    QTest::addRow("empty") << QByteArray();
    QTest::addRow("text") << QByteArray(R"(someone@example.com
other@example.org
)");
    QTest::addRow("bytes above 127") << QByteArray("\xE9\xFC\xF1\x80\xFF", 5);
    QTest::addRow("start marker only") << QByteArray("\xFF\xD8", 2);
    QTest::addRow("start and end markers") << QByteArray("\xFF\xD8\xFF\xD9", 4);
    QTest::addRow("png signature") << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16);
    QTest::addRow("header cut") << good.left(100);
    QTest::addRow("truncated in half") << good.left(good.size() / 2);
    QTest::addRow("last bytes missing") << good.left(good.size() - 40);
    QTest::addRow("end marker early") << good.left(good.size() / 2) + QByteArray("\xFF\xD9", 2);
    QTest::addRow("huge claimed size") << withClaimedSize(good, 60000, 60000);
    QTest::addRow("zero height") << withClaimedSize(good, 258, 0);
}

void TestJpeg::refusesWhatIsNotAWholeJpeg()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(decodeJpeg(bytes).isNull());
}

void TestJpeg::loadsFromFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("decodes");

    QTest::addRow("good file") << "picture.jpg" << productJpeg() << true;
    QTest::addRow("truncated file") << "cut.jpg" << productJpeg().left(3000) << false;
    QTest::addRow("not a jpeg") << "list.jpg" << QByteArray("a@b.c\r\n") << false;
    QTest::addRow("missing file") << QString() << QByteArray() << false;
}

void TestJpeg::loadsFromFiles()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, decodes);

    const TestFolder folder;
    const QString path = name.isEmpty() ? folder.path("missing.jpg") : folder.write(name, bytes);
    QCOMPARE(!loadJpeg(path).isNull(), decodes);
}

QTEST_MAIN(TestJpeg)
#include "tst_jpeg.moc"
