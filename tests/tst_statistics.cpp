#include "app/filtrar_mails.h"
#include "app/windowsetup.h"
#include "core/listfile.h"
#include "reference/literaldomaincounts.h"
#include "stats/chartpainter.h"
#include "stats/chartview.h"
#include "stats/domainstatistics.h"
#include "stats/estadistica.h"
#include "stats/percentformat.h"
#include "stats/picturekind.h"
#include "stats/picturepreview.h"
#include "support/bytelists.h"
#include "support/dialogscript.h"
#include "support/findcontrol.h"
#include "support/logcapture.h"
#include "support/messageboxwatcher.h"
#include "support/pixels.h"
#include "support/referencepicture.h"
#include "support/syntheticlists.h"
#include "support/testfiles.h"

#include <QtTest>
#include <QtWidgets>

namespace {

QString dataFile(const QString& name)
{
    return QStringLiteral(QUILLMERE_TEST_DATA "/statistics/") + name;
}

// A data file's table of cases: a row a line, named by its first field; "#" starts a comment.
void table(const QString& name, const QList<const char*>& columns)
{
    for (const char* column : columns)
        QTest::addColumn<QString>(column);
    const QStringList lines = QString::fromUtf8(TestFolder::read(dataFile(name))).split('\n');
    for (const QString& line : lines.filter(QRegularExpression("^[^#]"))) {
        const QStringList fields = line.split(QRegularExpression(" *\\| *"));
        QTestData& row = QTest::newRow(qPrintable(fields[0]));
        for (qsizetype i = 1; i <= columns.size(); ++i)
            row << fields.value(i);
    }
}

} // namespace

class TestStatistics : public QObject {
    Q_OBJECT

private slots:
    // Fresh windows for every case, and the colours drawn as after start-up.
    void init() { m_chat.reset(), m_chat.emplace(m_form.emplace()), processRandom() = {}; }
    void tally();
    void rules_data() { table("rules.txt", {"expected"}); }
    void rules();
    void window_data() { table("chat.txt", {"steps", "log", "end", "png", "name", "kind", "box"}); }
    void window();
    void legend_data() { table("legend.txt", {"columns", "rows"}); }
    void legend();
    void culledDrawing();

private:
    void click(const QString& button) const { findControl<QPushButton>(*m_chat, button)->click(); }
    ChartView& chart() const { return *findControl<ChartView>(*m_chat, "Chart1"); }

    std::optional<TForm1> m_form;
    std::optional<Tchat> m_chat;
};

void TestStatistics::tally()
{
    const DomainTally golden = tallyDomains(readListFile(dataFile("tally/input.txt")));
    QByteArray text;
    for (qsizetype i = 0; i < golden.domains.size(); ++i)
        text.append(QByteArray::number(golden.counts[i]) + ' ').append(golden.domains[i]) += "\r\n";
    QCOMPARE(text, TestFolder::read(dataFile("tally/expected.txt")));

    // Random lists: few domains with many ties, many domains, about a line each, one domain.
    for (const auto& [seed, lines, domains] :
         {std::tuple{1u, 3000, 12}, {2u, 3000, 700}, {3u, 800, 2000}, {4u, 500, 1}}) {
        const AddressList input = SyntheticLists(seed).mixed(lines, lines / 2, domains);
        const DomainTally tally = tallyDomains(input);
        const auto domainCount = int(tally.domains.size());
        for (const int bars : {domainCount - 1, 1, 2, domainCount / 2, domainCount + 1}) {
            RandomGenerator ours, theirs;
            const literal::DomainChart expected = literal::showChart(input, bars, false, theirs);
            QCOMPARE(bytesOf(tally.domains), expected.domains);
            QCOMPARE(tally.counts, expected.counts);
            QCOMPARE(chartBars(tally, input.size(), bars, ours), expected.bars);
        }
    }
}

