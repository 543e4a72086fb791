#include "app/filtrar_mails.h"
#include "support/dialogscript.h"
#include "support/findcontrol.h"
#include "support/logcapture.h"
#include "support/messageboxwatcher.h"
#include "support/testfiles.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

// Receives the addresses that the program asks the desktop to open.
class OpenedUrls : public QObject {
    Q_OBJECT

public:
    OpenedUrls()
    {
        QDesktopServices::setUrlHandler("file", this, "open");
        QDesktopServices::setUrlHandler("https", this, "open");
    }
    ~OpenedUrls() override
    {
        QDesktopServices::unsetUrlHandler("file");
        QDesktopServices::unsetUrlHandler("https");
    }
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls.append(url); }
};

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsAsLaidOut();
    void menuCommands();
    void dialogsAsLaidOut();
    void openCancelledLogsPreviousName();
    void openMissingFileShowsError();
    void combinationThroughThePanel_data();
    void combinationThroughThePanel();
    void buttonsStayEnabledAfterCancel();
    void unwritableOutputKeepsResult();
    void saveOutputFile();
    void manual();
    void home();

private:
    template <typename T> T* control(const QString& name) const
    {
        return findControl<T>(*m_form, name);
    }
    void trigger(const QString& action) const { control<QAction>(action)->trigger(); }

    std::unique_ptr<TForm1> m_form;
    std::unique_ptr<TestFolder> m_folder;
};

void TestMainWindow::init()
{
    m_form = std::make_unique<TForm1>();
    m_form->show();
    m_folder = std::make_unique<TestFolder>();
}

void TestMainWindow::cleanup()
{
    m_form.reset();
    m_folder.reset();
}

void TestMainWindow::startsAsLaidOut()
{
    QCOMPARE(m_form->windowTitle(), "Quillmere 1.0");
    QCOMPARE(control<QPushButton>("Button1")->text(), "Open file 1");
    QVERIFY(control<QPushButton>("Button1")->isEnabled());
    QCOMPARE(control<QPushButton>("Button2")->text(), "Open File 2");
    QVERIFY(!control<QPushButton>("Button2")->isEnabled());
    QCOMPARE(control<QPushButton>("Button3")->text(), "Process and save output");
    QVERIFY(!control<QPushButton>("Button3")->isEnabled());
    QVERIFY(control<QRadioButton>("R1")->isChecked());
    QCOMPARE(control<QRadioButton>("R1")->font().pointSize(), 14);
    QCOMPARE(control<QRadioButton>("R2")->text(), "-");
    QVERIFY(control<QRadioButton>("R2")->font().bold());
    QCOMPARE(control<QRadioButton>("R3")->text(), "Intersection");
    QCOMPARE(control<QLabel>("Label3")->text(), "=");
    QCOMPARE(control<QLabel>("Label1")->text(), "Duplicated address are discarted");
    QCOMPARE(control<QProgressBar>("ProgressBar1")->value(), 0);
    QCOMPARE(control<QProgressBar>("ProgressBar1")->height(), 16);
    QVERIFY(logLines(*m_form).isEmpty());
}

void TestMainWindow::menuCommands()
{
    QStringList menus;
    for (const QAction* menu : m_form->menuBar()->actions()) {
        QStringList items;
        for (const QAction* item : menu->menu()->actions())
            items.append(item->text());
        menus.append(menu->text() + ": " + items.join(", "));
    }
    QCOMPARE(menus,
             (QStringList{"File: Open list of emails, Save output file, Exit",
                          "Edit List: Split, Seed with my email, Filter by domains, "
                          "Clean emails/duplicated, Sort list",
                          "Window: Show statistics of domains", "Help: Manual, About, Home"}));

    QWidget tool;
    ToolWindows tools;
    tools.clean = &tool;
    m_form->setToolWindows(tools);
    trigger("Deleteemptylines1");
    QVERIFY(tool.isVisible());
}

