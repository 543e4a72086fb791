#include "app/filtrar_mails.h"
#include "controls/xpButton.h"
#include "core/listfile.h"
#include "reference/literalsplit.h"
#include "support/dialogscript.h"
#include "support/findcontrol.h"
#include "support/logcapture.h"
#include "support/messageboxwatcher.h"
#include "support/testfiles.h"
#include "tools/spliter.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

namespace {

QByteArray numberedLines(int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += "u" + QByteArray::number(i) + "@d.test\n";
    return bytes;
}

} // namespace

class TestSplitWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsAsLaidOut();
    void typedNumberShowsFileCount_data();
    void typedNumberShowsFileCount();
    void splitWritesNumberedFiles_data();
    void splitWritesNumberedFiles();
    void countFollowsTheListOpenedLast_data();
    void countFollowsTheListOpenedLast();
    void refusedNumbersWriteNothing_data();
    void refusedNumbersWriteNothing();
    void unwritableFileEndsTheSplit_data();
    void unwritableFileEndsTheSplit();
    void showingWithoutAListOffersOne_data();
    void showingWithoutAListOffersOne();

private:
    template <typename T> T* control(const QString& name) const
    {
        return findControl<T>(*m_split, name);
    }
    QString openList(const QByteArray& bytes, const QString& name = "list.txt");
    QStringList writtenFiles() const
    {
        return QDir(m_folder->path("")).entryList({"part*"}, QDir::Files | QDir::Dirs);
    }

    std::unique_ptr<TForm1> m_form;
    std::unique_ptr<Tsplit> m_split;
    std::unique_ptr<TestFolder> m_folder;
};

void TestSplitWindow::init()
{
    m_form = std::make_unique<TForm1>();
    m_split = std::make_unique<Tsplit>(*m_form);
    m_folder = std::make_unique<TestFolder>();
    control<QLineEdit>("Edit2")->setText(m_folder->path("part.txt"));
}

void TestSplitWindow::cleanup()
{
    m_split.reset();
    m_form.reset();
    m_folder.reset();
}

QString TestSplitWindow::openList(const QByteArray& bytes, const QString& name)
{
    const QString path = m_folder->write(name, bytes);
    DialogScript dialogs;
    dialogs.choose(path);
    control<TxpButton>("xpButton2")->click();
    return path;
}

void TestSplitWindow::startsAsLaidOut()
{
    QCOMPARE(m_split->windowTitle(), "Split a email list");
    QCOMPARE(control<TxpButton>("xpButton2")->text(), "Open file");
    QCOMPARE(control<QLabel>("Label2")->text(), "Current number of emails:");
    QCOMPARE(control<QLabel>("Label1")->text(), "Address per file:");
    QCOMPARE(control<QLabel>("Label5")->text(), QString(10, ' '));
    QCOMPARE(control<QLabel>("Label4")->text(), "Prefix of output file(s):");
    QCOMPARE(Tsplit(*m_form).findChild<QLineEdit*>("Edit2")->text(), "list_splited.txt");
    QCOMPARE(control<TxpButton>("work")->text(), "Split");
    QVERIFY(control<QLineEdit>("Edit1")->text().isEmpty());
}

void TestSplitWindow::typedNumberShowsFileCount_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("label");
    QTest::addRow("remainder") << "3"
                               << "4 Files will be created";
    QTest::addRow("exact") << "5"
                           << "2 Files will be created";
    QTest::addRow("at the count") << "10"
                                  << "1 Files will be created";
    QTest::addRow("above the count") << "250"
                                     << "1 Files will be created";
    QTest::addRow("zero") << "0"
                          << "0 Files will be created";
    QTest::addRow("negative") << "-3"
                              << "0 Files will be created";
    QTest::addRow("letters keep the count") << "abc"
                                            << "2 Files will be created";
    QTest::addRow("empty keeps the count") << ""
                                           << "2 Files will be created";
    QTest::addRow("blank keeps the count") << " 4"
                                           << "2 Files will be created";
    QTest::addRow("beyond 32 bits keeps the count") << "4294967297"
                                                    << "2 Files will be created";
}

