#include "app/filtrar_mails.h"
#include "controls/xpButton.h"
#include "controls/xpCheckBox.h"
#include "core/listfile.h"
#include "support/dialogscript.h"
#include "support/findcontrol.h"
#include "support/logcapture.h"
#include "support/messageboxwatcher.h"
#include "support/testfiles.h"
#include "tools/removespaces.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSpinBox>
#include <QTest>

namespace {

struct CleanWindow {
    TForm1 form1;
    Tremove window{form1};

    template <typename Control> Control& control(const char* name)
    {
        return *findControl<Control>(window, name);
    }
    void tick(const QString& names)
    {
        for (const QString& name : names.split(' ', Qt::SkipEmptyParts))
            control<TxpCheckBox>(name.toLatin1()).click();
    }
    // Types into the spin edit's own text field, as a user does, without its validator.
    void typeInto(const char* spin, const QString& text)
    {
        control<QSpinBox>(spin).findChild<QLineEdit*>()->setText(text);
    }
    QString label(const char* name) { return control<QLabel>(name).text(); }
    QStringList logAfter(const QStringList& before) { return logLines(form1).mid(before.size()); }
};

} // namespace

class TestCleanWindow : public QObject {
    Q_OBJECT

private slots:
    void openFile_data();
    void openFile();
    void clean_data();
    void clean();
    void cleanWithoutListOpensFirst();
    void badSpinText_data();
    void badSpinText();
    void typedBoundIsClamped_data();
    void typedBoundIsClamped();
    void removeDuplicates_data();
    void removeDuplicates();
    void tooFewLinesForDuplicates_data();
    void tooFewLinesForDuplicates();
    void unwritableOutput_data();
    void unwritableOutput();
};

void TestCleanWindow::openFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("count");

    QTest::addRow("CR LF") << QByteArray("a@b\r\nc@d\r\n") << "2 lines";
    QTest::addRow("CR only") << QByteArray("a@b\rc@d\re@f") << "3 lines";
    QTest::addRow("empty file") << QByteArray() << "0 lines";
}

void TestCleanWindow::openFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, count);
    TestFolder folder;
    const QString path = folder.write("list.txt", bytes);
    CleanWindow w;
    DialogScript dialogs;
    dialogs.choose(path).cancel();
    w.control<TxpButton>("xpButton2").click();
    QCOMPARE(w.label("Label3"), count);
    QCOMPARE(w.label("Label6"), path);
    QCOMPARE(logLines(w.form1).mid(0, 1), QStringList{"opened: " + path});

    // A cancel empties the list; the dialog keeps the name it had.
    w.control<TxpButton>("xpButton2").click();
    QCOMPARE(w.label("Label3"), QString("0 lines"));
    QCOMPARE(w.label("Label6"), path);
}

void TestCleanWindow::clean_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("ticked");
    QTest::addColumn<QByteArray>("saved");
    QTest::addColumn<QStringList>("log");

    QTest::addRow("empty and short, CR only")
        << QByteArray("a@b.test\r\rab\r") << "C1 C2" << QByteArray("a@b.test\r\n")
        << QStringList{"empty", "", "ab"};
    QTest::addRow("spaces, name kept")
        << QByteArray("Ann Lee ann@x.test\r\nann @x.test\r\n") << "c5"
        << QByteArray("Ann Lee ann@x.test\r\n") << QStringList{"With spaces: ann @x.test"};
    QTest::addRow("bytes above 127 kept byte for byte")
        << QByteArray("\xe9l\xe8ve@\xfc.test\r\n\xe9\r\n") << "C2"
        << QByteArray("\xe9l\xe8ve@\xfc.test\r\n") << QStringList{"\u00e9"};
}

