// One session on the ten-million-line list of largelist.h (about 290 MB), through the real
// windows with their real controls (the file dialogs answered without a modal loop): open the
// list, sort it by domain and save, load the domain filter, extract 20 domains and save, show
// the chart, split into 100 files, seed an address every 100 lines. Each command is timed
// beside the nearest command-line tool on the same file in the same run and the ratio printed;
// the program's peak memory (VmHWM) is given after each command, and so is how often each
// progress bar the command moves was painted while it ran.
#include "app/filedialogs.h"
#include "app/programwindows.h"
#include "largelist.h"
#include "processstatus.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTreeView>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <queue>
#include <string>
#include <thread>

namespace {

constexpr qsizetype lineCount = 10'000'000;
constexpr int chosenDomains = 20;
constexpr const char* makeListOption = "--make-list";

int makeList(const char* fileName)
{
    QFile file(QString::fromLocal8Bit(fileName));
    const QByteArray bytes = largelist::listBytes(lineCount, 1);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? 0 : 1;
}

double mib(qint64 kib)
{
    return double(kib) / 1024;
}

// Counts the paints of a progress bar while a command runs: a bar that only moves once the
// command is over was not painted in between.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QProgressBar* bar)
    {
        if (bar != nullptr)
            bar->installEventFilter(this);
    }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

class Session {
public:
    Session()
    {
        // Made by a process of its own, so that making it leaves nothing in this one's memory.
        const QString self = QFile::symLinkTarget("/proc/self/exe");
        if (std::system((quoted(self) + " " + makeListOption + " " + quoted(m_list))
                            .toLocal8Bit()
                            .constData()) != 0)
            std::abort();
        m_fileMiB = double(QFile(m_list).size()) / (1 << 20);
        setFileDialogRunner([this](QFileDialog&) -> std::optional<QString> {
            if (m_answers.empty())
                std::abort();
            const QString answer = m_answers.front();
            m_answers.pop();
            return answer;
        });
    }
    ~Session() { setFileDialogRunner({}); }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    void run()
    {
        ProgramWindows windows;
        windows.form1.show();
        settle();
        const qint64 startKiB = statusKiB("VmRSS:");
        std::printf("Session on %lld lines, %.0f MiB; %u cores; the program at %.0f MiB before "
                    "opening the list.\n\n",
                    qlonglong(lineCount), m_fileMiB, std::thread::hardware_concurrency(),
                    mib(startKiB));
        std::printf("%-34s %9s  %-44s %9s %7s %9s %7s\n", "command", "seconds", "nearest tool",
                    "seconds", "ratio", "peak MiB", "x file");

        step("Open list of emails", "wc -l " + quoted(m_list) + " > /dev/null", {}, [&] {
            m_answers.push(m_list);
            windows.form1.Openlistofemails1Click();
        });

        showOnly(windows.sort);
        button(windows.sort, "c3")->click();
        step("Sort: Process Selection (domain)",
             "sort -f -t@ -k2 " + quoted(m_list) + " > " + quoted(path("sort.txt")), {},
             [&] { button(windows.sort, "xpButton2")->click(); });
        step("Sort: save output", "cat " + quoted(m_list) + " > " + quoted(path("cat.txt")), {},
             [&] {
                 m_answers.push(path("sorted.txt"));
                 button(windows.sort, "xpButton3")->click();
             });

        showOnly(windows.extract);
        QProgressBar* const filterBar = windows.extract.findChild<QProgressBar*>("ProgressBar1");
        step("Domain filter: Load", "cut -d@ -f2 " + quoted(m_list) + " | sort -fu > /dev/null",
             filterBar, [&] {
                 m_answers.push(m_list);
                 button(windows.extract, "xpButton2")->click();
             });
        chooseDomains(windows.extract);
        step("Domain filter: extract and save",
             "grep -i -F -f " + quoted(path("chosen.txt")) + " " + quoted(m_list) + " > " +
                 quoted(path("grep.txt")),
             {}, [&] {
                 button(windows.extract, "xpButton1")->click();
                 m_answers.push(path("extracted.txt"));
                 button(windows.extract, "xpButton5")->click();
             });

        showOnly(windows.chat);
        step("Statistics: Show chart, painted",
             "cut -d@ -f2 " + quoted(m_list) + " | sort | uniq -c | sort -rn > /dev/null", {}, [&] {
                 button(windows.chat, "muestra")->click();
                 windows.chat.repaint();
             });

        showOnly(windows.split);
        windows.split.findChild<QLineEdit*>("Edit1")->setText("100000");
        windows.split.findChild<QLineEdit*>("Edit2")->setText(path("part.txt"));
        step("Split into 100 files",
             "split -l 100000 " + quoted(m_list) + " " + quoted(path("coreutils_part_")), {},
             [&] { button(windows.split, "work")->click(); });

        showOnly(windows.seed);
        windows.seed.findChild<QLineEdit*>("email")->setText("me@example.org");
        windows.seed.findChild<QLineEdit*>("frecuencia")->setText("100");
        step("Seed every 100 lines, saved",
             "sed '0~100a me@example.org' " + quoted(m_list) + " > " + quoted(path("sed.txt")), {},
             [&] { button(windows.seed, "button2")->click(); });

        const double peak = mib(statusKiB("VmHWM:"));
        std::printf("\nProgram peak %.0f MiB = %.2fx the file (target <= 3); %.0f MiB = %.2fx "
                    "above what it held before opening the list.\n",
                    peak, peak / m_fileMiB, peak - mib(startKiB),
                    (peak - mib(startKiB)) / m_fileMiB);
    }

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    static QString quoted(const QString& path) { return "'" + path + "'"; }

