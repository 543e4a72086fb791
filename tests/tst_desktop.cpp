#include "app/homepage.h"
#include "app/programwindows.h"
#include "controls/xpCheckBox.h"
#include "core/applog.h"
#include "core/listfile.h"
#include "support/dialogscript.h"
#include "support/logcapture.h"
#include "support/messageboxwatcher.h"
#include "support/testfiles.h"
#include "tools/domainlistmodel.h"

#include <QTest>
#include <QtWidgets>

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
    ProgramWindows w; // one run of the program for all cases, as a user would go through it
    TestFolder folder;

private slots:
    // Empty log lines keep their place; each menu command's handler shows its window.
    void mainWindow()
    {
        for (const char* text : {"", "", "x", "", "y"})
            AppendLog(text);
        QCOMPARE(logLines(w.form1), (QStringList{"", "", "x", "", "y"}));
        w.form1.InputList = {"a", "b"};
        for (void (TForm1::*handler)() :
             {&TForm1::Split1Click, &TForm1::Seedmyemail1Click, &TForm1::Separebydomains1Click,
              &TForm1::Deleteemptylines1Click, &TForm1::Orderbydomains1Click,
              &TForm1::Showstatisticsofdomains1Click, &TForm1::About1Click})
            (w.form1.*handler)();
        const QWidgetList windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.begin(), windows.end(), std::mem_fn(&QWidget::isVisible)),
                 7);
    }

    // "*.*" lists every file; a name typed in the real dialog.
    void fileDialogs()
    {
        for (const char* name : {"emails", "list.txt"})
            folder.write(name, "a\r\n");
        QFileDialog& open = w.form1.OpenDialog1.dialog();
        open.setDirectory(QFileInfo(folder.path("list.txt")).path());
        open.selectNameFilter("*.* (*)");
        open.show();
        QCOMPARE(rowTexts(*open.findChild<QComboBox*>("fileTypeCombo")->view()),
                 (QStringList{"txt", "*.csv", "*.*"}));
        // The dialog's own listing, whichever view (list or detail) it shows.
        const auto* files = open.findChild<QFileSystemModel*>();
        QTRY_COMPARE(files->rowCount(files->index(open.directory().path())), 2);
        const auto chosen = [](PersistentFileDialog& dialog, const QString& typed) {
            setFileDialogRunner([&typed](QFileDialog& shown) {
                shown.findChild<QLineEdit*>("fileNameEdit")->setText(typed);
                QMetaObject::invokeMethod(&shown, "accept");
                return std::optional(shown.selectedFiles().value(0));
            });
            dialog.execute();
            return QFileInfo(dialog.fileName()).fileName();
        };
        QCOMPARE(chosen(w.form1.OpenDialog1, "emails"), "emails");
        QCOMPARE(chosen(w.form1.OpenDialog1, "list"), "list.txt");
        setFileDialogRunner({});
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
        w.extract.xpButton2Click();
        const auto* listaa = w.extract.findChild<QAbstractItemView*>("listaa");
        const QStringList shown = rowTexts(*listaa);
        QCOMPARE(shown,
                 QString::fromUtf8(TestFolder::read(QString(list).replace(".txt", ".domains.txt")))
                     .split('\n', Qt::SkipEmptyParts));
        auto& domains = *static_cast<DomainListModel*>(listaa->model());
        QVERIFY(domains.setData(domains.index(5), shown[5], Qt::EditRole)); // closed unchanged
        QCOMPARE(domains.items()[5], "\xe9t\xe9.fr");

        w.clean.findChild<TxpCheckBox*>("c4")->setChecked(true);
        w.clean.findChild<QSpinBox*>("Spin1")->setValue(0);
        const qsizetype logged = logLines(w.form1).size() + 2;
        w.clean.workClick();
        QCOMPARE(logLines(w.form1).mid(logged),
                 QString::fromUtf8(TestFolder::read(QString(list).replace(".txt", ".shown.txt")))
                     .split('\n', Qt::SkipEmptyParts));

        w.form1.InputList = {"a@b.test", "c@d.test", "e@f.test"};
        w.seed.findChild<QLineEdit*>("email")->setText("josé@b.test");
        w.seed.findChild<QLineEdit*>("salidaf")->setText(folder.path("seeded.txt"));
        w.seed.button2Click();
        QVERIFY(TestFolder::read(folder.path("seeded.txt")).startsWith("jos\xc3\xa9@b.test\r\n"));
    }

    // With no browser to start, "Home" says so and names the manual. The offscreen platform
    // starts nothing, as a desktop without xdg-open and a browser.
    void noBrowser()
    {
        const MessageBoxWatcher boxes;
        w.form1.Home1Click();
        QCOMPARE(boxes.shown().size(), 1);
        QVERIFY(boxes.shown()[0].startsWith("Quillmere: No web browser could be started"));
        QVERIFY(boxes.texts()[0].contains(homePageUrl().toLocalFile() + "\n"));
    }

    // Every control without text of its own has a name, distinct within its window.
    void accessibleNames()
    {
        for (QWidget* window : QWidgetList{&w.form1, &w.seed, &w.split, &w.about, &w.clean, &w.sort,
                                           &w.extract, &w.chat}) {
            QStringList names;
            // Named as laid out: Qt's inner parts (unnamed, or "qt_") are the controls' own.
            for (QWidget* control :
                 window->findChildren<QWidget*>(QRegularExpression("^(?!qt_)."))) {
                const QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
                if (control->window() != window ||
                    QList{QAccessible::StaticText, QAccessible::Grouping, QAccessible::MenuBar}
                        .contains(face->role()))
                    continue;
                names.append(face->text(QAccessible::Name).trimmed());
                QVERIFY2(!names.last().isEmpty() && names.count(names.last()) == 1,
                         qPrintable(control->objectName()));
            }
        }
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
