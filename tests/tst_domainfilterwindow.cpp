#include "app/filtrar_mails.h"
#include "controls/xpButton.h"
#include "support/bytelists.h"
#include "support/dialogscript.h"
#include "support/findcontrol.h"
#include "support/logcapture.h"
#include "support/messageboxwatcher.h"
#include "support/testfiles.h"
#include "tools/domainlistmodel.h"
#include "tools/filter_domains.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

static AddressList lines(const QByteArray& text)
{
    return text.isEmpty() ? AddressList{} : listOf(text.split('\n'));
}

static const QByteArray sixLines =
    "a@b.example\r\nc@A.example\r\nd@b.example\r\ne@a.example\r\nf\r\n\r\n";

// Records the texts a label shows when it is painted.
class PaintedTexts : public QObject {
public:
    explicit PaintedTexts(QLabel& label)
        : m_label(label)
    {
        label.installEventFilter(this);
    }
    QStringList texts;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            texts.append(m_label.text());
        return false;
    }

private:
    QLabel& m_label;
};

class TestDomainFilterWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void laidOut_data();
    void laidOut();
    void loading_data();
    void loading();
    void cancelledLoadKeepsListed();
    void missingFileEndsLoad();
    void reloadAppendsNewDomains();
    void progressAndStatus_data();
    void progressAndStatus();
    void moving_data();
    void moving();
    void extractionAppends();
    void editing_data();
    void editing();
    void openEditKeptByMove();
    void saving_data();
    void saving();
    void escape_data();
    void escape();

private:
    template <typename T> T* control(const QString& name) const
    {
        return findControl<T>(*m_window, name);
    }
    AddressList items(const QString& view) const
    {
        return static_cast<DomainListModel*>(control<QTreeView>(view)->model())->items();
    }
    void load(const QByteArray& bytes)
    {
        DialogScript dialogs;
        dialogs.choose(m_folder->write("list.txt", bytes));
        control<TxpButton>("xpButton2")->click();
    }
    void pick(const QString& view, const QList<int>& rows)
    {
        QTreeView* list = control<QTreeView>(view);
        for (const int row : rows) {
            const QRect at = list->visualRect(list->model()->index(row, 0));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, at.center());
        }
    }
    QString label(const QString& name) const { return control<QLabel>(name)->text(); }

    std::unique_ptr<TForm1> m_form;
    std::unique_ptr<Textract> m_window;
    std::unique_ptr<TestFolder> m_folder;
};

void TestDomainFilterWindow::init()
{
    m_form = std::make_unique<TForm1>();
    m_window = std::make_unique<Textract>(*m_form);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_folder = std::make_unique<TestFolder>();
}

void TestDomainFilterWindow::cleanup()
{
    m_window.reset();
    m_form.reset();
    m_folder.reset();
}

void TestDomainFilterWindow::laidOut_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addRow("load") << "xpButton2"
                          << "Load file with email address";
    QTest::addRow("save domains") << "xpButton3"
                                  << "Save list of domains";
    QTest::addRow("extract") << "xpButton1"
                             << "Extrac emails of these domains";
    QTest::addRow("save output") << "xpButton5"
                                 << "Save output";
    QTest::addRow("domains") << "Label1"
                             << "Domains";
    QTest::addRow("selected") << "Label2"
                              << "Domains selected";
}

void TestDomainFilterWindow::laidOut()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QWidget* widget = control<QWidget>(name);
    QCOMPARE(widget->property("text").toString(), text);
    QCOMPARE(control<QTreeView>("listaa")->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(control<QTreeView>("listab")->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(control<QToolButton>("SpeedButton1")->focusPolicy(), Qt::NoFocus);
    QCOMPARE(control<QToolButton>("SpeedButton2")->focusPolicy(), Qt::NoFocus);
}

void TestDomainFilterWindow::loading_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("listed");
    QTest::addColumn<QString>("count");
    const QByteArray sorted = "A.example\na.example\nb.example\nf";
    QTest::addRow("CR LF") << sixLines << sorted << "6 address";
    QTest::addRow("LF only") << QByteArray(sixLines).replace("\r", "") << sorted << "6 address";
    QTest::addRow("CR only") << QByteArray(sixLines).replace("\n", "") << sorted << "6 address";
    QTest::addRow("mixed breaks") << QByteArray("a@b.example\rc@A.example\nd@b.example\r\n"
                                                "e@a.example\n\rf")
                                  << sorted << "6 address";
    QTest::addRow("bytes above 127") << QByteArray("\xe9@caf\xe9.test\r\nx@cafe.test")
                                     << QByteArray("cafe.test\ncaf\xe9.test") << "2 address";
    QTest::addRow("huge line") << QByteArray(300000, 'n') + " u@big.test" << QByteArray("big.test")
                               << "1 address";
    QTest::addRow("empty file") << QByteArray() << QByteArray() << "0 address";
    QTest::addRow("only a break") << QByteArray("\r\n") << QByteArray() << "1 address";
}

