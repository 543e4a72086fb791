#include "app/filtrar_mails.h"
#include "controls/xpButton.h"
#include "controls/xpCheckBox.h"
#include "core/listfile.h"
#include "support/dialogscript.h"
#include "support/findcontrol.h"
#include "support/logcapture.h"
#include "support/messageboxwatcher.h"
#include "support/testfiles.h"
#include "tools/group_filter.h"

#include <QTest>

namespace {

struct SortWindow {
    TForm1 form1;
    Tsort window{form1};

    template <typename Control> Control& control(const char* name)
    {
        return *findControl<Control>(window, name);
    }
    TxpCheckBox& box(const char* name) { return control<TxpCheckBox>(name); }
    QString checked()
    {
        QString names;
        for (const char* name : {"c2", "c1", "c3"})
            if (box(name).isChecked())
                names += QString(name) + " ";
        return names.trimmed();
    }
    QStringList logAfter(const QStringList& before) { return logLines(form1).mid(before.size()); }
};

} // namespace

class TestSortWindow : public QObject {
    Q_OBJECT

private slots:
    void startsAsLaidOut();
    void checkBoxesExclude_data();
    void checkBoxesExclude();
    void processSelection_data();
    void processSelection();
    void nothingChecked();
    void saveOutput_data();
    void saveOutput();
    void unwritableOutput();
    void escape_data();
    void escape();
};

void TestSortWindow::startsAsLaidOut()
{
    SortWindow w;
    QCOMPARE(w.checked(), QString("c2"));
    QCOMPARE(w.window.pos(), QPoint(271, 211));
    QCOMPARE(w.box("c2").text(), QString("Sort by name or first letters of text line"));
    QCOMPARE(w.control<TxpButton>("xpButton2").text(), QString("Process Selection"));
}

void TestSortWindow::checkBoxesExclude_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("checked");

    QTest::addRow("address unchecks the others") << QStringList{"c1"} << "c1";
    QTest::addRow("twice leaves none") << QStringList{"c1", "c1"} << "";
    QTest::addRow("domain after address") << QStringList{"c1", "c3"} << "c3";
}

void TestSortWindow::checkBoxesExclude()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, checked);
    SortWindow w;
    for (const QString& name : clicks)
        QTest::mouseClick(&w.box(name.toLatin1().constData()), Qt::LeftButton);
    QCOMPARE(w.checked(), checked);
}

void TestSortWindow::processSelection_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<AddressList>("output");
    QTest::addColumn<AddressList>("input");
    QTest::addColumn<AddressList>("second");
    QTest::addColumn<QStringList>("log");

    QTest::addRow("whole lines sort the loaded list")
        << QByteArray("Zed a@c.test\r\nAnn z@b.test\r\n") << "c2"
        << AddressList{"Ann z@b.test", "Zed a@c.test"}
        << AddressList{"Ann z@b.test", "Zed a@c.test"} << AddressList{"list two"}
        << QStringList{"sorting entire lines", "Finished"};
    QTest::addRow("by address") << QByteArray("Ann z@b.test\r\nZed a@c.test\r\n") << "c1"
                                << AddressList{"Zed a@c.test", "Ann z@b.test"}
                                << AddressList{"Ann z@b.test", "Zed a@c.test"}
                                << AddressList{"a@c.test___;;__Zed a@c.test",
                                               "z@b.test___;;__Ann z@b.test"}
                                << QStringList{"sorting for address", "Finished"};
    QTest::addRow("by domain, CR only")
        << QByteArray("a@a.example\rb@a.example.net\rc@a.example\rd@b.test") << "c3"
        << AddressList{"b@a.example.net", "a@a.example", "c@a.example", "d@b.test"}
        << AddressList{"a@a.example", "b@a.example.net", "c@a.example", "d@b.test"}
        << AddressList{"a.example.net___;;__b@a.example.net", "a.example___;;__a@a.example",
                       "a.example___;;__c@a.example", "b.test___;;__d@b.test"}
        << QStringList{"sorting for domains", "Finished"};
    QTest::addRow("empty file") << QByteArray() << "c3" << AddressList{} << AddressList{}
                                << AddressList{} << QStringList{"sorting for domains", "Finished"};
}