void TestMainWindow::dialogsAsLaidOut()
{
    const QString list = m_folder->write("a.txt", "x\r\n");
    DialogScript dialogs;
    dialogs.choose(list).cancel();
    trigger("Openlistofemails1");
    m_form->OutputList = {"a", "b"};
    trigger("SAve1");
    QCOMPARE(dialogs.asked().size(), 2);
    QCOMPARE(dialogs.asked()[0].dialogName, "OpenDialog1");
    QCOMPARE(dialogs.asked()[0].nameFilters,
             (QStringList{"txt (*.txt)", "*.csv (*.csv)", "*.* (*)"}));
    QCOMPARE(dialogs.asked()[1].dialogName, "SaveDialog1");
    QCOMPARE(dialogs.asked()[1].nameFilters,
             (QStringList{"*.txt (*.txt)", "*.csv (*.csv)", "*.* (*)"}));
    QCOMPARE(dialogs.asked()[1].defaultSuffix, "txt");
    QVERIFY(dialogs.asked()[1].preselected.constFirst().endsWith("/output.txt"));
    QCOMPARE(m_form->SaveDialog1.fileName(), "output.txt");
}

void TestMainWindow::openCancelledLogsPreviousName()
{
    const QString list = m_folder->write("list.txt", "a@b.test\nc@d.test\r\n");
    DialogScript dialogs;
    dialogs.cancel().choose(list).cancel();
    trigger("Openlistofemails1");
    trigger("Openlistofemails1");
    QCOMPARE(m_form->InputList, (AddressList{"a@b.test", "c@d.test"}));
    trigger("Openlistofemails1");
    QVERIFY(m_form->InputList.isEmpty());
    QCOMPARE(logLines(*m_form),
             (QStringList{"opened: ", "0 email address", "opened: " + list, "2 email address",
                          "opened: " + list, "0 email address"}));
}

void TestMainWindow::openMissingFileShowsError()
{
    m_form->InputList = {"stale"};
    const QString missing = m_folder->path("missing.txt");
    DialogScript dialogs;
    dialogs.choose(missing);
    MessageBoxWatcher boxes;
    trigger("Openlistofemails1");
    QCOMPARE(boxes.boxes().size(), 1);
    QCOMPARE(boxes.boxes()[0].caption, "Quillmere");
    QCOMPARE(boxes.boxes()[0].text, "Cannot open file " + missing + ".");
    QCOMPARE(boxes.boxes()[0].icon, int(QMessageBox::Critical));
    QVERIFY(m_form->InputList.isEmpty());
    QVERIFY(logLines(*m_form).isEmpty());
}

void TestMainWindow::combinationThroughThePanel_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QByteArray>("file1");
    QTest::addColumn<QByteArray>("file2");
    QTest::addColumn<QByteArray>("saved");
    QTest::addColumn<int>("bar");

    const QByteArray list1 = "Ann Lee ann@b.test\r\nbob@c.test\r\nbob@c.test\n\xe9@x.test\r";
    const QByteArray list2 = "ann@b.test\nzed@d.test\nZED@d.test\nzed@d.test\n";
    QTest::addRow("union") << "R1" << list1 << list2
                           << QByteArray("Ann Lee ann@b.test\r\nbob@c.test\r\nbob@c.test\r\n"
                                         "\xe9@x.test\r\nzed@d.test\r\nZED@d.test\r\n")
                           << 50;
    QTest::addRow("difference") << "R2" << list1 << list2
                                << QByteArray("bob@c.test\r\nbob@c.test\r\n\xe9@x.test\r\n") << 50;
    QTest::addRow("intersection") << "R3" << list1 << list2 << QByteArray("Ann Lee ann@b.test\r\n")
                                  << 100;
    QTest::addRow("union with one list-2 line")
        << "R1" << QByteArray("a@b.test\r\n") << QByteArray("c@d.test")
        << QByteArray("a@b.test\r\nc@d.test\r\n") << 0;
}