    static QAbstractButton* button(QWidget& window, const char* name)
    {
        auto* const found = window.findChild<QAbstractButton*>(name);
        if (found == nullptr)
            std::abort();
        return found;
    }

    // The session's windows one at a time, as shown by the menu, with their first paint done.
    void showOnly(QWidget& window)
    {
        if (m_shown != nullptr)
            m_shown->hide();
        window.show();
        m_shown = &window;
        settle();
    }
    static void settle()
    {
        QApplication::processEvents();
        QApplication::sendPostedEvents();
    }

    // Moves the first domains listed into the chosen list.
    void chooseDomains(QWidget& filter)
    {
        auto* const listed = filter.findChild<QTreeView*>("listaa");
        QFile chosen(path("chosen.txt"));
        if (!chosen.open(QIODevice::WriteOnly))
            std::abort();
        for (int row = 0; row < chosenDomains; ++row) {
            const QModelIndex index = listed->model()->index(row * 97, 0);
            listed->selectionModel()->select(index, QItemSelectionModel::Select);
            chosen.write("@" + index.data().toString().toLocal8Bit() + "\n");
        }
        button(filter, "EasyScrollButton2")->click();
    }

    void step(const char* name, const QString& tool, QProgressBar* bar,
              const std::function<void()>& command)
    {
        const PaintCounter counter(bar);
        QElapsedTimer ours;
        ours.start();
        command();
        const double ourSeconds = double(ours.nsecsElapsed()) / 1e9;
        settle();
        const double peak = mib(statusKiB("VmHWM:"));

        QElapsedTimer theirs;
        theirs.start();
        if (std::system(("LC_ALL=C " + tool).toLocal8Bit().constData()) != 0)
            std::abort();
        const double toolSeconds = double(theirs.nsecsElapsed()) / 1e9;

        QString shown = tool;
        shown.replace(m_dir.path() + "/", "");
        std::printf("%-34s %9.2f  %-44s %9.2f %7.2f %9.0f %7.2f\n", name, ourSeconds,
                    shown.left(44).toLocal8Bit().constData(), toolSeconds, ourSeconds / toolSeconds,
                    peak, peak / m_fileMiB);
        if (bar != nullptr)
            std::printf("%-34s progress bar painted %d times while it ran\n", "", counter.paints);
        std::fflush(stdout);
    }

    QTemporaryDir m_dir;
    QString m_list = m_dir.filePath("list.txt");
    double m_fileMiB = 0;
    std::queue<QString> m_answers;
    QWidget* m_shown = nullptr;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == makeListOption)
        return makeList(argv[2]);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Session session;
    session.run();
    return 0;
}