void TestDomainFilterWindow::loading()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, listed);
    QFETCH(QString, count);
    load(file);
    const QString path = m_folder->path("list.txt");
    QCOMPARE(items("listaa"), lines(listed));
    QCOMPARE(m_form->SecondList, lines(listed));
    QCOMPARE(label("Label1"), count);
    QCOMPARE(label("Label3"), QString::number(lines(listed).size()));
    QCOMPARE(label("Label5"), "0");
    QCOMPARE(logLines(*m_form).mid(2),
             (QStringList{"Opened: " + path, "Starting Domain filter..",
                          QString::number(lines(listed).size()) + " domains"}));
    const QTreeView* view = control<QTreeView>("listaa");
    for (int row = 0; row < view->model()->rowCount(); ++row)
        QCOMPARE(view->model()->index(row, 0).data().toString().toLatin1(), lines(listed)[row]);
}

void TestDomainFilterWindow::cancelledLoadKeepsListed()
{
    load(sixLines);
    DialogScript dialogs;
    dialogs.cancel();
    control<TxpButton>("xpButton2")->click();
    QCOMPARE(items("listaa").size(), 4);
    QVERIFY(m_form->SecondList.isEmpty());
    QCOMPARE(label("Label1"), "0 address");
    QCOMPARE(logLines(*m_form).mid(6),
             (QStringList{"0 email address", "Opened: " + m_folder->path("list.txt"),
                          "Starting Domain filter..", "4 domains"}));
}

void TestDomainFilterWindow::missingFileEndsLoad()
{
    const QString missing = m_folder->path("missing.txt");
    DialogScript dialogs;
    dialogs.choose(missing);
    MessageBoxWatcher boxes;
    control<TxpButton>("xpButton2")->click();
    QCOMPARE(boxes.texts(), QStringList{"Cannot open file " + missing + "."});
    QCOMPARE(label("Label1"), "Domains");
    QVERIFY(logLines(*m_form).isEmpty());
}

void TestDomainFilterWindow::reloadAppendsNewDomains()
{
    load(sixLines);
    pick("listaa", {2});
    control<QToolButton>("EasyScrollButton2")->click();
    load(sixLines + "g@A.EXAMPLE\r\n");
    QCOMPARE(items("listaa"), lines("A.example\na.example\nf\nA.EXAMPLE\nb.example"));
    QCOMPARE(items("listab"), lines("b.example"));
    QCOMPARE(label("Label3"), "5");
    QCOMPARE(label("Label5"), "1");
}

void TestDomainFilterWindow::progressAndStatus_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("shown");
    QList<int> even;
    for (int p = 2; p < 100; p += 2)
        even.append(p);
    QTest::addRow("50 lines") << 50 << even + QList<int>{0};
    QTest::addRow("3 lines") << 3 << QList<int>{66, 0};
    QTest::addRow("1 line") << 1 << QList<int>{};
}

void TestDomainFilterWindow::progressAndStatus()
{
    QFETCH(int, count);
    QFETCH(QList<int>, shown);
    QSignalSpy bar(control<QProgressBar>("ProgressBar1"), &QProgressBar::valueChanged);
    PaintedTexts status(*control<QLabel>("Label6"));
    load(QByteArray("a@b.test\n").repeated(count));
    QList<int> values;
    for (const QList<QVariant>& change : bar)
        values.append(change.at(0).toInt());
    QCOMPARE(values, shown);
    QCOMPARE(status.texts, QStringList{"Sorting.. please wait it could take severals minutes"});
    QCOMPARE(label("Label6"), "domains were ordered");
}

