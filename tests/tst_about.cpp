#include "app/about.h"
#include "controls/xpButton.h"
#include "support/testfiles.h"

#include <QFile>
#include <QLabel>
#include <QTest>

namespace {

QByteArray productJpeg()
{
    QFile file(productPicturePath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

template <typename Control> Control* control(const QWidget& window, const char* name)
{
    return window.findChild<Control*>(QString::fromLatin1(name));
}

} // namespace

class TestAbout : public QObject {
    Q_OBJECT

private slots:
    void layout();
    void backgroundShadesToLightGrey();
    void okHidesAndShowingAgainKeepsTheWindow_data();
    void okHidesAndShowingAgainKeepsTheWindow();
    void closeBoxHides();
    void windowWithoutPicture_data();
    void windowWithoutPicture();
};

void TestAbout::layout()
{
    const Taboutsoft about;
    QCOMPARE(about.windowTitle(), QStringLiteral("About"));
    // 365 x 330 outside, less a usual frame and title bar.
    QCOMPARE(about.size(), QSize(357, 303));
    QVERIFY(!about.isVisible());

    const QLabel* background = control<QLabel>(about, "Image2");
    QVERIFY(background);
    QCOMPARE(background->geometry(), about.rect());

    const QLabel* picture = control<QLabel>(about, "Image1");
    QVERIFY(picture);
    QCOMPARE(picture->size(), QSize(273, 145));
    QCOMPARE(picture->pixmap().size(), QSize(258, 134));
    QVERIFY(!picture->hasScaledContents());

    const QLabel* title = control<QLabel>(about, "Label1");
    QVERIFY(title);
    QCOMPARE(title->text(), QStringLiteral("Quillmere v 1.0"));
    QVERIFY(title->font().bold());
    QVERIFY(title->geometry().bottom() < picture->geometry().top());

    const TxpButton* ok = control<TxpButton>(about, "xpButton1");
    QVERIFY(ok);
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QCOMPARE(ok->size(), QSize(75, 25));
    QCOMPARE(ok->geometry().center().x(), about.rect().center().x());
    QVERIFY(ok->geometry().top() > picture->geometry().bottom());
    QVERIFY(about.rect().contains(ok->geometry()));

    // From back to front: the background first, the button last.
    const QObjectList order = about.children();
    QVERIFY(order.indexOf(background) < order.indexOf(picture));
    QVERIFY(order.indexOf(picture) < order.indexOf(title));
    QVERIFY(order.indexOf(title) < order.indexOf(ok));
}

void TestAbout::backgroundShadesToLightGrey()
{
    const Taboutsoft about;
    const QImage strip = control<QLabel>(about, "Image2")->pixmap().toImage();
    QCOMPARE(strip.size(), QSize(1, 45));
    QCOMPARE(strip.pixelColor(0, 0), QColor(Qt::white));
    QCOMPARE(strip.pixelColor(0, 44), QColor(Qt::white));
    const QColor middle = strip.pixelColor(0, 22);
    QVERIFY(middle.red() < 255 && middle.red() >= 220);
    QCOMPARE(middle.red(), middle.blue());
}

void TestAbout::okHidesAndShowingAgainKeepsTheWindow_data()
{
    QTest::addColumn<int>("key");

    QTest::addRow("mouse click") << 0;
    QTest::addRow("space") << int(Qt::Key_Space);
    QTest::addRow("enter") << int(Qt::Key_Return);
}

void TestAbout::okHidesAndShowingAgainKeepsTheWindow()
{
    QFETCH(int, key);

    Taboutsoft about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    TxpButton* ok = control<TxpButton>(about, "xpButton1");
    if (key == 0)
        QTest::mouseClick(ok, Qt::LeftButton);
    else
        QTest::keyClick(ok, Qt::Key(key));
    QVERIFY(!about.isVisible());

    about.show();
    QVERIFY(about.isVisible());
    QCOMPARE(control<TxpButton>(about, "xpButton1"), ok);
    QVERIFY(!control<QLabel>(about, "Image1")->pixmap().isNull());
}

void TestAbout::closeBoxHides()
{
    Taboutsoft about;
    about.show();
    QVERIFY(about.close());
    QVERIFY(!about.isVisible());
    QVERIFY(!about.testAttribute(Qt::WA_DeleteOnClose));
}

void TestAbout::windowWithoutPicture_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");

    QTest::addRow("missing file") << QString() << QByteArray();
    QTest::addRow("empty file") << "empty.jpg" << QByteArray();
    QTest::addRow("not a jpeg") << "list.jpg" << QByteArray(R"(a@example.com
b@example.com
)");
    QTest::addRow("truncated") << "cut.jpg" << productJpeg().left(2000);
}

void TestAbout::windowWithoutPicture()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);

    const TestFolder folder;
    const QString path = name.isEmpty() ? folder.path("missing.jpg") : folder.write(name, bytes);
    Taboutsoft about(path);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QVERIFY(control<QLabel>(about, "Image1")->pixmap().isNull());
    QCOMPARE(control<QLabel>(about, "Label1")->text(), QStringLiteral("Quillmere v 1.0"));
    QTest::mouseClick(control<TxpButton>(about, "xpButton1"), Qt::LeftButton);
    QVERIFY(!about.isVisible());
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