void TestMainWindow::combinationThroughThePanel()
{
    QFETCH(QString, radio);
    QFETCH(QByteArray, file1);
    QFETCH(QByteArray, file2);
    QFETCH(QByteArray, saved);
    QFETCH(int, bar);

    const QString path1 = m_folder->write("one.txt", file1);
    const QString path2 = m_folder->write("two.txt", file2);
    const QString output = m_folder->write("out.txt", "old contents\r\n");
    DialogScript dialogs;
    dialogs.choose(path1).choose(path2).choose(output);

    control<QPushButton>("Button1")->click();
    QVERIFY(control<QPushButton>("Button2")->isEnabled());
    QVERIFY(!control<QPushButton>("Button3")->isEnabled());
    control<QPushButton>("Button2")->click();
    QVERIFY(control<QPushButton>("Button3")->isEnabled());
    QRadioButton* operation = control<QRadioButton>(radio);
    QTest::mouseClick(operation, Qt::LeftButton, {}, {8, operation->height() / 2});
    QVERIFY(operation->isChecked());
    control<QPushButton>("Button3")->click();

    QCOMPARE(TestFolder::read(output), saved);
    QCOMPARE(control<QProgressBar>("ProgressBar1")->value(), bar);
    const QStringList log = logLines(*m_form);
    QCOMPARE(log.mid(0, 4),
             (QStringList{"opened: " + path1,
                          QString::number(m_form->InputList.size()) + " email address",
                          "Open another file and select operation", " "}));
    QCOMPARE(log.mid(4), (QStringList{"opened: " + path2,
                                      QString::number(m_form->SecondList.size()) + " email address",
                                      "saved: " + output,
                                      QString::number(m_form->OutputList.size()) + " emails"}));
    QCOMPARE(dialogs.pending(), 0);
}

void TestMainWindow::buttonsStayEnabledAfterCancel()
{
    const QString path = m_folder->write("one.txt", "a\r\n");
    DialogScript dialogs;
    dialogs.choose(path).choose(path).cancel().cancel();
    control<QPushButton>("Button1")->click();
    control<QPushButton>("Button2")->click();
    control<QPushButton>("Button1")->click();
    QVERIFY(m_form->InputList.isEmpty());
    QVERIFY(control<QPushButton>("Button2")->isEnabled());
    QVERIFY(control<QPushButton>("Button3")->isEnabled());
    control<QPushButton>("Button3")->click();
    QCOMPARE(logLines(*m_form).mid(10), (QStringList{"saved: output.txt", "1 emails"}));
}

void TestMainWindow::unwritableOutputKeepsResult()
{
    const QString path = m_folder->write("one.txt", "a@b.test\r\n");
    const QString target = m_folder->path("no/such/folder/out.txt");
    DialogScript dialogs;
    dialogs.choose(path).choose(path).choose(target);
    MessageBoxWatcher boxes;
    control<QPushButton>("Button1")->click();
    control<QPushButton>("Button2")->click();
    control<QPushButton>("Button3")->click();
    QCOMPARE(boxes.texts(), QStringList{"Cannot create file " + target + "."});
    QCOMPARE(m_form->OutputList, AddressList{"a@b.test"});
    QVERIFY(!logLines(*m_form).join('\n').contains("saved"));
    QVERIFY(!QFile::exists(target));
}

void TestMainWindow::saveOutputFile()
{
    MessageBoxWatcher boxes;
    trigger("SAve1");
    QCOMPARE(boxes.texts(), QStringList{"nothing to save"});
    QCOMPARE(boxes.boxes()[0].caption, "Quillmere");
    QVERIFY(logLines(*m_form).isEmpty());

    const QString target = m_folder->path("saved.txt");
    DialogScript dialogs;
    dialogs.choose(target).cancel();
    m_form->OutputList = {"only@one.test"};
    trigger("SAve1");
    QCOMPARE(TestFolder::read(target), QByteArray("only@one.test\r\n"));
    trigger("SAve1");
    QCOMPARE(logLines(*m_form), (QStringList{"saved 1 email address", "saved 1 email address"}));
    QCOMPARE(m_form->SaveDialog1.fileName(), target);
}

void TestMainWindow::manual()
{
    const QString helpFile = QApplication::applicationDirPath() + "/help.htm";
    const bool shipped = QFile::exists(helpFile);
    OpenedUrls opened;
    if (!shipped) {
        MessageBoxWatcher boxes;
        trigger("Manual1");
        QCOMPARE(boxes.boxes().size(), 1);
        QCOMPARE(boxes.boxes()[0].caption, "Error");
        QCOMPARE(boxes.boxes()[0].text, "The Help file: \"help.htm\" was not found.");
        QVERIFY(opened.urls.isEmpty());
        QFile file(helpFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    trigger("Manual1");
    QCOMPARE(opened.urls, QList<QUrl>{QUrl::fromLocalFile(helpFile)});
    if (!shipped)
        QFile::remove(helpFile);
}

void TestMainWindow::home()
{
    OpenedUrls opened;
    trigger("Home1");
    QCOMPARE(opened.urls.size(), 1);
    QVERIFY(opened.urls[0].isValid());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