void TestDomainFilterWindow::moving_data()
{
    QTest::addColumn<QList<int>>("left");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QList<int>>("right");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QByteArray>("listaa");
    QTest::addColumn<QByteArray>("listab");
    QTest::addRow("selected right") << QList<int>{3, 1} << "EasyScrollButton2" << QList<int>{} << ""
                                    << QByteArray("1.t\n3.t") << QByteArray("2.t\n4.t");
    QTest::addRow("none selected") << QList<int>{} << "EasyScrollButton2" << QList<int>{} << ""
                                   << QByteArray("1.t\n2.t\n3.t\n4.t") << QByteArray();
    QTest::addRow("all right") << QList<int>{} << "SpeedButton1" << QList<int>{} << ""
                               << QByteArray() << QByteArray("1.t\n2.t\n3.t\n4.t");
    QTest::addRow("back to the end")
        << QList<int>{0, 2} << "EasyScrollButton2" << QList<int>{1} << "EasyScrollButton1"
        << QByteArray("2.t\n4.t\n3.t") << QByteArray("1.t");
    QTest::addRow("right one only")
        << QList<int>{0, 1} << "EasyScrollButton2" << QList<int>{0, 1} << "EasyScrollButton1"
        << QByteArray("3.t\n4.t\n2.t") << QByteArray("1.t");
    QTest::addRow("all back") << QList<int>{1} << "EasyScrollButton2" << QList<int>{}
                              << "SpeedButton2" << QByteArray("1.t\n3.t\n4.t\n2.t") << QByteArray();
}

void TestDomainFilterWindow::moving()
{
    QFETCH(QList<int>, left);
    QFETCH(QString, first);
    QFETCH(QList<int>, right);
    QFETCH(QString, second);
    QFETCH(QByteArray, listaa);
    QFETCH(QByteArray, listab);
    load("a@1.t\nb@2.t\nc@3.t\nd@4.t\n");
    pick("listaa", left);
    control<QToolButton>(first)->click();
    pick("listab", right);
    if (!second.isEmpty())
        control<QToolButton>(second)->click();
    QCOMPARE(items("listaa"), lines(listaa));
    QCOMPARE(items("listab"), lines(listab));
    QCOMPARE(label("Label3"), QString::number(lines(listaa).size()));
    QCOMPARE(label("Label5"), QString::number(lines(listab).size()));
}

void TestDomainFilterWindow::extractionAppends()
{
    m_form->OutputList = {"kept"};
    control<TxpButton>("xpButton1")->click();
    QCOMPARE(m_form->OutputList, AddressList{"kept"});
    load(sixLines + "Ann  g@b.example \r\n");
    pick("listaa", {2});
    control<QToolButton>("EasyScrollButton2")->click();
    control<TxpButton>("xpButton1")->click();
    control<TxpButton>("xpButton1")->click();
    const AddressList once = {"a@b.example", "d@b.example", "Ann  g@b.example "};
    AddressList expected{"kept"};
    expected.append(once);
    expected.append(once);
    QCOMPARE(m_form->OutputList, expected);
}

void TestDomainFilterWindow::editing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("stored");
    QTest::addRow("UTF-8") << QString::fromUtf8("caf\u00e9.test") << QByteArray("caf\xc3\xa9.test");
    QTest::addRow("blanks around") << "  cafe.test\t" << QByteArray("cafe.test");
    QTest::addRow("emptied") << "" << QByteArray("old.test");
    QTest::addRow("only blanks") << "   " << QByteArray("old.test");
}

void TestDomainFilterWindow::editing()
{
    QFETCH(QString, typed);
    QFETCH(QByteArray, stored);
    load("u@old.test\r\nv@caf\xc3\xa9.test\r\nw@cafe.test\r\n");
    QTreeView* listab = control<QTreeView>("listab");
    pick("listaa", {2});
    control<QToolButton>("EasyScrollButton2")->click();
    QSignalSpy closed(listab->itemDelegate(), &QAbstractItemDelegate::closeEditor);
    listab->edit(listab->model()->index(0, 0));
    auto* editor = listab->findChild<QLineEdit*>();
    QVERIFY(editor);
    editor->setText(typed);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(closed.count(), 1);
    QCOMPARE(items("listab"), AddressList{stored});
    control<TxpButton>("xpButton1")->click();
    QCOMPARE(m_form->OutputList.size(), 1);
    QVERIFY(m_form->OutputList[0].endsWith("@" + stored));
}