void TestStatistics::rules()
{
    const QStringList words = QString(QTest::currentDataTag()).split(' ');
    const QString result =
        words[0] == "bars" ? QString::number(barsForScale(words[1].toLongLong(), words[2].toInt()))
        : words[0] == "percent"
            ? formatPercent(words[1].toDouble())
            : QStringList{"bitmap", "metafile", "none"}[int(pictureKindOf(words.value(1)))];
    QTEST(result, "expected");
}

void TestStatistics::window()
{
    QFETCH(QString, steps);
    QFETCH(QString, name);
    m_chat->show();
    QVERIFY(QTest::qWaitForWindowActive(&*m_chat));
    auto* span = findControl<QSpinBox>(*m_chat, "span");
    const QPoint corners[] = {{45, 250}, {300, 470}};
    const Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Backspace, Qt::Key_Escape};
    const TestFolder folder;
    const QString target = folder.path(name);
    MessageBoxWatcher boxes;
    DialogScript dialogs;
    for (const QChar step : steps) {
        if (const qsizetype file = QString("EDMCS").indexOf(step); file >= 0) {
            const QStringList names{dataFile("example.txt"), dataFile("domains.txt"),
                                    dataFile("missing.txt"), "", name.isEmpty() ? "" : target};
            names[file].isEmpty() ? dialogs.cancel() : dialogs.choose(names[file]);
            click(step == 'S' ? "Button3" : "Button1");
        } else if (step == '!')
            click("muestra");
        else if (step == '*')
            span->setFocus(), span->selectAll();
        else if (step == '.')
            m_chat->setFocus();
        else if (step == 'k')
            m_chat->setPalette(QPalette(QColor(0x2A, 0x2E, 0x32)));
        else if (step == 'w') {
            QWheelEvent wheel({650, 300}, {}, {}, {0, -120}, {}, {}, Qt::NoScrollPhase, false);
            QApplication::sendEvent(&chart(), &wheel);
        } else if (step == 'a')
            QTest::mouseClick(&chart(), Qt::LeftButton, {}, chart().legend().downArrow().center());
        else if (step == 'z' || step == 'u') {
            QTest::mousePress(&chart(), Qt::LeftButton, {}, corners[step == 'u']);
            QTest::mouseRelease(&chart(), Qt::LeftButton, {}, corners[step == 'z']);
            QTest::qWait(400);
        } else if (const qsizetype key = QString("^v<x").indexOf(step); key >= 0)
            QTest::keyClick(QApplication::focusWidget(), keys[key]);
        else if (const qsizetype way = QString("di").indexOf(step); way >= 0) {
            // A screen reader's Decrease or Increase: the field's value and step, as offered.
            QAccessibleValueInterface& value =
                *QAccessible::queryAccessibleInterface(span)->valueInterface();
            value.setCurrentValue(value.currentValue().toInt() +
                                  (way ? 1 : -1) * value.minimumStepSize().toInt());
        } else
            QTest::keyClick(span, step.toLatin1());
    }

    const QString log = logLines(*m_form).filter("displaying").join(' ');
    QTEST(QString(log).remove("displaying only ").remove(" bars"), "log");
    const QString label = findControl<QLabel>(*m_chat, "Label2")->text().trimmed();
    QTEST(span->text() + "; " + label + (m_chat->isVisible() ? "; shown" : "; hidden"), "end");
    QTEST(boxes.texts().join('\n').replace(target, "%1").replace(dataFile({}), "%D"), "box");
    QFETCH(QString, kind);
    const QByteArray bytes = QFileInfo(target).isFile() ? TestFolder::read(target) : "";
    QCOMPARE(bytes.isEmpty(), kind.isEmpty());
    QFETCH(QString, png);
    const QImage shown =
        kind == "bitmap" ? QImage::fromData(bytes, "BMP") : chart().grab().toImage();
    if (!png.isEmpty())
        QCOMPARE(compareWithReference(shown, png), QString());
    if (kind.isEmpty())
        return;

    // The save dialog offers both kinds and previews a bitmap, or another file's name.
    auto* preview = m_chat->findChild<PicturePreview*>("preview");
    const auto* dialog = static_cast<QFileDialog*>(preview->parentWidget());
    QCOMPARE(dialog->nameFilters() << dialog->defaultSuffix(),
             (QStringList{"Bitmaps (*.bmp)", "Metafiles (*.wmf)", "wmf"}));
    preview->showFile(target);
    QCOMPARE(preview->pixmap().isNull(), kind != "bitmap");
    if (kind != "metafile")
        return;
    // As LibreOffice reads the metafile: both bars, in their colours and in their shares' ratio.
    QCOMPARE(bytes.mid(40, 4), QByteArray(" EMF"));
    QVERIFY(bytes.contains(QByteArray(reinterpret_cast<const char*>(u"others"), 12)));
    const QString office = QStandardPaths::findExecutable("libreoffice");
    if (office.isEmpty())
        QSKIP("LibreOffice is not installed: no independent metafile reader to try");
    const QStringList convert{"--convert-to", "png", "--outdir", folder.path({}),
                              "-env:UserInstallation=file://" + folder.path("lo")};
    QCOMPARE(QProcess::execute(office, convert + QStringList{folder.write("chart.emf", bytes)}), 0);
    const QImage read(folder.path("chart.png"));
    const auto height = [&](int i) { return tallestRun(read, barColour(chart().bars()[i])); };
    QVERIFY(std::abs(double(height(0)) / height(1) - 45.0 / 55) < 0.05);
}

