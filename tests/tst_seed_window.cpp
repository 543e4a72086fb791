#include "app/filtrar_mails.h"
#include "controls/xpButton.h"
#include "controls/xpCheckBox.h"
#include "core/listfile.h"
#include "reference/literalseed.h"
#include "support/dialogscript.h"
#include "support/findcontrol.h"
#include "support/logcapture.h"
#include "support/messageboxwatcher.h"
#include "support/testfiles.h"
#include "tools/unida2email.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

const QByteArray tenLines = "l0\nl1\nl2\nl3\nl4\nl5\nl6\nl7\nl8\nl9\n";

} // namespace

class TestSeedWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // First, while the process-wide generator is untouched.
    void firstRandomRunAfterStartUp();
    void startsAsLaidOut();
    void regularRun_data();
    void regularRun();
    void derivedOutputName_data();
    void derivedOutputName();
    void doneOnlyCloses();
    void fewerThanThreeEntriesOffersAList_data();
    void fewerThanThreeEntriesOffersAList();
    void badIntervalWritesNothing_data();
    void badIntervalWritesNothing();
    void unwritableOutputKeepsTheResult();

private:
    template <typename T> T* control(const QString& name) const
    {
        return findControl<T>(*m_seed, name);
    }
    QString openList(const QByteArray& bytes, const QString& name = "clients.txt");
    void create() { control<TxpButton>("button2")->click(); }

    std::unique_ptr<TForm1> m_form;
    std::unique_ptr<Tseed> m_seed;
    std::unique_ptr<TestFolder> m_folder;
};

void TestSeedWindow::init()
{
    m_form = std::make_unique<TForm1>();
    m_seed = std::make_unique<Tseed>(*m_form);
    m_folder = std::make_unique<TestFolder>();
    m_seed->show();
}

void TestSeedWindow::cleanup()
{
    m_seed.reset();
    m_form.reset();
    m_folder.reset();
}

QString TestSeedWindow::openList(const QByteArray& bytes, const QString& name)
{
    const QString path = m_folder->write(name, bytes);
    DialogScript dialogs;
    dialogs.choose(path);
    control<TxpButton>("xpButton2")->click();
    return path;
}

void TestSeedWindow::firstRandomRunAfterStartUp()
{
    openList(tenLines);
    QCOMPARE(control<QLabel>("Label7")->text(), "10 address");
    QTest::keyClicks(control<QLineEdit>("email"), "me@x.test");
    const QString output = m_folder->path("seeded.txt");
    control<QLineEdit>("salidaf")->setText(output);
    control<QLineEdit>("frecuencia")->setText("3");
    control<TxpCheckBox>("ran")->click();
    QVERIFY(control<TxpCheckBox>("ran")->isChecked());
    const qsizetype logged = logLines(*m_form).size();

    create();
    const QByteArray seeded =
        "me@x.test\r\nme@x.test\r\nl0\r\nl1\r\nl2\r\nl3\r\nl4\r\nme@x.test\r\n"
        "l5\r\nl6\r\nl7\r\nl8\r\nl9\r\n";
    QCOMPARE(TestFolder::read(output), seeded);
    QCOMPARE(m_form->OutputList, parseListBytes(seeded));
    QCOMPARE(logLines(*m_form).mid(logged),
             (QStringList{"Seed your email ", "Random enabled every 3",
                          "list with your email: me@x.test was saved as: " + output,
                          "your email was inserted 3 times"}));
    QCOMPARE(control<QLabel>("Label5")->text(), "New list was created with 13 lines");
    QCOMPARE(control<TxpButton>("button2")->text(), "Done");
}

void TestSeedWindow::startsAsLaidOut()
{
    QCOMPARE(m_seed->windowTitle(), "Seed your email in a email list to test deliverability");
    QCOMPARE(control<QLineEdit>("frecuencia")->text(), "100");
    QCOMPARE(control<TxpCheckBox>("ran")->text(), "Also use Random separation");
    QVERIFY(!control<TxpCheckBox>("ran")->isChecked());
    QCOMPARE(control<TxpButton>("button2")->text(), "Create");
    QCOMPARE(control<QLabel>("Label2")->text(), "Include my email every ");
    QCOMPARE(control<QLabel>("Label4")->text(), "examples: 1 per 100 times ");
    const QStringList tabOrder{"email", "salidaf", "frecuencia", "ran", "button2", "xpButton2"};
    QStringList tabbed;
    QWidget* widget = control<QWidget>(tabOrder.first());
    while (tabbed.size() < tabOrder.size()) {
        if (widget->focusPolicy() & Qt::TabFocus)
            tabbed.append(widget->objectName());
        widget = widget->nextInFocusChain();
    }
    QCOMPARE(tabbed, tabOrder);
}

