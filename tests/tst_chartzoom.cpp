#include "app/windowsetup.h"
#include "stats/chartpainter.h"
#include "stats/chartview.h"
#include "support/pixels.h"

#include <QFontMetrics>
#include <QImage>
#include <QTest>

namespace {

const QRect area(0, 0, 706, 487);
const QList<ChartBar> fourBars = {{40, "a.com", 0x0000C0},
                                  {30, "b.org", 0x00C000},
                                  {20, "c.net", 0xC00000},
                                  {10, "others", 0x808080}};

QFontMetrics metrics()
{
    return QFontMetrics(designFont());
}

bool near(double a, double b)
{
    return std::abs(a - b) < 1e-6 * std::max(1.0, std::abs(b));
}

} // namespace

class TestChartZoom : public QObject {
    Q_OBJECT

private slots:
    void zoomedWindow_data();
    void zoomedWindow();
    void blend();
    void dragZoomsAndUnzooms();
    void newBarsShowWhole();
};

void TestChartZoom::zoomedWindow_data()
{
    QTest::addColumn<QRect>("selection");
    QTest::addColumn<bool>("changes");
    QTest::addColumn<double>("lowestFirstSlot");
    QTest::addColumn<double>("highestLastSlot");

    QTest::addRow("whole area is the whole wall") << area << false << 0.0 << 4.0;
    QTest::addRow("left part") << QRect(0, 0, 200, 487) << true << 0.0 << 2.0;
    QTest::addRow("right part") << QRect(400, 100, 306, 200) << true << 2.0 << 4.0;
    QTest::addRow("dragged backwards is the same rectangle")
        << QRect(QPoint(200, 487), QPoint(0, 0)) << true << 0.0 << 2.0;
    QTest::addRow("a line is too thin") << QRect(100, 100, 1, 200) << false << 0.0 << 4.0;
    QTest::addRow("outside the wall") << QRect(0, 0, 30, 30) << false << 0.0 << 4.0;
}

void TestChartZoom::zoomedWindow()
{
    QFETCH(QRect, selection);
    QFETCH(bool, changes);
    QFETCH(double, lowestFirstSlot);
    QFETCH(double, highestLastSlot);
    const ChartWindow full = fullChartWindow(area, fourBars, metrics());
    QCOMPARE(full.firstSlot, 0.0);
    QCOMPARE(full.lastSlot, 4.0);
    QCOMPARE(full.low, 0.0);
    QVERIFY(full.high > 40);

    const ChartWindow zoomed = zoomedChartWindow(area, fourBars, metrics(), full, selection);
    if (!changes) {
        QVERIFY(near(zoomed.firstSlot, full.firstSlot) && near(zoomed.lastSlot, full.lastSlot));
        QVERIFY(near(zoomed.low, full.low) && near(zoomed.high, full.high));
        return;
    }
    QVERIFY(zoomed.firstSlot >= lowestFirstSlot && zoomed.lastSlot <= highestLastSlot);
    QVERIFY(zoomed.firstSlot < zoomed.lastSlot);
    QVERIFY(zoomed.low >= full.low - 1e-9 && zoomed.high <= full.high + 1e-9);
    QVERIFY(zoomed.low < zoomed.high);
    // Zooming into the whole wall of a zoomed chart keeps it where it is.
    const ChartWindow again = zoomedChartWindow(area, fourBars, metrics(), zoomed, area);
    QVERIFY(near(again.firstSlot, zoomed.firstSlot) && near(again.lastSlot, zoomed.lastSlot));
    QVERIFY(near(again.low, zoomed.low) && near(again.high, zoomed.high));
}

void TestChartZoom::blend()
{
    const ChartWindow from{0, 4, 0, 50};
    const ChartWindow to{1, 2, 10, 30};
    QCOMPARE(blendedChartWindow(from, to, 0), from);
    QCOMPARE(blendedChartWindow(from, to, 1), to);
    QCOMPARE(blendedChartWindow(from, to, 0.5), (ChartWindow{0.5, 3, 5, 40}));
}

void TestChartZoom::dragZoomsAndUnzooms()
{
    ChartView view(nullptr);
    view.setFont(designFont());
    view.setGeometry(area);
    view.setBars(fourBars);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const auto barHeight = [&view] {
        return tallestRun(QImage::fromData(view.bitmapBytes(), "BMP"), barColour(fourBars[0]));
    };
    const int wholeHeight = barHeight();
    QVERIFY(wholeHeight > 100);

    // A click is no drag.
    QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(200, 200));
    QVERIFY(!view.shownWindow());

    // Down and to the right, over the lower half of the first two bars.
    QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(45, 250));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(300, 470));
    QTRY_VERIFY(view.shownWindow() && view.shownWindow()->lastSlot < 3);
    QTest::qWait(400);
    const ChartWindow zoomed = *view.shownWindow();
    QCOMPARE(zoomed, zoomedChartWindow(area, fourBars, QFontMetrics(view.font()),
                                       fullChartWindow(area, fourBars, QFontMetrics(view.font())),
                                       QRect(QPoint(45, 250), QPoint(300, 470))));
    // The first bar now reaches past the top of the wall: it is cut there, taller than before.
    QVERIFY(barHeight() > wholeHeight);
    QVERIFY(!QImage::fromData(view.bitmapBytes(), "BMP").isNull());

    // Up and to the left: the whole chart again.
    QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(300, 300));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(100, 100));
    QTRY_VERIFY(!view.shownWindow());
    QCOMPARE(barHeight(), wholeHeight);
}

void TestChartZoom::newBarsShowWhole()
{
    ChartView view(nullptr);
    view.setFont(designFont());
    view.setGeometry(area);
    view.setBars(fourBars);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(45, 250));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(300, 470));
    QTRY_VERIFY(view.shownWindow());
    view.setBars(fourBars.mid(0, 2));
    QVERIFY(!view.shownWindow());
    QTest::qWait(400);
    QVERIFY(!view.shownWindow());
}

QTEST_MAIN(TestChartZoom)
#include "tst_chartzoom.moc"
