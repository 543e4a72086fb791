// The program on a desktop, by subject, each case a row of a table on a fresh start of the
// program: the log pane, the open dialog, saves, the locale's encoding, assistive tools,
// focus after a dialog, a desktop without a browser and ending the program.
#include "app/homepage.h"
#include "app/programwindows.h"
#include "controls/xpCheckBox.h"
#include "core/applog.h"
#include "core/listfile.h"
#include "support/dialogscript.h"
#include "support/findcontrol.h"
#include "support/logcapture.h"
#include "support/messageboxwatcher.h"
#include "support/qtwarnings.h"
#include "support/testfiles.h"
#include "tools/domainlistmodel.h"

#include <QTest>

#include <QtWidgets>

#include <array>
#include <csignal>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

static QStringList rowTexts(const QAbstractItemView& view)
{
    QStringList texts;
    for (int row = 0; row < view.model()->rowCount(view.rootIndex()); ++row)
        texts.append(view.model()->index(row, 0, view.rootIndex()).data().toString());
    return texts;
}

// Runs `save` in a child process and answers whether it saved without an error.
template <typename Save> static bool savedInChild(const Save& save)
{
    const pid_t child = fork();
    if (child == 0) {
        try {
            save();
        } catch (...) {
            _exit(1);
        }
        _exit(0);
    }
    int status = -1;
    waitpid(child, &status, 0);
    return status == 0;
}

class TestDesktop : public QObject {
    Q_OBJECT
    std::optional<ProgramWindows> w;
    std::optional<TestFolder> folder;

private slots:
    void init()
    {
        failOnQtWarnings();
        folder.emplace(), w.emplace(), w->form1.show();
    }
    void cleanup() { w.reset(), folder.reset(); }

    // Every line logged is one line of the pane, whatever characters it holds.
    void logPane_data()
    {
        QTest::addColumn<QStringList>("logged");
        QTest::addColumn<QStringList>("shown");
        const QStringList empty{"", "", "x", "", "y"};
        QTest::newRow("empty lines keep their place") << empty << empty;
        QTest::newRow("line breaks of a file name")
            << QStringList{"opened: a\nb\r.txt", "x"} << QStringList{"opened: a⏎b⏎.txt", "x"};
        QTest::newRow("line and paragraph separators")
            << QStringList{"a\u2028b", "c\u2029d"} << QStringList{"a⏎b", "c⏎d"};
        QTest::newRow("frame marks") << QStringList{"a\ufdd0b\ufdd1"} << QStringList{"a�b�"};
    }
    void logPane()
    {
        QFETCH(QStringList, logged);
        for (const QString& line : logged)
            AppendLog(line);
        QTEST(logLines(w->form1), "shown");
    }

