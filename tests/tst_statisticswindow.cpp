#include "app/filtrar_mails.h"
#include "core/randomgenerator.h"
#include "stats/chartpainter.h"
#include "stats/chartview.h"
#include "stats/estadistica.h"
#include "support/bytelists.h"
#include "support/dialogscript.h"
#include "support/findcontrol.h"
#include "support/logcapture.h"
#include "support/messageboxwatcher.h"
#include "support/pixels.h"
#include "support/testfiles.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace {

// 90 lines of a.com, 60 of b.org, 30 of c.net and 20 without a domain, interleaved.
QByteArray exampleFile()
{
    QByteArray file;
    for (int i = 0; i < 10; ++i) {
        for (int k = 0; k < 9; ++k)
            file += "u" + QByteArray::number(i * 9 + k) + "@a.com\r\n";
        for (int k = 0; k < 6; ++k)
            file += "Ann Lee v" + QByteArray::number(k) + "@b.org\r\n";
        file += "w1@c.net\r\nw2@c.net\r\nw3@c.net\r\nw4@c.net,\r\n\r\n";
    }
    return file;
}

QString barsText(const QList<ChartBar>& bars)
{
    QStringList entries;
    for (const ChartBar& bar : bars)
        entries.append(QString::fromLatin1(bar.label) + '=' + QString::number(bar.value));
    return entries.join(' ');
}

} // namespace

class TestStatisticsWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void laidOut();
    void workedExample();
    void scaleByTyping_data();
    void scaleByTyping();
    void scaleByArrows_data();
    void scaleByArrows();
    void loadCancelledShowsCount();
    void loadMissingFileEndsCommand();
    void noBarsBeforeLoadOrScale();
    void emptyListDrawsNoBars();
    void staleDomainListDrawsOnlyExistingBars();
    void coloursComeFromSharedGenerator();
    void save_data();
    void save();
    void bitmapIsTheChartOnScreen();
    void saveCancelledWritesNothing();
    void unwritableTargetReportsError();
    void escapeHidesWindow();

private:
    template <typename T> T* control(const QString& name) const
    {
        return findControl<T>(*m_chat, name);
    }
    void click(const QString& button) const { control<QPushButton>(button)->click(); }
    QList<ChartBar> bars() const { return control<ChartView>("Chart1")->bars(); }
    void loadExample();

    std::unique_ptr<TForm1> m_form;
    std::unique_ptr<Tchat> m_chat;
    std::unique_ptr<TestFolder> m_folder;
};

void TestStatisticsWindow::init()
{
    m_form = std::make_unique<TForm1>();
    m_chat = std::make_unique<Tchat>(*m_form);
    m_folder = std::make_unique<TestFolder>();
}

void TestStatisticsWindow::cleanup()
{
    m_chat.reset();
    m_form.reset();
    m_folder.reset();
}

void TestStatisticsWindow::loadExample()
{
    DialogScript dialogs;
    dialogs.choose(m_folder->write("list.txt", exampleFile()));
    click("Button1");
}