void TestSortWindow::processSelection()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, mode);
    QFETCH(AddressList, output);
    QFETCH(AddressList, input);
    QFETCH(AddressList, second);
    QFETCH(QStringList, log);
    TestFolder folder;
    SortWindow w;
    w.form1.SecondList = {"list two"};
    w.form1.OutputList = {"stale"};
    DialogScript dialogs;
    dialogs.choose(folder.write("list.txt", bytes));
    w.control<TxpButton>("xpButton1").click();
    if (mode != "c2")
        w.box(mode.toLatin1().constData()).click();
    const QStringList before = logLines(w.form1);
    w.control<TxpButton>("xpButton2").click();
    QCOMPARE(w.form1.OutputList, output);
    QCOMPARE(w.form1.InputList, input);
    QCOMPARE(w.form1.SecondList, second);
    QCOMPARE(w.logAfter(before), log);
}

void TestSortWindow::nothingChecked()
{
    SortWindow w;
    w.form1.InputList = {"b", "a"};
    w.form1.SecondList = {"two"};
    w.form1.OutputList = {"stale"};
    w.box("c2").click();
    const QStringList before = logLines(w.form1);
    w.control<TxpButton>("xpButton2").click();
    QCOMPARE(w.logAfter(before), QStringList{"Finished"});
    QCOMPARE(w.form1.InputList, AddressList({"b", "a"}));
    QCOMPARE(w.form1.SecondList, AddressList{"two"});
    QCOMPARE(w.form1.OutputList, AddressList{"stale"});
}

void TestSortWindow::saveOutput_data()
{
    QTest::addColumn<AddressList>("output");
    QTest::addColumn<QByteArray>("saved");

    QTest::addRow("two lines") << AddressList{"a@b", ""} << QByteArray("a@b\r\n\r\n");
    QTest::addRow("empty list gives an empty file") << AddressList{} << QByteArray();
    QTest::addRow("bytes above 127") << AddressList{"\xe9\xff"} << QByteArray("\xe9\xff\r\n");
}

void TestSortWindow::saveOutput()
{
    QFETCH(AddressList, output);
    QFETCH(QByteArray, saved);
    TestFolder folder;
    const QString path = folder.path("sorted.txt");
    SortWindow w;
    w.form1.OutputList = output;
    DialogScript dialogs;
    dialogs.cancel().choose(path).cancel();
    w.control<TxpButton>("xpButton3").click();
    QVERIFY(!QFile::exists(path));
    QCOMPARE(logLines(w.form1).last(), QString("saved sorted list: output.txt"));
    w.control<TxpButton>("xpButton3").click();
    QCOMPARE(TestFolder::read(path), saved);
    QCOMPARE(logLines(w.form1).last(), "saved sorted list: " + path);
    w.control<TxpButton>("xpButton3").click();
    QCOMPARE(logLines(w.form1).last(), "saved sorted list: " + path);
}

void TestSortWindow::unwritableOutput()
{
    TestFolder folder;
    const QString path = folder.path("no-such-folder/sorted.txt");
    SortWindow w;
    w.form1.OutputList = {"a@b"};
    DialogScript dialogs;
    dialogs.choose(path);
    MessageBoxWatcher boxes;
    const QStringList before = logLines(w.form1);
    w.control<TxpButton>("xpButton3").click();
    QCOMPARE(boxes.texts(), QStringList{"Cannot create file " + path + "."});
    QCOMPARE(w.logAfter(before), QStringList{});
    QCOMPARE(w.form1.OutputList, AddressList{"a@b"});
}

void TestSortWindow::escape_data()
{
    QTest::addColumn<QByteArray>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("hidden");

    QTest::addRow("window, Escape") << QByteArray() << int(Qt::Key_Escape) << true;
    QTest::addRow("window, other key") << QByteArray() << int(Qt::Key_Return) << false;
    QTest::addRow("button, Escape") << QByteArray("xpButton2") << int(Qt::Key_Escape) << false;
    QTest::addRow("check box, Escape") << QByteArray("c1") << int(Qt::Key_Escape) << false;
}

void TestSortWindow::escape()
{
    QFETCH(QByteArray, focus);
    QFETCH(int, key);
    QFETCH(bool, hidden);
    SortWindow w;
    w.window.show();
    w.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    QWidget* target =
        focus.isEmpty() ? static_cast<QWidget*>(&w.window) : w.window.findChild<QWidget*>(focus);
    target->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), target);
    QTest::keyRelease(target, Qt::Key(key));
    QCOMPARE(w.window.isHidden(), hidden);
    QCOMPARE(w.checked(), QString("c2"));
}

QTEST_MAIN(TestSortWindow)
#include "tst_sortwindow.moc"