    // The real open dialog as the user types into it: "*.*" lists every file, and a typed
    // name is taken as it stands when that file exists, else with the extension "txt".
    void openDialog_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("listed");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("opened");
        const QStringList both{"emails", "emails.txt"};
        QTest::newRow("as typed") << QStringList{"emails", "list.txt"} << "*.* (*)" << 2 << "emails"
                                  << "emails";
        QTest::newRow("as typed beside .txt") << both << "txt (*.txt)" << 1 << "emails"
                                              << "emails";
        QTest::newRow("as typed, every file") << both << "*.* (*)" << 2 << "emails"
                                              << "emails";
        QTest::newRow("with .txt") << QStringList{"emails", "list.txt"} << "*.* (*)" << 2 << "list"
                                   << "list.txt";
        QTest::newRow("missing") << QStringList{"emails"} << "txt (*.txt)" << 0 << "new"
                                 << "new.txt";
    }
    void openDialog()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, filter);
        for (const QString& name : files)
            folder->write(name, "a\r\n");
        QFileDialog& open = w->form1.OpenDialog1.dialog();
        open.setDirectory(folder->path({}));
        open.selectNameFilter(filter);
        open.show();
        // The dialog's own listing, whichever view (list or detail) it shows.
        const auto* listing = open.findChild<QAbstractItemView*>("listView");
        QFETCH(int, listed);
        QTRY_COMPARE(listing->model()->rowCount(listing->rootIndex()), listed);
        QFETCH(QString, typed);
        auto* nameField = open.findChild<QLineEdit*>("fileNameEdit");
        nameField->setFocus();
        QTest::keyClicks(nameField, typed);
        setFileDialogRunner([](QFileDialog& shown) {
            QMetaObject::invokeMethod(&shown, "accept");
            return std::optional(shown.selectedFiles().value(0));
        });
        QVERIFY(w->form1.OpenDialog1.execute());
        setFileDialogRunner({});
        QTEST(QFileInfo(w->form1.OpenDialog1.fileName()).fileName(), "opened");
    }

    // A save replaces the old file only when complete, keeping its permissions; in a folder
    // an unprivileged user may not write (root's groups may stay: no group may write it), a
    // file the user may write is written in place.
    void saves()
    {
        const TestFolder saving;
        const QString target = saving.write("old.txt", "old\r\n"), dir = QFileInfo(target).path();
        QFile::setPermissions(target, QFileDevice::Permissions(0x6604));
        QVERIFY(!savedInChild([&] {
            const rlimit fileSize{4, 4};
            ::signal(SIGXFSZ, SIG_IGN);
            setrlimit(RLIMIT_FSIZE, &fileSize);
            writeListFile(target, {"longer than four bytes"});
        }));
        QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden), QStringList{"old.txt"});
        QCOMPARE(TestFolder::read(target), "old\r\n");

        QFile::setPermissions(target, QFileDevice::Permissions(0x6666));
        QFile::setPermissions(dir, QFileDevice::Permissions(0x5555));
        const bool saved = savedInChild([&] {
            if (geteuid() != 0 || (setgid(65534) == 0 && setuid(65534) == 0))
                writeListFile(target, {"new"});
        });
        QFile::setPermissions(dir, QFileDevice::Permissions(0x7700));
        QVERIFY(saved);
        QCOMPARE(TestFolder::read(target), "new\r\n");
        writeListFile(target, {"newer"});
        QCOMPARE(QFile::permissions(target), QFileDevice::Permissions(0x6666));
    }

    // UTF-8, Latin-1 and mixed lines in the domain list and the log pane; typed text.
    void listTextAsTheLocaleShowsIt()
    {
        const QString list = QUILLMERE_TEST_DATA "/encodings/list.txt";
        DialogScript dialogs;
        dialogs.choose(list).cancel();
        w->extract.xpButton2Click();
        const auto* listaa = w->extract.findChild<QAbstractItemView*>("listaa");
        const QStringList shown = rowTexts(*listaa);
        QCOMPARE(shown,
                 QString::fromUtf8(TestFolder::read(QString(list).replace(".txt", ".domains.txt")))
                     .split('\n', Qt::SkipEmptyParts));
        auto& domains = *static_cast<DomainListModel*>(listaa->model());
        QVERIFY(domains.setData(domains.index(5), shown[5], Qt::EditRole)); // closed unchanged
        QCOMPARE(domains.items()[5], "\xe9t\xe9.fr");

        w->clean.findChild<TxpCheckBox*>("c4")->setChecked(true);
        w->clean.findChild<QSpinBox*>("Spin1")->setValue(0);
        const qsizetype logged = logLines(w->form1).size() + 2;
        w->clean.workClick();
        QCOMPARE(logLines(w->form1).mid(logged),
                 QString::fromUtf8(TestFolder::read(QString(list).replace(".txt", ".shown.txt")))
                     .split('\n', Qt::SkipEmptyParts));

        w->form1.InputList = {"a@b.test", "c@d.test", "e@f.test"};
        w->seed.findChild<QLineEdit*>("email")->setText("josé@b.test");
        w->seed.findChild<QLineEdit*>("salidaf")->setText(folder->path("seeded.txt"));
        w->seed.button2Click();
        QVERIFY(TestFolder::read(folder->path("seeded.txt")).startsWith("jos\xc3\xa9@b.test\r\n"));
    }

    // With no browser to start, "Home" says so and names the manual. The offscreen platform
    // starts nothing, as a desktop without xdg-open and a browser.
    void noBrowser()
    {
        const MessageBoxWatcher boxes;
        w->form1.Home1Click();
        QCOMPARE(boxes.shown().size(), 1);
        QVERIFY(boxes.shown()[0].startsWith("Quillmere: No web browser could be started"));
        QVERIFY(boxes.texts()[0].contains(homePageUrl().toLocalFile() + "\n"));
    }

    // Every control without text of its own has a name, distinct within its window.
    void accessibleNames_data()
    {
        QTest::addColumn<QString>("window");
        for (const char* window :
             {"TForm1", "Tseed", "Tsplit", "Taboutsoft", "Tremove", "Tsort", "Textract", "Tchat"})
            QTest::newRow(window) << window;
    }
    void accessibleNames()
    {
        QFETCH(QString, window);
        QWidget* shown = windowOfClass(window);
        QStringList names;
        // Named as laid out: Qt's inner parts (unnamed, or "qt_") are the controls' own.
        for (QWidget* control : shown->findChildren<QWidget*>(QRegularExpression("^(?!qt_)."))) {
            const QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
            if (control->window() != shown ||
                QList{QAccessible::StaticText, QAccessible::Grouping, QAccessible::MenuBar}
                    .contains(face->role()))
                continue;
            names.append(face->text(QAccessible::Name).trimmed());
            QVERIFY2(!names.last().isEmpty() && names.count(names.last()) == 1,
                     qPrintable(control->objectName()));
        }
    }

    // A file dialog stands over the window whose button asked for it, so that a window
    // manager gives that window the focus back; afterwards the dialog is the main window's
    // again, with its current file name. Three lines are loaded.
    void focusAfterDialogs_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        const std::array<std::array<const char*, 3>, 8> rows{
            {{"clean, open", "Tremove", "xpButton2"},
             {"clean, save", "Tremove", "xpButton1"},
             {"seed", "Tseed", "xpButton2"},
             {"split", "Tsplit", "xpButton2"},
             {"sort", "Tsort", "xpButton1"},
             {"domain filter", "Textract", "xpButton2"},
             {"statistics", "Tchat", "Button1"},
             {"main window", "TForm1", "Button1"}}};
        for (const auto& [row, window, button] : rows)
            QTest::newRow(row) << QString(window) << QString(button);
    }
    void focusAfterDialogs()
    {
        QFETCH(QString, window);
        QFETCH(QString, button);
        w->form1.InputList = {"a@b.test", "c@d.test", "e@f.test"};
        QWidget* asking = windowOfClass(window);
        asking->show();
        QStringList over;
        setFileDialogRunner([&](QFileDialog& shown) {
            over.append(shown.parentWidget()->metaObject()->className());
            return std::optional<QString>();
        });
        findControl<QAbstractButton>(*asking, button)->click();
        setFileDialogRunner({});
        QCOMPARE(over, QStringList{window});
        for (PersistentFileDialog* dialog : {&w->form1.OpenDialog1, &w->form1.SaveDialog1})
            QCOMPARE(dialog->dialog().parentWidget(), &w->form1);
        QCOMPARE(w->form1.SaveDialog1.fileName(), "output.txt");
    }

    // "Exit" and the main window's close box end the program, tool windows open or not.
    void endingTheProgram_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Exit") << false;
        QTest::newRow("close box") << true;
    }
    void endingTheProgram()
    {
        QFETCH(bool, closeBox);
        w->clean.show();
        w->chat.show();
        QTimer::singleShot(0, [&] { closeBox ? void(w->form1.close()) : w->form1.Exit1Click(); });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
