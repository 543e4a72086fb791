// Runs everything in tests/data against the real program: the golden sessions, the table of
// every window's controls and the table of line primitives; tests/data/README.md says how
// each is written.
#include "app/programwindows.h"
#include "core/abcQSort.h"
#include "core/applog.h"
#include "core/lineprimitives.h"
#include "core/progress.h"
#include "core/randomgenerator.h"
#include "core/wholenumber.h"
#include "stats/chartview.h"
#include "support/dialogscript.h"
#include "support/findcontrol.h"
#include "support/logcapture.h"
#include "support/messageboxwatcher.h"
#include "support/qtwarnings.h"
#include "support/testfiles.h"
#include "tools/splitting.h"

#include <QDesktopServices>
#include <QDirIterator>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTextDocumentFragment>
#include <QTreeView>

namespace {

// A text file's lines, each ended by a line break; none when the file is missing.
QStringList textLines(const QString& path)
{
    QStringList lines = QString::fromUtf8(TestFolder::read(path)).split('\n');
    lines.removeLast();
    return lines;
}

// Hidden files too: a save's temporary file left behind is a file written.
QStringList filesBelow(const QString& folder)
{
    QStringList files;
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                         QDirIterator::Subdirectories);
         it.hasNext();)
        files.append(QDir(folder).relativeFilePath(it.next()));
    return files;
}

// One row of cases per line of a table, its tab-separated fields in the column "row".
void addRows(const QString& name)
{
    QTest::addColumn<QStringList>("row");
    for (const QString& line : textLines(QUILLMERE_TEST_DATA "/" + name))
        if (!line.isEmpty() && !line.startsWith('#'))
            QTest::addRow("%s %s", qPrintable(line.section('\t', 0, 0)),
                          qPrintable(line.section('\t', 1, 1)))
                << line.split('\t');
}

// A window by class, or a control of it by name; none when missing, which fails the case.
QObject* controlOf(const QString& window, const QString& name)
{
    QWidget* found = windowOfClass(window);
    if (!found || name.isEmpty() || name == window)
        return found;
    return found->findChild<QObject*>(name);
}

const QString docFolder = QStringLiteral(QT_TESTCASE_SOURCEDIR "/../doc/");

QString manual()
{
    return QString::fromUtf8(TestFolder::read(docFolder + "help.htm"));
}