void TestSplitWindow::typedNumberShowsFileCount()
{
    QFETCH(QString, typed);
    QFETCH(QString, label);
    openList(numberedLines(10));
    auto* edit = control<QLineEdit>("Edit1");
    QTest::keyClicks(edit, "5");
    edit->setText(typed);
    QCOMPARE(control<QLabel>("Label5")->text(), label);
}

void TestSplitWindow::splitWritesNumberedFiles_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<qint32>("perFile");
    QTest::addColumn<int>("files");
    QTest::addRow("ten by three") << 10 << 3 << 4;
    QTest::addRow("nine by three") << 9 << 3 << 3;
    QTest::addRow("at the count") << 10 << 10 << 1;
    QTest::addRow("above the count") << 10 << 25 << 1;
    QTest::addRow("empty list") << 0 << 3 << 0;
}

void TestSplitWindow::splitWritesNumberedFiles()
{
    QFETCH(int, count);
    QFETCH(qint32, perFile);
    QFETCH(int, files);
    const QString list = openList(numberedLines(count));
    const AddressList lines = m_form->InputList;
    QTest::keyClicks(control<QLineEdit>("Edit1"), QString::number(perFile));
    const qsizetype logged = logLines(*m_form).size();

    auto* work = control<TxpButton>("work");
    for (int run = 0; run < 2; ++run) {
        work->click();
        QCOMPARE(work->text(), "Done");
    }

    QStringList expectedLog;
    const QList<AddressList> parts = reference::splitParts(lines, perFile);
    for (qsizetype f = 0; f < parts.size(); ++f) {
        const QString name = m_folder->path("part_" + QString::number(f + 1) + ".txt");
        QCOMPARE(TestFolder::read(name), listFileBytes(parts[f]));
        expectedLog.append("write: " + name);
    }
    expectedLog << list << "splited in:" + QString::number(files);
    QCOMPARE(logLines(*m_form).mid(logged), expectedLog + expectedLog);
    QCOMPARE(writtenFiles().size(), files);
    QCOMPARE(m_form->InputList, lines);
    QVERIFY(!QApplication::overrideCursor());
}

void TestSplitWindow::countFollowsTheListOpenedLast_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("files");
    QTest::addColumn<bool>("fromMenu");
    QTest::addRow("longer list, no line dropped") << 10 << 20 << 7 << false;
    QTest::addRow("shorter list, no empty file") << 20 << 4 << 2 << false;
    QTest::addRow("opened from the main menu") << 10 << 20 << 7 << true;
}

void TestSplitWindow::countFollowsTheListOpenedLast()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, files);
    QFETCH(bool, fromMenu);
    openList(numberedLines(first));
    QTest::keyClicks(control<QLineEdit>("Edit1"), "3");
    control<TxpButton>("work")->click();
    for (const QString& file : writtenFiles())
        QVERIFY(QFile::remove(m_folder->path(file)));
    m_form->OutputList = {"kept?"};

    if (fromMenu) {
        DialogScript dialogs;
        dialogs.choose(m_folder->write("second.txt", numberedLines(second)));
        m_form->Openlistofemails1Click();
    } else {
        const QString list = openList(numberedLines(second), "second.txt");
        QCOMPARE(control<TxpButton>("work")->text(), "Split");
        QVERIFY(m_form->OutputList.isEmpty());
        QCOMPARE(control<QLabel>("Label3")->text(), QString::number(second));
        QCOMPARE(control<QLabel>("Label6")->text(), list);
    }

    control<TxpButton>("work")->click();
    QCOMPARE(control<QLabel>("Label5")->text(), QString::number(files) + " Files will be created");
    QCOMPARE(writtenFiles().size(), files);
    QCOMPARE(logLines(*m_form).last(), "splited in:" + QString::number(files));
    QByteArray joined;
    for (int f = 1; f <= files; ++f)
        joined += TestFolder::read(m_folder->path("part_" + QString::number(f) + ".txt"));
    QCOMPARE(joined, listFileBytes(parseListBytes(numberedLines(second))));
}