void TestStatisticsWindow::laidOut()
{
    QCOMPARE(m_chat->windowTitle(), "");
    QVERIFY(!m_chat->isVisible());
    QCOMPARE(control<ChartView>("Chart1")->geometry(), m_chat->rect());
    QCOMPARE(control<QPushButton>("Button1")->geometry(), QRect(32, 8, 153, 25));
    QCOMPARE(control<QPushButton>("Button1")->text(), "Load file with email address");
    QCOMPARE(control<QLabel>("Label2")->pos(), QPoint(192, 16));
    QCOMPARE(control<QLabel>("Label2")->text(), "        ");
    QVERIFY(control<QLabel>("Label2")->font().bold());
    QCOMPARE(control<QPushButton>("muestra")->geometry(), QRect(264, 8, 75, 25));
    QCOMPARE(control<QPushButton>("muestra")->text(), "Show chart");
    QCOMPARE(control<QPushButton>("Button3")->geometry(), QRect(480, 8, 75, 25));
    QCOMPARE(control<QPushButton>("Button3")->text(), "Save");
    auto* span = control<QSpinBox>("span");
    QCOMPARE(span->geometry(), QRect(572, 10, 56, 22));
    QCOMPARE(span->value(), 10);
    QCOMPARE(span->minimum(), 1);
    QCOMPARE(span->maximum(), 99);
    QCOMPARE(span->singleStep(), 2);
    QCOMPARE(control<QLabel>("Label1")->text(), "Scale");
    QStringList tabOrder;
    for (QWidget* next = span; tabOrder.size() < 4; next = next->nextInFocusChain())
        if (next->parentWidget() == m_chat.get() && next->focusPolicy() & Qt::TabFocus)
            tabOrder.append(next->objectName());
    QCOMPARE(tabOrder, (QStringList{"span", "Button1", "muestra", "Button3"}));

    DialogScript dialogs;
    dialogs.cancel();
    click("Button3");
    QCOMPARE(dialogs.asked().size(), 1);
    QCOMPARE(dialogs.asked()[0].dialogName, "SaveP");
    QCOMPARE(dialogs.asked()[0].nameFilters, (QStringList{"Bitmaps (*.bmp)", "Metafiles (*.wmf)"}));
    QCOMPARE(dialogs.asked()[0].defaultSuffix, "wmf");
    QVERIFY(m_chat->findChild<QLabel*>("preview"));
}

void TestStatisticsWindow::workedExample()
{
    loadExample();
    QCOMPARE(control<QLabel>("Label2")->text(), "200 emails");
    QCOMPARE(logLines(*m_form).size(), 2);

    click("muestra");
    QCOMPARE(barsText(bars()), "a.com=45 others=55");
    QCOMPARE(m_form->SecondList, (AddressList{"a.com", "b.org", "c.net"}));
    QCOMPARE(logLines(*m_form).size(), 2);

    auto* span = control<QSpinBox>("span");
    span->setValue(99);
    QCOMPARE(barsText(bars()), "a.com=45 b.org=30 others=25");
    QCOMPARE(logLines(*m_form).mid(2), QStringList{"displaying only 3 bars"});

    span->setValue(10);
    QCOMPARE(barsText(bars()), "");
    QCOMPARE(logLines(*m_form).mid(3), QStringList{"displaying only 0 bars"});

    // A scale change ends the default: Show chart keeps the scale's number of bars.
    span->setValue(99);
    click("muestra");
    QCOMPARE(barsText(bars()), "a.com=45 b.org=30 others=25");
    // Load sets the default again; Show chart then draws one bar fewer than the domains.
    loadExample();
    click("muestra");
    QCOMPARE(barsText(bars()), "a.com=45 others=55");
}

void TestStatisticsWindow::scaleByTyping_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("log");

    QTest::addRow("two digits, one line per keystroke")
        << "99" << QStringList{"displaying only 0 bars", "displaying only 3 bars"};
    QTest::addRow("a half goes to even") << "5" << QStringList{"displaying only 0 bars"};
    QTest::addRow("sixty-seven") << "67"
                                 << QStringList{"displaying only 0 bars", "displaying only 2 bars"};
    QTest::addRow("letters are refused") << "ab" << QStringList{};
}

void TestStatisticsWindow::scaleByTyping()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, log);
    loadExample();
    click("muestra");
    m_chat->show();
    QVERIFY(QTest::qWaitForWindowActive(m_chat.get()));
    auto* span = control<QSpinBox>("span");
    span->setFocus();
    span->selectAll();
    QTest::keyClick(span, Qt::Key_Delete);
    // An empty text is no whole number: it counts as the minimum, 1.
    QCOMPARE(logLines(*m_form).mid(2), QStringList{"displaying only 0 bars"});
    QTest::keyClicks(span, typed);
    QCOMPARE(logLines(*m_form).mid(3), log);
}

void TestStatisticsWindow::scaleByArrows_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<QList<int>>("values");

    QTest::addRow("up by two") << 10 << int(Qt::Key_Up) << QList<int>{12, 14};
    QTest::addRow("up stops at 99") << 96 << int(Qt::Key_Up) << QList<int>{98, 99, 99};
    QTest::addRow("down by two") << 10 << int(Qt::Key_Down) << QList<int>{8, 6};
    QTest::addRow("down stops at 1") << 4 << int(Qt::Key_Down) << QList<int>{2, 1, 1};
}