// What the user sees of a control; for "manual", `section` names the section to find.
QString fact(QObject& control, const QString& key, const QString& section = {})
{
    if (const auto* view = qobject_cast<QTreeView*>(&control); view && key == "items") {
        QStringList items;
        for (int row = 0; row < view->model()->rowCount(); ++row)
            items.append(view->model()->index(row, 0).data().toString());
        return items.join(", ");
    }
    if (const auto* chart = qobject_cast<ChartView*>(&control); chart && key == "bars") {
        QStringList bars;
        for (const ChartBar& bar : chart->bars())
            bars.append(QString("%1 %2 #%3")
                            .arg(shownText(bar.label))
                            .arg(bar.value)
                            .arg(bar.colour, 6, 16, QChar('0')));
        return bars.join(", ");
    }
    if (key == "filters")
        return qobject_cast<QFileDialog*>(&control)->nameFilters().join(";;");
    if (key == "menu")
        return qobject_cast<QMenu*>(control.parent())->title();
    if (auto* widget = qobject_cast<QWidget*>(&control); widget && key == "tab") {
        // Where a press of Tab on the control takes the focus (a pane that keeps Tab, itself),
        // named by the control that owns the focused inner part.
        widget->setFocus();
        QTest::keyClick(widget->window()->focusWidget(), Qt::Key_Tab);
        QWidget* focused = widget->window()->focusWidget();
        while (focused->objectName().startsWith("qt_"))
            focused = focused->parentWidget();
        return focused->objectName();
    }
    if (key == "shows") {
        qobject_cast<QAction*>(&control)->trigger();
        for (const QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && !qobject_cast<const TForm1*>(window))
                return window->metaObject()->className() +
                       QString(" at %1,%2").arg(window->x()).arg(window->y());
    }
    if (key == "manual") {
        const QString text = manual()
                                 .section(QString("<section id=\"%1\">").arg(section), 1)
                                 .section("</section>", 0, 0);
        const QString picture = QString("images/%1.png").arg(section);
        const bool shown =
            text.contains("src=\"" + picture) && !QImage(docFolder + picture).isNull();
        static const QRegularExpression outside(R"((src|href)="(\w+:|//))"),
            link(R"(href="#([^"]+))");
        for (const QRegularExpressionMatch& to : link.globalMatch(manual()))
            if (!manual().contains("id=\"" + to.captured(1) + '"'))
                return "a link to no section: " + to.captured(1);
        if (manual().contains(outside))
            return "a reference outside the manual's folder";
        return text.trimmed().startsWith("<h2>") && shown ? section : "no section";
    }
    return control.property(qPrintable(key)).toString();
}

QModelIndex itemShowing(const QTreeView& view, const QString& text)
{
    return view.model()
        ->match(view.model()->index(0, 0), Qt::DisplayRole, text, 1, Qt::MatchExactly)
        .value(0);
}

// Does what an options line says to a control; what could not be done, or nothing.
QString act(QWidget& control, const QString& value)
{
    auto* view = qobject_cast<QTreeView*>(&control);
    if (value == "Escape") {
        control.setFocus();
        QTest::keyRelease(&control, Qt::Key_Escape);
    } else if (value == "watch") { // the text shown when pending events are next handled
        QTimer::singleShot(0, &control,
                           [&] { control.setProperty("watched", control.property("text")); });
    } else if (auto* bar = qobject_cast<QProgressBar*>(&control); bar && value == "trace") {
        QObject::connect(bar, &QProgressBar::valueChanged, bar, [bar](int shown) {
            const QString before = bar->property("traced").toString();
            bar->setProperty("traced",
                             (before.isEmpty() ? "" : before + " ") + QString::number(shown));
        });
    } else if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    } else if (view && !itemShowing(*view, value.section(" = ", 0, 0)).isValid()) {
        return "no item " + value;
    } else if (view && value.contains(" = ")) {
        // The next control that takes the focus ends the edit, as it does for the user.
        view->edit(itemShowing(*view, value.section(" = ", 0, 0)));
        view->findChild<QLineEdit*>()->setText(value.section(" = ", 1));
    } else if (view) {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          view->visualRect(itemShowing(*view, value)).center());
    } else if (auto* spin = qobject_cast<QAbstractSpinBox*>(&control)) {
        // Typed over the selected text, key by key, through the field's validator.
        spin->setFocus();
        spin->selectAll();
        value.isEmpty() ? QTest::keyClick(spin, Qt::Key_Delete) : QTest::keyClicks(spin, value);
    } else if (auto* edit = qobject_cast<QLineEdit*>(&control)) {
        edit->setText(value);
    } else {
        return "nothing to do with " + value;
    }
    return {};
}

bool chooseMenuItem(const TForm1& form1, const QString& caption)
{
    for (QAction* action : form1.menuBar()->findChildren<QAction*>())
        if (action->text() == caption)
            return action->trigger(), true;
    return false;
}

QByteArray ruleResult(const QByteArray& rule, const QByteArray& a, const QByteArray& b)
{
    QByteArray shown = "none";
    if (rule == "address")
        return ExtractAddress(a).toByteArray();
    if (rule == "domain")
        return DomainOf(a).toByteArray();
    if (rule == "linedomain")
        return LineDomain(a).toByteArray();
    if (rule == "compare")
        return QByteArray::number(CompareAsciiNoCase(a, b));
    if (const auto number = parseWholeNumber(QString::fromUtf8(a)); rule == "number")
        return number ? QByteArray::number(*number) : shown;
    if (rule == "splitname")
        return splitFileName(QString::fromUtf8(a), b.toLongLong()).toUtf8();
    if (rule == "splitcount")
        return QByteArray::number(splitFileCount(a.toLongLong(), b.toInt()));
    if (rule == "progress")
        EvenProgress(a.toLongLong(), [&](int percent) {
            shown = QByteArray::number(percent);
        }).at(b.toLongLong());
    return shown;
}

} // namespace

class TestGolden : public QObject {
    Q_OBJECT

public slots:
    // What the program asks the desktop to open becomes the main window's "opened" fact.
    void openUrl(const QUrl& url)
    {
        windowOfClass("TForm1")->setProperty("opened", url.fileName());
    }

private slots:
    void initTestCase() { QDesktopServices::setUrlHandler("file", this, "openUrl"); }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler("file"); }
    // Any warning of Qt's is a fault of the case that caused it.
    void init() { failOnQtWarnings(); }
    void session_data();
    void session();
    void control_data();
    void control();
    void primitive_data();
    void primitive();
};

void TestGolden::session_data()
{
    QTest::addColumn<QString>("folder");
    QStringList cases = filesBelow(QUILLMERE_TEST_DATA).filter(QRegularExpression("/options$"));
    cases.sort();
    for (const QString& options : cases)
        QTest::addRow("%s", qPrintable(options.chopped(8)))
            << QUILLMERE_TEST_DATA "/" + options.chopped(8);
}