void TestSeedWindow::regularRun_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QString>("interval");
    QTest::addColumn<QString>("email");
    QTest::addColumn<int>("inserted");
    QTest::addRow("ten by three") << tenLines << "3"
                                  << "me@x" << 4;
    QTest::addRow("negative") << tenLines << "-3"
                              << "me@x" << 4;
    QTest::addRow("signed") << tenLines << "+5"
                            << "me@x" << 2;
    QTest::addRow("empty address") << tenLines << "4"
                                   << "" << 3;
    QTest::addRow("bytes above 127") << QByteArray("caf\xe9@x\r\xff\r\n\r") << "2"
                                     << "m\u00e9@x" << 2;
    QTest::addRow("huge line") << QByteArray(2'000'000, 'h') + "\nb@c\nd@e"
                               << "2"
                               << "me@x" << 2;
}

void TestSeedWindow::regularRun()
{
    QFETCH(QByteArray, list);
    QFETCH(QString, interval);
    QFETCH(QString, email);
    QFETCH(int, inserted);
    openList(list);
    control<QLineEdit>("email")->setText(email);
    control<QLineEdit>("frecuencia")->setText(interval);
    const QString output = m_folder->path("seeded.txt");
    control<QLineEdit>("salidaf")->setText(output);

    create();
    const AddressList expected =
        reference::seedRegularly(parseListBytes(list), email.toLocal8Bit(), interval.toInt());
    QCOMPARE(TestFolder::read(output), listFileBytes(expected));
    QCOMPARE(logLines(*m_form).last(),
             "your email was inserted " + QString::number(inserted) + " times");
    QCOMPARE(control<QLabel>("Label5")->text(),
             "New list was created with " + QString::number(expected.size()) + " lines");
}

void TestSeedWindow::derivedOutputName_data()
{
    QTest::addColumn<bool>("saved");
    QTest::addRow("never saved: current folder") << false;
    QTest::addRow("after a save: its folder") << true;
}

void TestSeedWindow::derivedOutputName()
{
    QFETCH(bool, saved);
    openList(tenLines);
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_folder->path("")));
    if (saved) {
        DialogScript dialogs;
        dialogs.choose(m_folder->path("r.txt"));
        QVERIFY(m_form->saveOutputListAs());
    }
    create();
    QDir::setCurrent(previous);

    const QString name = saved ? m_folder->path("r.txtclients.txt__including_my_email.txt")
                               : "output.txtclients.txt__including_my_email.txt";
    QCOMPARE(logLines(*m_form).at(logLines(*m_form).size() - 2),
             "list with your email:  was saved as: " + name);
    QCOMPARE(
        TestFolder::read(m_folder->path("output.txtclients.txt__including_my_email.txt")).isEmpty(),
        saved);
    QCOMPARE(TestFolder::read(m_folder->path("r.txtclients.txt__including_my_email.txt")).isEmpty(),
             !saved);
}

void TestSeedWindow::doneOnlyCloses()
{
    openList(tenLines);
    const QString output = m_folder->path("seeded.txt");
    control<QLineEdit>("salidaf")->setText(output);
    create();
    QVERIFY(QFile::remove(output));
    const QStringList log = logLines(*m_form);

    create();
    QVERIFY(!m_seed->isVisible());
    QVERIFY(!QFile::exists(output));
    QCOMPARE(logLines(*m_form), log);

    m_seed->show();
    QCOMPARE(control<TxpButton>("button2")->text(), "Create");
    create();
    QVERIFY(QFile::exists(output));
    openList(tenLines);
    QCOMPARE(control<TxpButton>("button2")->text(), "Create");
}

