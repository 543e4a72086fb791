#include "controls/XPGraphUtil.h"

#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

// One expected pixel of a fill.
struct Probe {
    QPoint at;
    QColor colour;
};
using Probes = QList<Probe>;

const QColor untouched(255, 0, 255);
const QColor light(253, 253, 253);
const QColor lavender(205, 204, 223);

QImage filled(const QRect& r, const QColor& start, const QColor& end, int direction, int bands)
{
    QImage image(80, 30, QImage::Format_RGB32);
    image.fill(untouched);
    QPainter canvas(&image);
    GradientFill(canvas, r, start, end, direction, bands);
    return image;
}

} // namespace

Q_DECLARE_METATYPE(Probes)

class TestGradientFill : public QObject {
    Q_OBJECT

private slots:
    void bands_data();
    void bands();
    void edgeRectExcludesRightAndBottom();
};

void TestGradientFill::bands_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QColor>("start");
    QTest::addColumn<QColor>("end");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("bands");
    QTest::addColumn<Probes>("probes");

    // The face of a 75 x 25 button: eight bands of two rows, row 20 in the end colour.
    QTest::addRow("button face")
        << edgeRect(4, 4, 71, 21) << light << lavender << 0 << 8
        << Probes{{{4, 4}, light},      {{70, 5}, light},      {{10, 6}, QColor(246, 246, 249)},
                  {{10, 18}, lavender}, {{10, 19}, lavender},  {{10, 20}, lavender},
                  {{10, 3}, untouched}, {{10, 21}, untouched}, {{3, 10}, untouched},
                  {{71, 10}, untouched}};
    // Pressed: twelve one-row bands from the end colour, rows 16 to 20 in the start colour.
    QTest::addRow("pressed face") << edgeRect(4, 4, 71, 21) << light << lavender << 1 << 12
                                  << Probes{{{10, 4}, lavender},
                                            {{10, 5}, QColor(209, 208, 226)},
                                            {{10, 15}, light},
                                            {{10, 16}, light},
                                            {{10, 20}, light}};
    QTest::addRow("left to right")
        << edgeRect(0, 0, 10, 3) << QColor(0, 0, 0) << QColor(255, 255, 255) << 2 << 5
        << Probes{{{1, 2}, QColor(0, 0, 0)},
                  {{2, 0}, QColor(64, 64, 64)},
                  {{9, 1}, QColor(255, 255, 255)},
                  {{10, 1}, untouched},
                  {{5, 3}, untouched}};
    // Reversed along x with one column left over, which takes the start colour.
    QTest::addRow("right to left with remainder")
        << edgeRect(0, 0, 7, 1) << QColor(0, 0, 0) << QColor(100, 100, 100) << 3 << 3
        << Probes{{{0, 0}, QColor(100, 100, 100)},
                  {{3, 0}, QColor(50, 50, 50)},
                  {{5, 0}, QColor(0, 0, 0)},
                  {{6, 0}, QColor(0, 0, 0)}};
    // 2.5 rounds away from zero both ways (not to the even neighbour).
    QTest::addRow("halves falling") << edgeRect(0, 0, 1, 3) << QColor(10, 10, 10) << QColor(5, 5, 5)
                                    << 0 << 3 << Probes{{{0, 1}, QColor(7, 7, 7)}};
    QTest::addRow("halves rising") << edgeRect(0, 0, 1, 3) << QColor(5, 5, 5) << QColor(10, 10, 10)
                                   << 0 << 3 << Probes{{{0, 1}, QColor(8, 8, 8)}};
    QTest::addRow("channels apart")
        << edgeRect(0, 0, 1, 2) << QColor(255, 0, 128) << QColor(0, 255, 128) << 0 << 2
        << Probes{{{0, 0}, QColor(255, 0, 128)}, {{0, 1}, QColor(0, 255, 128)}};
    // More bands than rows: one band per row.
    QTest::addRow("bands above extent")
        << edgeRect(0, 0, 4, 3) << QColor(0, 0, 0) << QColor(200, 200, 200) << 0 << 10
        << Probes{{{0, 0}, QColor(0, 0, 0)},
                  {{0, 1}, QColor(100, 100, 100)},
                  {{0, 2}, QColor(200, 200, 200)},
                  {{0, 3}, untouched}};
    // A one-row strip has no whole band: the row takes the last colour.
    QTest::addRow("one row") << edgeRect(0, 0, 4, 1) << QColor(0, 0, 0) << QColor(90, 90, 90) << 0
                             << 5 << Probes{{{2, 0}, QColor(90, 90, 90)}};
    QTest::addRow("one row reversed")
        << edgeRect(0, 0, 4, 1) << QColor(0, 0, 0) << QColor(90, 90, 90) << 1 << 5
        << Probes{{{2, 0}, QColor(0, 0, 0)}};
    QTest::addRow("one band") << edgeRect(0, 0, 4, 4) << QColor(30, 40, 50) << QColor(0, 0, 0) << 0
                              << 1 << Probes{{{3, 3}, QColor(30, 40, 50)}};
    QTest::addRow("no bands") << edgeRect(0, 0, 4, 4) << QColor(30, 40, 50) << QColor(0, 0, 0) << 0
                              << 0 << Probes{{{0, 0}, QColor(30, 40, 50)}};
    QTest::addRow("negative bands")
        << edgeRect(0, 0, 4, 4) << QColor(30, 40, 50) << QColor(0, 0, 0) << 1 << -1
        << Probes{{{0, 0}, QColor(0, 0, 0)}, {{0, 3}, QColor(30, 40, 50)}};
    // Only the low 8 bits of the band count count: 256 is no band, 258 is two.
    QTest::addRow("256 bands") << edgeRect(0, 0, 4, 4) << QColor(30, 40, 50) << QColor(0, 0, 0) << 0
                               << 256 << Probes{{{0, 3}, QColor(30, 40, 50)}};
    QTest::addRow("258 bands") << edgeRect(0, 0, 4, 4) << QColor(30, 40, 50) << QColor(0, 0, 0) << 0
                               << 258
                               << Probes{{{0, 1}, QColor(30, 40, 50)}, {{0, 2}, QColor(0, 0, 0)}};
    QTest::addRow("unknown direction")
        << edgeRect(0, 0, 2, 2) << QColor(0, 0, 0) << QColor(100, 100, 100) << 7 << 2
        << Probes{{{1, 0}, QColor(0, 0, 0)}, {{0, 1}, QColor(100, 100, 100)}};
    QTest::addRow("empty rect") << edgeRect(5, 5, 5, 9) << QColor(0, 0, 0) << QColor(0, 0, 0) << 0
                                << 4 << Probes{{{5, 5}, untouched}, {{4, 6}, untouched}};
    QTest::addRow("inverted rect") << edgeRect(9, 9, 5, 5) << QColor(0, 0, 0) << QColor(0, 0, 0)
                                   << 0 << 4 << Probes{{{6, 6}, untouched}, {{9, 9}, untouched}};
}

void TestGradientFill::bands()
{
    QFETCH(QRect, rect);
    QFETCH(QColor, start);
    QFETCH(QColor, end);
    QFETCH(int, direction);
    QFETCH(int, bands);
    QFETCH(Probes, probes);

    const QImage image = filled(rect, start, end, direction, bands);
    for (const Probe& probe : probes)
        QCOMPARE(image.pixelColor(probe.at), probe.colour);
}

void TestGradientFill::edgeRectExcludesRightAndBottom()
{
    const QRect r = edgeRect(4, 4, 71, 21);
    QCOMPARE(r.left(), 4);
    QCOMPARE(r.right(), 70);
    QCOMPARE(r.bottom(), 20);
    QCOMPARE(r.height(), 17);
}

QTEST_MAIN(TestGradientFill)
#include "tst_gradientfill.moc"