// Legend layouts of many bars in the window's chart: entries in a readable font, the wall at
// least half the chart's width, and every entry reachable, shown in full, by scrolling.
void TestStatistics::legend()
{
    const int count = QString(QTest::currentDataTag()).toInt();
    QList<ChartBar> bars;
    for (int i = 0; i < count; ++i)
        bars.append({100.0 / (i + 2), "mail" + QByteArray::number(i) + ".river-valley.example"});
    const ChartContent content(bars, designFont());
    const QRect area(0, 0, 706, 487);
    const ChartLegend first = ChartLayout(area, content).legend;
    QVERIFY(QFontInfo(first.font()).pointSizeF() >= 6.99);
    QVERIFY(ChartLayout(area, content).wall.width() * 2 >= area.width());
    QTEST(QString::number(first.columns()), "columns");
    QTEST(QString::number(first.shownRows()) + (first.scrolls() ? " scrolling" : ""), "rows");
    QList<bool> seen(count);
    for (int row = 0; row < count; row += first.shownRows()) {
        const ChartLegend scrolled = ChartLayout(area, content, row).legend;
        for (int i = 0; i < count; ++i)
            if (const QString text = scrolled.shownEntry(i); !text.isEmpty()) {
                QCOMPARE(text, content.entry(i));
                seen[i] = true;
            }
    }
    QVERIFY(!seen.contains(false));
}

// Leaving out the bars and marks that others cover gives the very picture of drawing them all:
// a long list of near-equal shares, whole and zoomed, its legend scrolled, at two pixel ratios.
void TestStatistics::culledDrawing()
{
    const AddressList input = SyntheticLists(5).mixed(30000, 20000, 4000);
    const DomainTally tally = tallyDomains(input);
    RandomGenerator random;
    const ChartContent content(
        chartBars(tally, input.size(), int(tally.domains.size()) - 1, random), designFont());
    const QRect area(0, 0, 706, 487);
    const std::optional<ChartWindow> windows[] = {std::nullopt, ChartWindow{3.5, 900.2, 0, 2.5}};
    for (const double ratio : {1.0, 1.5})
        for (const std::optional<ChartWindow>& window : windows) {
            QImage pictures[2];
            for (const bool culled : {true, false}) {
                QImage& picture = pictures[culled];
                picture = QImage(area.size() * ratio, QImage::Format_RGB32);
                picture.setDevicePixelRatio(ratio);
                QPainter painter(&picture);
                paintChart(painter, area, content, {Qt::lightGray, Qt::black, window, 40, culled});
            }
            QVERIFY(pictures[0] == pictures[1]);
        }
}

QTEST_MAIN(TestStatistics)
#include "tst_statistics.moc"
