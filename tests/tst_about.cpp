#include "app/about.h"
#include "app/jpegimage.h"
#include "support/referencepicture.h"

#include <QDir>
#include <QLabel>
#include <QTest>

class TestAbout : public QObject {
    Q_OBJECT

private slots:
    void looksAndOnlyHides();
    void badPicturesLeaveTheFrameEmpty();
};

// At its size, grown and shrunk, the background fills it; OK and the close box only hide it.
void TestAbout::looksAndOnlyHides()
{
    Taboutsoft about;
    about.show();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    for (const QSize size : {about.size(), QSize(520, 420), QSize(200, 150)}) {
        about.resize(size);
        const QString name = QString("about-%1x%2").arg(size.width()).arg(size.height());
        const QString difference = compareWithReference(about.grab().toImage(), name);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }
    QTest::mouseClick(about.findChild<QWidget*>("xpButton1"), Qt::LeftButton);
    QVERIFY(!about.isVisible());
    about.show();
    QVERIFY(about.close());
    QVERIFY(!about.isVisible() && !about.testAttribute(Qt::WA_DeleteOnClose));
}

// No damaged or foreign file gives half a picture; without one the frame stays empty.
void TestAbout::badPicturesLeaveTheFrameEmpty()
{
    const QDir folder(QStringLiteral(QUILLMERE_TEST_DATA "/jpeg-bad"));
    const QFileInfoList files = folder.entryInfoList(QDir::Files);
    QCOMPARE(files.size(), 12);
    for (const QFileInfo& file : files)
        QVERIFY2(loadJpeg(file.filePath()).isNull(), qPrintable(file.fileName()));
    const Taboutsoft about(folder.filePath("missing.jpg"));
    QVERIFY(about.findChild<QLabel*>("Image1")->pixmap().isNull());
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