void TestCleanWindow::clean()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, ticked);
    QFETCH(QByteArray, saved);
    QFETCH(QStringList, log);
    TestFolder folder;
    const QString output = folder.path("out.txt");
    CleanWindow w;
    DialogScript dialogs;
    dialogs.choose(folder.write("in.txt", bytes)).choose(output);
    w.control<TxpButton>("xpButton2").click();
    w.tick(ticked);
    const QStringList before = logLines(w.form1);
    w.control<TxpButton>("work").click();
    QCOMPARE(TestFolder::read(output), saved);
    QCOMPARE(w.logAfter(before),
             QStringList({"start to clean.. invalid address will be shown below:", " "}) + log);
    QCOMPARE(w.control<QProgressBar>("ProgressBar1").value(), 0);

    // The result stays in the output list when the next save is cancelled.
    dialogs.cancel();
    w.control<TxpButton>("work").click();
    QCOMPARE(TestFolder::read(output), saved);
    QCOMPARE(listFileBytes(w.form1.OutputList), saved);
}

void TestCleanWindow::cleanWithoutListOpensFirst()
{
    TestFolder folder;
    const QString output = folder.path("empty.txt");
    CleanWindow w;
    w.form1.OutputList = {"old"};
    DialogScript dialogs;
    dialogs.cancel().choose(output);
    MessageBoxWatcher boxes;
    w.control<TxpButton>("work").click();
    QCOMPARE(boxes.texts(), QStringList{"We will open a list with emails"});
    QCOMPARE(boxes.boxes().front().caption, QString("Quillmere"));
    QCOMPARE(dialogs.asked().size(), 2);
    QCOMPARE(dialogs.asked()[0].dialogName, QString("OpenDialog1"));
    QVERIFY(QFile::exists(output));
    QCOMPARE(TestFolder::read(output), QByteArray());
    QVERIFY(w.form1.OutputList.isEmpty());
}

void TestCleanWindow::badSpinText_data()
{
    QTest::addColumn<QByteArray>("spin");
    QTest::addColumn<QString>("text");

    QTest::addRow("empty short bound") << QByteArray("SpinEdit1") << "";
    QTest::addRow("letters") << QByteArray("Spin1") << "abc";
    QTest::addRow("blank inside") << QByteArray("Spin1") << "4 5";
    QTest::addRow("beyond 32 bits") << QByteArray("SpinEdit1") << "99999999999";
    QTest::addRow("a sign alone") << QByteArray("Spin1") << "-";
}

void TestCleanWindow::badSpinText()
{
    QFETCH(QByteArray, spin);
    QFETCH(QString, text);
    TestFolder folder;
    CleanWindow w;
    w.form1.InputList = {"a@b.test", ""};
    w.form1.OutputList = {"kept from before"};
    w.tick("C1 c4");
    w.typeInto(spin.constData(), text);
    DialogScript dialogs; // no save dialog may be shown
    MessageBoxWatcher boxes;
    const QStringList before = logLines(w.form1);
    w.control<TxpButton>("work").click();
    QCOMPARE(boxes.texts(), QStringList{"'" + text + "' is not a valid integer value."});
    QCOMPARE(w.form1.OutputList, AddressList{"kept from before"});
    QCOMPARE(w.logAfter(before), QStringList{});
    QCOMPARE(dialogs.asked().size(), 0);
}

void TestCleanWindow::typedBoundIsClamped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("kept");

    QTest::addRow("above the maximum") << "5000" << 1;
    QTest::addRow("below the minimum") << "-3" << 0;
    QTest::addRow("with a plus sign") << "+1000" << 1;
}

// Lines of 1000 and 1001 characters: the bound decides which survive "Longer than".
void TestCleanWindow::typedBoundIsClamped()
{
    QFETCH(QString, typed);
    QFETCH(int, kept);
    TestFolder folder;
    CleanWindow w;
    w.form1.InputList = {QByteArray(1000, 'a'), QByteArray(1001, 'a')};
    w.tick("c4");
    w.typeInto("Spin1", typed);
    DialogScript dialogs;
    dialogs.cancel();
    w.control<TxpButton>("work").click();
    QCOMPARE(w.form1.OutputList.size(), kept);
}

