#include "app/windowsetup.h"
#include "stats/chartpainter.h"
#include "stats/chartview.h"
#include "stats/metafilepainter.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cstring>

namespace {

constexpr quint32 headerRecord = 1;
constexpr quint32 endOfFileRecord = 14;
constexpr quint32 rectangleRecord = 43;
constexpr quint32 brushRecord = 39;
constexpr quint32 textRecord = 84;
constexpr quint32 emfSignature = 0x464D4520;

struct Record {
    quint32 type;
    QByteArray body;
};

// The little-endian word at `offset`; 0 past the end, so a short record reads as empty.
quint32 wordAt(const QByteArray& bytes, qsizetype offset)
{
    if (offset < 0 || offset + 4 > bytes.size())
        return 0;
    quint32 word = 0;
    std::memcpy(&word, bytes.constData() + offset, sizeof word);
    return qFromLittleEndian(word);
}

// The records of an EMF file; empty when a record's size does not fit the file.
QList<Record> recordsOf(const QByteArray& bytes)
{
    QList<Record> records;
    for (qsizetype at = 0; at + 8 <= bytes.size();) {
        const quint32 size = wordAt(bytes, at + 4);
        if (size < 8 || size % 4 != 0 || at + qsizetype(size) > bytes.size())
            return {};
        records.append({wordAt(bytes, at), bytes.mid(at, size)});
        at += size;
    }
    return records;
}

QStringList textsOf(const QList<Record>& records)
{
    QStringList texts;
    for (const Record& record : records) {
        if (record.type != textRecord)
            continue;
        // EMREXTTEXTOUTW: the EMRTEXT starts at 36; its character count at 8 and offset at 12.
        const quint32 count = wordAt(record.body, 36 + 8);
        const quint32 offset = wordAt(record.body, 36 + 12);
        if (qsizetype(offset) + qsizetype(count) * 2 > record.body.size())
            continue;
        texts.append(QString::fromUtf16(
            reinterpret_cast<const char16_t*>(record.body.constData() + offset), count));
    }
    return texts;
}

QList<quint32> brushColoursOf(const QList<Record>& records)
{
    QList<quint32> colours;
    for (const Record& record : records)
        if (record.type == brushRecord && wordAt(record.body, 12) == 0) // BS_SOLID
            colours.append(wordAt(record.body, 16));
    return colours;
}

const QList<ChartBar> exampleBars = {{45, "a.com", 0x0000C0}, {55, "others", 0xC08000}};

QByteArray exampleMetafile()
{
    ChartView view(nullptr);
    view.setFont(designFont());
    view.resize(706, 487);
    view.setBars(exampleBars);
    return view.metafileBytes();
}

// Pixels near `colour` in each column, summed: the rows a bar of that colour covers.
int tallestRun(const QImage& image, const QColor& colour)
{
    int tallest = 0;
    for (int x = 0; x < image.width(); ++x) {
        int run = 0;
        for (int y = 0; y < image.height(); ++y) {
            const QColor pixel = image.pixelColor(x, y);
            const bool near = std::abs(pixel.red() - colour.red()) < 24 &&
                              std::abs(pixel.green() - colour.green()) < 24 &&
                              std::abs(pixel.blue() - colour.blue()) < 24;
            run = near ? run + 1 : 0;
            tallest = std::max(tallest, run);
        }
    }
    return tallest;
}

} // namespace

using Drawing = std::function<void(QPainter&)>;
Q_DECLARE_METATYPE(Drawing)

class TestChartMetafile : public QObject {
    Q_OBJECT

private slots:
    void header();
    void records_data();
    void records();
    void emptyChart();
    void tinyBarKeepsItsMark();
    void drawingCalls_data();
    void drawingCalls();
    void readerShowsTheBars();
};

void TestChartMetafile::header()
{
    const QByteArray bytes = exampleMetafile();
    const QList<Record> records = recordsOf(bytes);
    QVERIFY(!records.isEmpty());
    QCOMPARE(records.first().type, headerRecord);
    QCOMPARE(wordAt(bytes, 40), emfSignature);
    QCOMPARE(qsizetype(wordAt(bytes, 48)), bytes.size());
    QCOMPARE(qsizetype(wordAt(bytes, 52)), records.size());
    QCOMPARE(records.last().type, endOfFileRecord);

    // The frame, in 0.01 mm, is the chart's size at 96 pixels per inch.
    const auto frameRight = qint32(wordAt(bytes, 24 + 8));
    const auto frameBottom = qint32(wordAt(bytes, 24 + 12));
    QVERIFY(std::abs(frameRight - 706 * 2540 / 96) <= 1);
    QVERIFY(std::abs(frameBottom - 487 * 2540 / 96) <= 1);
}

void TestChartMetafile::records_data()
{
    QTest::addColumn<QString>("text");

    QTest::addRow("domain label") << "a.com";
    QTest::addRow("others label") << "others";
    QTest::addRow("domain mark") << "45%";
    QTest::addRow("others mark") << "55%";
    QTest::addRow("legend entry") << "45%  a.com";
}