void TestSplitWindow::refusedNumbersWriteNothing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("icon");
    QTest::addRow("letters") << "abc"
                             << "'abc' is not a valid integer value." << int(QMessageBox::Critical);
    QTest::addRow("empty") << ""
                           << "'' is not a valid integer value." << int(QMessageBox::Critical);
    QTest::addRow("fraction") << "1.5"
                              << "'1.5' is not a valid integer value."
                              << int(QMessageBox::Critical);
    QTest::addRow("beyond 32 bits")
        << "2147483648"
        << "'2147483648' is not a valid integer value." << int(QMessageBox::Critical);
    QTest::addRow("zero") << "0"
                          << "The number of addresses per file must be 1 or more"
                          << int(QMessageBox::NoIcon);
    QTest::addRow("negative") << "-4"
                              << "The number of addresses per file must be 1 or more"
                              << int(QMessageBox::NoIcon);
}

void TestSplitWindow::refusedNumbersWriteNothing()
{
    QFETCH(QString, typed);
    QFETCH(QString, box);
    QFETCH(int, icon);
    openList(numberedLines(10));
    control<QLineEdit>("Edit1")->setText(typed);
    const QStringList log = logLines(*m_form);

    const MessageBoxWatcher boxes;
    control<TxpButton>("work")->click();
    QCOMPARE(boxes.texts(), QStringList{box});
    QCOMPARE(boxes.boxes().constFirst().caption, "Quillmere");
    QCOMPARE(boxes.boxes().constFirst().icon, icon);
    QVERIFY(writtenFiles().isEmpty());
    QCOMPARE(control<TxpButton>("work")->text(), "Split");
    QCOMPARE(logLines(*m_form), log);
    QVERIFY(!QApplication::overrideCursor());
}

void TestSplitWindow::unwritableFileEndsTheSplit_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("blocked");
    QTest::addColumn<int>("written");
    QTest::addRow("missing folder") << "missing/part.txt"
                                    << "missing/part_1.txt" << 0;
    QTest::addRow("second file blocked by a folder") << "part.txt"
                                                     << "part_2.txt" << 1;
}

void TestSplitWindow::unwritableFileEndsTheSplit()
{
    QFETCH(QString, prefix);
    QFETCH(QString, blocked);
    QFETCH(int, written);
    QVERIFY(QDir().mkpath(m_folder->path("part_2.txt")));
    openList(numberedLines(10));
    control<QLineEdit>("Edit2")->setText(m_folder->path(prefix));
    QTest::keyClicks(control<QLineEdit>("Edit1"), "4");
    const qsizetype logged = logLines(*m_form).size();

    const MessageBoxWatcher boxes;
    control<TxpButton>("work")->click();
    QCOMPARE(boxes.texts(), QStringList{"Cannot create file " + m_folder->path(blocked) + "."});
    QCOMPARE(logLines(*m_form).size() - logged, written);
    QCOMPARE(TestFolder::read(m_folder->path("part_1.txt")).count('\n'), written ? 4 : 0);
    QCOMPARE(control<TxpButton>("work")->text(), "Split");
    QVERIFY(!QApplication::overrideCursor());
}

void TestSplitWindow::showingWithoutAListOffersOne_data()
{
    QTest::addColumn<int>("loaded");
    QTest::addColumn<bool>("choose");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("count");
    const QStringList offer{"We will open a list with emails"};
    QTest::addRow("no list, cancelled") << 0 << false << offer << "0";
    QTest::addRow("one line, another chosen") << 1 << true << offer << "6";
    QTest::addRow("two lines are enough") << 2 << false << QStringList{} << "2";
}

void TestSplitWindow::showingWithoutAListOffersOne()
{
    QFETCH(int, loaded);
    QFETCH(bool, choose);
    QFETCH(QStringList, boxes);
    QFETCH(QString, count);
    const QString first = openList(numberedLines(loaded));
    const QString other = m_folder->write("other.txt", numberedLines(6));

    DialogScript dialogs;
    if (!boxes.isEmpty())
        choose ? dialogs.choose(other) : dialogs.cancel();
    const MessageBoxWatcher watcher;
    m_split->show();
    QCOMPARE(watcher.texts(), boxes);
    QCOMPARE(dialogs.pending(), 0);
    QCOMPARE(control<QLabel>("Label3")->text(), count);
    QCOMPARE(control<QLabel>("Label6")->text(), choose ? other : first);
    QCOMPARE(m_form->InputList.size(), count.toInt());
}

QTEST_MAIN(TestSplitWindow)
#include "tst_split_window.moc"