void TestDomainFilterWindow::openEditKeptByMove()
{
    load("u@old.test\r\n");
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTreeView* listaa = control<QTreeView>("listaa");
    listaa->edit(listaa->model()->index(0, 0));
    listaa->findChild<QLineEdit*>()->setText("new.test");
    control<QToolButton>("SpeedButton1")->click();
    QCOMPARE(items("listab"), AddressList{"new.test"});
}

void TestDomainFilterWindow::saving_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QList<int>>("chosen");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QByteArray>("written");
    const QByteArray old = "old\r\n";
    QTest::addRow("domains") << "xpButton3" << QList<int>{1, 0} << "out.txt"
                             << QByteArray("caf\xe9.test\r\nf\r\n");
    QTest::addRow("no domains") << "xpButton3" << QList<int>{} << "out.txt" << QByteArray();
    QTest::addRow("output") << "xpButton5" << QList<int>{0} << "out.txt"
                            << QByteArray("x\r\nv@caf\xe9.test\r\n");
    QTest::addRow("domains cancelled") << "xpButton3" << QList<int>{0} << "" << old;
    QTest::addRow("output cancelled") << "xpButton5" << QList<int>{0} << "" << old;
    QTest::addRow("domains unwritable") << "xpButton3" << QList<int>{0} << "no/such/out.txt" << old;
    QTest::addRow("output unwritable") << "xpButton5" << QList<int>{0} << "no/such/out.txt" << old;
}

void TestDomainFilterWindow::saving()
{
    QFETCH(QString, button);
    QFETCH(QList<int>, chosen);
    QFETCH(QString, target);
    QFETCH(QByteArray, written);
    load("v@caf\xe9.test\rf\r");
    pick("listaa", chosen);
    control<QToolButton>("EasyScrollButton2")->click();
    m_form->OutputList = {"x"};
    control<TxpButton>("xpButton1")->click();
    const QString existing = m_folder->write("out.txt", "old\r\n");
    const QString path = target.isEmpty() ? existing : m_folder->path(target);
    DialogScript dialogs;
    target.isEmpty() ? dialogs.cancel() : dialogs.choose(path);
    dialogs.cancel();
    MessageBoxWatcher boxes;
    control<TxpButton>(button)->click();
    control<TxpButton>(button)->click();
    const bool unwritable = target.contains('/');
    QCOMPARE(boxes.texts(),
             unwritable ? QStringList{"Cannot create file " + path + "."} : QStringList{});
    QCOMPARE(TestFolder::read(existing), unwritable ? QByteArray("old\r\n") : written);
    QVERIFY(!unwritable || !QFile::exists(path));
    QCOMPARE(dialogs.asked()[0].dialogName, "SaveDialog1");
    QCOMPARE(dialogs.asked()[0].defaultSuffix, "");
    QCOMPARE(dialogs.asked()[1].preselected.value(0).endsWith("/out.txt"), !target.isEmpty());
    QCOMPARE(m_form->SaveDialog1.fileName(), "output.txt");
}

void TestDomainFilterWindow::escape_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("hidden");
    QTest::addRow("window") << "" << int(Qt::Key_Escape) << true;
    QTest::addRow("load button") << "xpButton2" << int(Qt::Key_Escape) << true;
    QTest::addRow("other key on load button") << "xpButton2" << int(Qt::Key_A) << false;
    QTest::addRow("list view") << "listaa" << int(Qt::Key_Escape) << false;
    QTest::addRow("extract button") << "xpButton1" << int(Qt::Key_Escape) << false;
}

void TestDomainFilterWindow::escape()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(bool, hidden);
    QWidget* target = focus.isEmpty() ? m_window.get() : control<QWidget>(focus);
    if (focus.isEmpty() && m_window->focusWidget())
        m_window->focusWidget()->clearFocus();
    target->setFocus();
    QTest::keyRelease(target, Qt::Key(key));
    QCOMPARE(m_window->isHidden(), hidden);
}

QTEST_MAIN(TestDomainFilterWindow)
#include "tst_domainfilterwindow.moc"