void TestGolden::session()
{
    QFETCH(QString, folder);
    const QTemporaryDir work;
    for (const QString& file : filesBelow(folder))
        if (!QStringList{"options", "log", "boxes", "state"}.contains(file) &&
            !file.startsWith("expected/") && !file.startsWith("program/")) {
            QDir(work.path()).mkpath(QFileInfo(file).path());
            QVERIFY(QFile::copy(folder + '/' + file, work.filePath(file)));
        }
    QDir::setCurrent(work.path());
    // The case's program/ files stand beside the program for the session only.
    QDir program(QCoreApplication::applicationDirPath());
    const QStringList besideProgram = filesBelow(folder).filter(QRegularExpression("^program/"));
    const auto removeBesideProgram = qScopeGuard([&] {
        for (const QString& file : besideProgram)
            program.remove(QFileInfo(file).fileName());
    });
    for (const QString& file : besideProgram)
        QVERIFY(QFile::copy(folder + '/' + file, program.filePath(QFileInfo(file).fileName())));

    // Every session is a fresh start of the program, whatever ran before it.
    processRandom() = {};
    ProgramWindows windows;
    windows.form1.show();
    DialogScript dialogs;
    MessageBoxWatcher boxes;
    QString window = "TForm1";
    for (const QString& line : textLines(folder + "/options")) {
        const QString name = line.section(':', 0, 0);
        const QString value = line.mid(name.size() + 2);
        if (name == "dialogs") {
            for (const QString& answer : value.split(", "))
                answer == "cancel" ? dialogs.cancel()
                : answer == "keep" ? dialogs.keep()
                                   : dialogs.choose(answer);
        } else if (name == "menu") {
            QVERIFY2(chooseMenuItem(windows.form1, value), qPrintable("no menu item " + value));
        } else if (name == "window") {
            window = value;
            QWidget* shown = windowOfClass(window);
            QVERIFY2(shown, qPrintable("no window " + window));
            shown->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(shown));
        } else {
            auto* control = qobject_cast<QWidget*>(controlOf(window, name));
            QVERIFY2(control, qPrintable("no control " + name));
            const QString failure = act(*control, value);
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
        }
    }

    QCOMPARE(logLines(windows.form1), textLines(folder + "/log"));
    QCOMPARE(boxes.shown(), textLines(folder + "/boxes"));
    for (const QString& line : textLines(folder + "/state")) {
        const QStringList key = line.section(": ", 0, 0).split('.');
        QObject* control = controlOf(key.first(), key.size() == 3 ? key[1] : "");
        QVERIFY2(control, qPrintable("no control " + line));
        QCOMPARE(key.join('.') + ": " + fact(*control, key.last()), line);
    }
    QCOMPARE(dialogs.pending(), 0);
    QVERIFY(!QApplication::overrideCursor());
    for (const QString& file : filesBelow(work.path())) {
        const QString expected = QFile::exists(folder + "/expected/" + file) ? "/expected/" : "/";
        QVERIFY2(QFile::exists(folder + expected + file), qPrintable("wrote " + file));
        QCOMPARE(TestFolder::read(file), TestFolder::read(folder + expected + file));
    }
    for (const QString& file : filesBelow(folder + "/expected"))
        QVERIFY2(QFile::exists(file), qPrintable("did not write " + file));
}

void TestGolden::control_data()
{
    addRows("controls.tsv");
}

// A window as it starts, with three lines loaded; a control once its window shows.
void TestGolden::control()
{
    QFETCH(QStringList, row);
    QCOMPARE(row.size(), 4);
    ProgramWindows windows;
    windows.form1.InputList = {"a@b.test", "c@d.test", "e@f.test"};
    windows.form1.show();
    QVERIFY2(windowOfClass(row[0]), "no such window");
    if (row[1] != "-")
        windowOfClass(row[0])->show();
    QObject* control = controlOf(row[0], row[1] == "-" ? "" : row[1]);
    QVERIFY2(control, "no such control");
    QStringList facts{row[0], row[1], control->metaObject()->className()};
    for (const QString& pair : row[3].split("; ")) {
        const QString key = pair.section('=', 0, 0), value = pair.section('=', 1);
        facts.append(key + '=' + fact(*control, key, value));
        // Every caption of a button, box, group, menu item or window is explained in the manual.
        if (QStringList{"text", "title", "windowTitle"}.contains(key) && !row[2].startsWith("QL"))
            QVERIFY2(QTextDocumentFragment::fromHtml(manual()).toPlainText().contains(value),
                     qPrintable(pair));
    }
    QCOMPARE(facts.mid(0, 3).join('\t') + '\t' + facts.mid(3).join("; "), row.join('\t'));
}

void TestGolden::primitive_data()
{
    addRows("primitives.tsv");
}

void TestGolden::primitive()
{
    QFETCH(QStringList, row);
    QVERIFY(row.size() == 3 || row.size() == 4);
    const auto bytes = [&](int i) { return QByteArray::fromPercentEncoding(row.at(i).toUtf8()); };
    QCOMPARE(ruleResult(bytes(0), bytes(1), row.size() == 4 ? bytes(2) : ""),
             bytes(row.size() - 1));
}

QTEST_MAIN(TestGolden)
#include "tst_golden.moc"