void TestSeedWindow::fewerThanThreeEntriesOffersAList_data()
{
    QTest::addColumn<QByteArray>("loaded");
    QTest::addColumn<bool>("choose");
    QTest::addColumn<QString>("lastLog");
    QTest::addRow("two entries, cancelled")
        << QByteArray("a@b\nc@d\n") << false << "nothing to seed: the list is empty";
    QTest::addRow("empty file, cancelled")
        << QByteArray() << false << "nothing to seed: the list is empty";
    QTest::addRow("two entries, ten chosen")
        << QByteArray("a@b\nc@d\n") << true << "your email was inserted 1 times";
}

void TestSeedWindow::fewerThanThreeEntriesOffersAList()
{
    QFETCH(QByteArray, loaded);
    QFETCH(bool, choose);
    QFETCH(QString, lastLog);
    openList(loaded);
    const QString output = m_folder->write("seeded.txt", "earlier run\r\n");
    control<QLineEdit>("salidaf")->setText(output);
    const QString ten = m_folder->write("ten.txt", tenLines);

    DialogScript dialogs;
    choose ? dialogs.choose(ten) : dialogs.cancel();
    const MessageBoxWatcher boxes;
    create();
    QCOMPARE(boxes.texts(), QStringList{"first open a list of emails"});
    QCOMPARE(dialogs.pending(), 0);
    QCOMPARE(logLines(*m_form).last(), lastLog);
    QCOMPARE(TestFolder::read(output) == "earlier run\r\n", !choose);
    QCOMPARE(control<TxpButton>("button2")->text(), choose ? "Done" : "Create");
}

void TestSeedWindow::badIntervalWritesNothing_data()
{
    QTest::addColumn<QString>("interval");
    QTest::addColumn<bool>("random");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("log");
    const QStringList started{"Seed your email "};
    QTest::addRow("letters") << "abc" << false << "'abc' is not a valid integer value." << started;
    QTest::addRow("empty") << "" << true << "'' is not a valid integer value." << started;
    QTest::addRow("blank inside") << "1 0" << false << "'1 0' is not a valid integer value."
                                  << started;
    QTest::addRow("beyond 32 bits")
        << "-2147483649" << false << "'-2147483649' is not a valid integer value." << started;
    QTest::addRow("zero, regular")
        << "0" << false << "Division by zero." << started + QStringList{"Random enabled every 0"};
    QTest::addRow("zero, random") << "-0" << true << "Division by zero."
                                  << started + QStringList{"Random enabled every 0"};
}

void TestSeedWindow::badIntervalWritesNothing()
{
    QFETCH(QString, interval);
    QFETCH(bool, random);
    QFETCH(QString, box);
    QFETCH(QStringList, log);
    openList(tenLines);
    m_form->OutputList = {"earlier", "result"};
    const QString output = m_folder->path("seeded.txt");
    control<QLineEdit>("salidaf")->setText(output);
    control<QLineEdit>("frecuencia")->setText(interval);
    control<TxpCheckBox>("ran")->setChecked(random);
    const qsizetype logged = logLines(*m_form).size();

    const MessageBoxWatcher boxes;
    create();
    QCOMPARE(boxes.texts(), QStringList{box});
    QCOMPARE(logLines(*m_form).mid(logged), log);
    QVERIFY(m_form->OutputList.isEmpty());
    QVERIFY(!QFile::exists(output));
    QCOMPARE(control<TxpButton>("button2")->text(), "Create");
}

void TestSeedWindow::unwritableOutputKeepsTheResult()
{
    openList(tenLines);
    const QString output = m_folder->path("missing/seeded.txt");
    control<QLineEdit>("salidaf")->setText(output);
    control<QLineEdit>("frecuencia")->setText("3");
    const qsizetype logged = logLines(*m_form).size();

    const MessageBoxWatcher boxes;
    create();
    QCOMPARE(boxes.texts(), QStringList{"Cannot create file " + output + "."});
    QCOMPARE(m_form->OutputList.size(), 14);
    QCOMPARE(control<TxpButton>("button2")->text(), "Done");
    QCOMPARE(control<QLabel>("Label5")->text(), "New list was created with 14 lines");
    QCOMPARE(logLines(*m_form).mid(logged),
             (QStringList{"Seed your email ", "Random enabled every 3"}));
}

QTEST_MAIN(TestSeedWindow)
#include "tst_seed_window.moc"