void TestCleanWindow::removeDuplicates_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("showDuplicates");
    QTest::addColumn<QByteArray>("saved");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<int>("progress");

    QTest::addRow("X Y X") << QByteArray("x@a.test\r\ny@a.test\r\nXena x@a.test\r\n") << false
                           << QByteArray("x@a.test\r\ny@a.test\r\n")
                           << QStringList{"duplicated address:", "Deleted 1 duplicated address"}
                           << 66;
    QTest::addRow("X Y X shown") << QByteArray("x@a.test\r\ny@a.test\r\nXena x@a.test\r\n") << true
                                 << QByteArray("x@a.test\r\ny@a.test\r\n")
                                 << QStringList{"duplicated address:", "x@a.test",
                                                "Deleted 1 duplicated address"}
                                 << 66;
    QTest::addRow("empty lines repeat")
        << QByteArray("\r\n\r\n   \r\n\xe9@b\r\n") << true << QByteArray("\r\n\xe9@b\r\n")
        << QStringList{"duplicated address:", "", "", "Deleted 2 duplicated address"} << 50;
}

void TestCleanWindow::removeDuplicates()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, showDuplicates);
    QFETCH(QByteArray, saved);
    QFETCH(QStringList, log);
    QFETCH(int, progress);
    TestFolder folder;
    const QString input = folder.write("list.txt", bytes);
    const QString output = folder.path("out.txt");
    CleanWindow w;
    DialogScript dialogs;
    dialogs.choose(input).choose(output);
    w.control<TxpButton>("xpButton2").click();
    if (showDuplicates)
        w.tick("dup");
    const QStringList before = logLines(w.form1);
    w.control<TxpButton>("xpButton1").click();
    QCOMPARE(w.label("Label1"), QString("list.txt"));
    QCOMPARE(TestFolder::read(output), saved);
    QCOMPARE(w.logAfter(before), log);
    QCOMPARE(w.control<QProgressBar>("ProgressBar1").value(), progress);

    // A cancelled save writes nothing, keeps the result and still reports the count.
    QFile::remove(output);
    dialogs.cancel();
    w.control<TxpButton>("xpButton1").click();
    QVERIFY(!QFile::exists(output));
    QCOMPARE(listFileBytes(w.form1.OutputList), saved);
    QCOMPARE(logLines(w.form1).last(), log.last());
}

void TestCleanWindow::tooFewLinesForDuplicates_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QTest::addRow("one line") << QByteArray("a@b\r\n");
    QTest::addRow("empty file") << QByteArray();
}

void TestCleanWindow::tooFewLinesForDuplicates()
{
    QFETCH(QByteArray, bytes);
    TestFolder folder;
    CleanWindow w;
    DialogScript dialogs;
    dialogs.choose(folder.write("one.txt", bytes));
    w.control<TxpButton>("xpButton2").click();
    w.form1.OutputList = {"earlier"};
    w.control<QProgressBar>("ProgressBar1").setValue(40);
    const QStringList before = logLines(w.form1);
    w.control<TxpButton>("xpButton1").click();
    QCOMPARE(w.logAfter(before), QStringList{"no file was loaded"});
    QCOMPARE(w.label("Label1"), QString("one.txt"));
    QCOMPARE(w.form1.OutputList, AddressList{"earlier"});
    QCOMPARE(w.control<QProgressBar>("ProgressBar1").value(), 40);
    QCOMPARE(dialogs.pending(), 0);
}

void TestCleanWindow::unwritableOutput_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QString>("lastLog");
    QTest::addColumn<AddressList>("kept");

    QTest::addRow("clean") << QByteArray("work") << "a@b" << AddressList{"long@example.test"};
    QTest::addRow("duplicates") << QByteArray("xpButton1")
                                << "duplicated address:" << AddressList{"a@b", "long@example.test"};
}

void TestCleanWindow::unwritableOutput()
{
    QFETCH(QByteArray, button);
    QFETCH(QString, lastLog);
    QFETCH(AddressList, kept);
    TestFolder folder;
    const QString output = folder.path("missing-folder/out.txt");
    CleanWindow w;
    w.form1.InputList = {"a@b", "long@example.test"};
    w.tick("C2");
    DialogScript dialogs;
    dialogs.choose(output);
    MessageBoxWatcher boxes;
    w.control<TxpButton>(button.constData()).click();
    QCOMPARE(boxes.texts(), QStringList{"Cannot create file " + output + "."});
    QVERIFY(!QFile::exists(output));
    QCOMPARE(logLines(w.form1).last(), lastLog);
    QCOMPARE(w.form1.OutputList, kept);
}

QTEST_MAIN(TestCleanWindow)
#include "tst_cleanwindow.moc"