void TestStatisticsWindow::scaleByArrows()
{
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(QList<int>, values);
    m_form->InputList = listOf(QByteArrayList(100, "a@x.com"));
    auto* span = control<QSpinBox>("span");
    span->setValue(start);
    qsizetype logged = logLines(*m_form).size();
    int previous = span->value();
    for (const int value : values) {
        QTest::keyClick(span, Qt::Key(key));
        QCOMPARE(span->value(), value);
        // A step that changes nothing runs no handler; every real change logs one line.
        const qsizetype expected = logged + (value != previous ? 1 : 0);
        QCOMPARE(logLines(*m_form).size(), expected);
        logged = expected;
        previous = value;
    }
}

void TestStatisticsWindow::loadCancelledShowsCount()
{
    m_form->InputList = {"a@x.com", "b@y.com"};
    DialogScript dialogs;
    dialogs.cancel();
    click("Button1");
    QCOMPARE(control<QLabel>("Label2")->text(), "0 emails");
    click("muestra");
    QVERIFY(bars().isEmpty());
    QVERIFY(m_form->SecondList.isEmpty());
}

void TestStatisticsWindow::loadMissingFileEndsCommand()
{
    const QString missing = m_folder->path("missing.txt");
    DialogScript dialogs;
    dialogs.choose(missing);
    MessageBoxWatcher boxes;
    click("Button1");
    QCOMPARE(boxes.texts(), QStringList{"Cannot open file " + missing + "."});
    QCOMPARE(control<QLabel>("Label2")->text(), "        ");
    // The default was not set either: Show chart still draws the startup number, none.
    m_form->InputList = {"a@x.com", "b@y.com"};
    click("muestra");
    QVERIFY(bars().isEmpty());
}

void TestStatisticsWindow::noBarsBeforeLoadOrScale()
{
    m_form->InputList = {"a@x.com", "b@y.com", "c@z.com"};
    click("muestra");
    QVERIFY(bars().isEmpty());
    QCOMPARE(m_form->SecondList, (AddressList{"x.com", "y.com", "z.com"}));
    QVERIFY(logLines(*m_form).isEmpty());
}

void TestStatisticsWindow::emptyListDrawsNoBars()
{
    m_form->SecondList = listOf(QByteArrayList(50, "left over"));
    control<QSpinBox>("span")->setValue(50);
    QVERIFY(bars().isEmpty());
    QVERIFY(m_form->SecondList.isEmpty());
    QCOMPARE(logLines(*m_form), QStringList{"displaying only 0 bars"});
}

void TestStatisticsWindow::staleDomainListDrawsOnlyExistingBars()
{
    // The second file of the main window is still in the domain list at the scale change.
    m_form->SecondList = listOf(QByteArrayList(100, "x"));
    m_form->InputList = {"a@x.com", "b@x.com", "c@y.com", "", "d@z.com"};
    control<QSpinBox>("span")->setValue(50);
    QCOMPARE(barsText(bars()), "x.com=40 y.com=20 z.com=20 others=20");
    QCOMPARE(logLines(*m_form), QStringList{"displaying only 4 bars"});
}

void TestStatisticsWindow::coloursComeFromSharedGenerator()
{
    loadExample();
    RandomGenerator expected = processRandom();
    click("muestra");
    QCOMPARE(bars().size(), 2);
    for (const ChartBar& bar : bars())
        QCOMPARE(bar.colour, expected.draw(16000000));
    QCOMPARE(processRandom().state(), expected.state());
}

void TestStatisticsWindow::save_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<QStringList>("notices");

    const QStringList none;
    const QStringList refused{"Pictures are saved as .bmp (bitmap) or .wmf (metafile); nothing "
                              "was saved."};
    QTest::addRow("bitmap") << "chart.bmp" << QByteArray("BM") << none;
    QTest::addRow("upper-case bitmap") << "chart.BMP" << QByteArray("BM") << none;
    QTest::addRow("metafile") << "chart.wmf" << QByteArray("\x01\0\0\0", 4) << none;
    QTest::addRow("upper-case metafile") << "chart.WMF" << QByteArray("\x01\0\0\0", 4) << none;
    QTest::addRow("other extension") << "chart.png" << QByteArray() << refused;
    QTest::addRow("no extension") << "chart" << QByteArray() << refused;
}