void TestChartMetafile::records()
{
    QFETCH(QString, text);
    const QList<Record> records = recordsOf(exampleMetafile());
    QVERIFY(textsOf(records).contains(text));

    // Each bar is filled with its own colour value, which is a GDI colour as it stands.
    const QList<quint32> brushes = brushColoursOf(records);
    for (const ChartBar& bar : exampleBars)
        QVERIFY(brushes.contains(bar.colour));
    QVERIFY(std::count_if(records.begin(), records.end(),
                          [](const Record& r) { return r.type == rectangleRecord; }) >= 4);
}

void TestChartMetafile::emptyChart()
{
    ChartView view(nullptr);
    view.resize(300, 200);
    const QList<Record> records = recordsOf(view.metafileBytes());
    QVERIFY(records.size() > 2);
    QCOMPARE(records.first().type, headerRecord);
    QCOMPARE(records.last().type, endOfFileRecord);
    QVERIFY(!textsOf(records).contains("others"));
}

void TestChartMetafile::drawingCalls_data()
{
    QTest::addColumn<Drawing>("drawing");
    QTest::addColumn<QList<quint32>>("types");

    // MOVETOEX 27, LINETO 54, RECTANGLE 43, POLYGON 3 or POLYGON16 86, EXTTEXTOUTW 84.
    QTest::addRow("line") << Drawing([](QPainter& p) { p.drawLine(1, 2, 30, 40); })
                          << QList<quint32>{27, 54};
    QTest::addRow("rectangle") << Drawing([](QPainter& p) { p.drawRect(5, 5, 20, 10); })
                               << QList<quint32>{43};
    QTest::addRow("polyline") << Drawing([](QPainter& p) {
        const QPoint points[] = {{0, 0}, {10, 5}, {20, 0}};
        p.drawPolyline(points, 3);
    }) << QList<quint32>{27, 54, 54};
    QTest::addRow("polygon") << Drawing([](QPainter& p) {
        const QPoint points[] = {{0, 0}, {10, 5}, {20, 0}};
        p.drawPolygon(points, 3);
    }) << QList<quint32>{86};
    QTest::addRow("path") << Drawing([](QPainter& p) {
        QPainterPath path;
        path.addEllipse(10, 10, 30, 20);
        p.drawPath(path);
    }) << QList<quint32>{86};
    QTest::addRow("text") << Drawing([](QPainter& p) { p.drawText(10, 20, "b\u00e9ta"); })
                          << QList<quint32>{84};
    QTest::addRow("empty text") << Drawing([](QPainter& p) { p.drawText(10, 20, ""); })
                                << QList<quint32>{};
    QTest::addRow("images are left out") << Drawing([](QPainter& p) {
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::red);
        p.drawImage(0, 0, image);
    }) << QList<quint32>{};
}

void TestChartMetafile::drawingCalls()
{
    QFETCH(Drawing, drawing);
    QFETCH(QList<quint32>, types);
    const QList<Record> records = recordsOf(paintToMetafile(QSize(50, 50), drawing));
    QVERIFY(records.size() >= 2);
    QList<quint32> drawn;
    for (const Record& record : records)
        if (QList<quint32>{3, 27, 43, 54, 84, 86}.contains(record.type))
            drawn.append(record.type);
    QCOMPARE(drawn, types);
    if (types == QList<quint32>{84})
        QCOMPARE(textsOf(records), QStringList{"b\u00e9ta"});
}

void TestChartMetafile::tinyBarKeepsItsMark()
{
    ChartView view(nullptr);
    view.resize(706, 487);
    view.setBars({{99.99, "a.com", 1}, {0.01, "others", 2}});
    const QStringList texts = textsOf(recordsOf(view.metafileBytes()));
    QVERIFY(texts.contains("0.01%"));
    QVERIFY(texts.contains("others"));
}

void TestChartMetafile::readerShowsTheBars()
{
    const QString office = QStandardPaths::findExecutable("libreoffice");
    if (office.isEmpty())
        QSKIP("LibreOffice is not installed: no independent metafile reader to try");

    QTemporaryDir folder;
    const QString metafile = folder.filePath("chart.emf");
    QFile file(metafile);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(exampleMetafile());
    file.close();

    QProcess reader;
    reader.start(office,
                 {"--headless", "-env:UserInstallation=file://" + folder.filePath("profile"),
                  "--convert-to", "png", "--outdir", folder.path(), metafile});
    QVERIFY(reader.waitForFinished(120000));
    QImage picture(folder.filePath("chart.png"));
    QVERIFY2(!picture.isNull(), reader.readAllStandardError().constData());
    if (const QByteArray keep = qgetenv("CHART_READER_PNG"); !keep.isEmpty())
        picture.save(QString::fromLocal8Bit(keep));

    // Both bars are drawn, in their colours, as tall as their shares.
    const int domainBar = tallestRun(picture, barColour(exampleBars[0]));
    const int othersBar = tallestRun(picture, barColour(exampleBars[1]));
    QVERIFY2(domainBar > 20, QByteArray::number(domainBar).constData());
    QVERIFY2(othersBar > 20, QByteArray::number(othersBar).constData());
    const double ratio = double(domainBar) / double(othersBar);
    QVERIFY2(std::abs(ratio - 45.0 / 55.0) < 0.05, QByteArray::number(ratio).constData());
    // The marks' pale boxes are there too.
    QVERIFY(tallestRun(picture, QColor(0xFF, 0xFF, 0xE1)) > 5);
}

QTEST_MAIN(TestChartMetafile)
#include "tst_chartmetafile.moc"