void TestStatisticsWindow::save()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, start);
    QFETCH(QStringList, notices);
    loadExample();
    click("muestra");
    const QString target = m_folder->path(name);
    DialogScript dialogs;
    dialogs.choose(target);
    MessageBoxWatcher boxes;
    click("Button3");
    QCOMPARE(boxes.texts(), notices);
    QCOMPARE(QFile::exists(target), !start.isEmpty());
    QVERIFY(TestFolder::read(target).startsWith(start));
    QCOMPARE(QDir(m_folder->path({})).entryList(QDir::Files).size(), start.isEmpty() ? 1 : 2);
}

void TestStatisticsWindow::bitmapIsTheChartOnScreen()
{
    loadExample();
    click("muestra");
    m_chat->show();
    auto* chart = control<ChartView>("Chart1");
    const QString target = m_folder->path("chart.bmp");
    DialogScript dialogs;
    dialogs.choose(target);
    click("Button3");

    const QImage saved(target, "BMP");
    QCOMPARE(saved.size(), chart->size());
    QCOMPARE(saved.convertToFormat(QImage::Format_RGB32),
             chart->grab().toImage().convertToFormat(QImage::Format_RGB32));
    const int domainBar = tallestRun(saved, barColour(bars()[0]));
    const int othersBar = tallestRun(saved, barColour(bars()[1]));
    QVERIFY(domainBar > 50);
    const double ratio = double(domainBar) / othersBar;
    QVERIFY2(std::abs(ratio - 45.0 / 55.0) < 0.02, QByteArray::number(ratio).constData());
}

void TestStatisticsWindow::saveCancelledWritesNothing()
{
    loadExample();
    click("muestra");
    DialogScript dialogs;
    dialogs.choose(m_folder->path("first.bmp")).cancel();
    click("Button3");
    MessageBoxWatcher boxes;
    click("Button3");
    QVERIFY(boxes.texts().isEmpty());
    QCOMPARE(QDir(m_folder->path({})).entryList(QDir::Files),
             (QStringList{"first.bmp", "list.txt"}));
}

void TestStatisticsWindow::unwritableTargetReportsError()
{
    loadExample();
    click("muestra");
    // A folder of that name stands where the picture would go; it must stay as it is.
    const QString target = m_folder->path("taken.wmf");
    QVERIFY(QDir().mkdir(target));
    const QString missingFolder = m_folder->path("nowhere/chart.bmp");
    DialogScript dialogs;
    dialogs.choose(target).choose(missingFolder);
    MessageBoxWatcher boxes;
    click("Button3");
    click("Button3");
    QCOMPARE(boxes.texts(), (QStringList{"Cannot create file " + target + ".",
                                         "Cannot create file " + missingFolder + "."}));
    QVERIFY(QFileInfo(target).isDir());
    QVERIFY(!QFile::exists(missingFolder));
}

void TestStatisticsWindow::escapeHidesWindow()
{
    m_chat->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_chat.get()));
    auto* span = control<QSpinBox>("span");
    span->setFocus();
    QTest::keyClick(span, Qt::Key_Escape);
    QVERIFY(m_chat->isVisible());

    // Clicking the chart gives the window itself the focus.
    QTest::mouseClick(control<ChartView>("Chart1"), Qt::LeftButton, {}, QPoint(300, 300));
    QCOMPARE(QApplication::focusWidget(), m_chat.get());
    QTest::keyClick(m_chat.get(), Qt::Key_A);
    QVERIFY(m_chat->isVisible());
    QTest::keyClick(m_chat.get(), Qt::Key_Escape);
    QVERIFY(!m_chat->isVisible());
    // Hidden, not destroyed: showing it again changes nothing.
    m_chat->show();
    QCOMPARE(control<QSpinBox>("span")->value(), 10);
}

QTEST_MAIN(TestStatisticsWindow)
#include "tst_statisticswindow.moc"
