#include "app/filtrar_mails.h"

#include "app/combination.h"
#include "app/commandguard.h"
#include "app/homepage.h"
#include "app/notices.h"
#include "app/windowsetup.h"
#include "core/applog.h"
#include "core/listfile.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// "*.*" means every file, names without a dot too; Qt's own "*.*" pattern would hide them.
const QStringList openFilters = {"txt (*.txt)", "*.csv (*.csv)", "*.* (*)"};
const QStringList saveFilters = {"*.txt (*.txt)", "*.csv (*.csv)", "*.* (*)"};

// Marks the first line of a pane whose only line is an empty one: Qt's append puts the
// next line into an empty document's first block, where it would take that line's place.
constexpr int emptyFirstLine = 1;

// The characters that would start a new line of the pane within one log line (a file name
// may hold a line break, a list line a line or paragraph separator) are shown as the return
// symbol, which the desktop's common fonts have, so that every line logged stays one line;
// the two noncharacters that Qt's text documents take as frame marks show as replaced.
QString asOneLine(QString text)
{
    for (QChar& c : text)
        switch (c.unicode()) {
        case u'\r':
        case u'\n':
        case u'\u2028':
        case u'\u2029':
            c = u'\u23ce';
            break;
        case u'\ufdd0':
        case u'\ufdd1':
            c = QChar::ReplacementCharacter;
            break;
        default:
            break;
        }
    return text;
}

void appendLine(QPlainTextEdit& pane, const QString& text)
{
    QTextDocument& document = *pane.document();
    const bool belowEmptyLine =
        document.isEmpty() && document.firstBlock().userState() == emptyFirstLine;
    pane.appendPlainText(asOneLine(text));
    if (belowEmptyLine)
        QTextCursor(&document).insertBlock();
    document.firstBlock().setUserState(document.isEmpty() ? emptyFirstLine : -1);
}

} // namespace

TForm1::TForm1()
    : OpenDialog1(this, "OpenDialog1", QFileDialog::AcceptOpen, openFilters, "txt")
    , SaveDialog1(this, "SaveDialog1", QFileDialog::AcceptSave, saveFilters, "txt", "output.txt")
{
    setObjectName("Form1");
    setWindowTitle("Quillmere 1.0");
    setFont(designFont());
    setOuterSize(*this, 547, 440);
    centreOnScreen(*this);

    // The filter lists show the descriptions alone, as laid out, not Qt's patterns.
    for (PersistentFileDialog* dialog : {&OpenDialog1, &SaveDialog1})
        dialog->dialog().setOption(QFileDialog::HideNameFilterDetails);

    createMenu();

    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    GroupBox1 = new QGroupBox("Operations", central);
    GroupBox1->setObjectName("GroupBox1");
    GroupBox1->setFixedHeight(97);
    column->addWidget(GroupBox1);
    createOperationsPanel();

    Memo1 = new QPlainTextEdit(central);
    Memo1->setObjectName("Memo1");
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setAccessibleName("Log");
    // The log is read, not typed: Tab moves on to the next control instead of into the text.
    Memo1->setTabChangesFocus(true);
    column->addWidget(Memo1, 1);

    ProgressBar1 = new QProgressBar(central);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setFixedHeight(16);
    ProgressBar1->setAccessibleName("Progress");
    column->addWidget(ProgressBar1);

    setLogSink([this](const QString& text) { appendLine(*Memo1, text); });
}

TForm1::~TForm1()
{
    setLogSink({});
}

void TForm1::createMenu()
{
    QMenuBar* MainMenu1 = menuBar();
    MainMenu1->setObjectName("MainMenu1");

    QMenu* file = MainMenu1->addMenu("File");
    file->setObjectName("File1");
    addMenuCommand(file, "Openlistofemails1", "Open list of emails",
                   &TForm1::Openlistofemails1Click);
    addMenuCommand(file, "SAve1", "Save output file", &TForm1::SAve1Click);
    addMenuCommand(file, "Exit1", "Exit", &TForm1::Exit1Click);

    QMenu* edit = MainMenu1->addMenu("Edit List");
    edit->setObjectName("EditList1");
    addMenuCommand(edit, "Split1", "Split", &TForm1::Split1Click);
    addMenuCommand(edit, "Seedmyemail1", "Seed with my email", &TForm1::Seedmyemail1Click);
    addMenuCommand(edit, "Separebydomains1", "Filter by domains", &TForm1::Separebydomains1Click);
    addMenuCommand(edit, "Deleteemptylines1", "Clean emails/duplicated",
                   &TForm1::Deleteemptylines1Click);
    addMenuCommand(edit, "Orderbydomains1", "Sort list", &TForm1::Orderbydomains1Click);

    QMenu* window = MainMenu1->addMenu("Window");
    window->setObjectName("Window1");
    addMenuCommand(window, "Showstatisticsofdomains1", "Show statistics of domains",
                   &TForm1::Showstatisticsofdomains1Click);

    QMenu* help = MainMenu1->addMenu("Help");
    help->setObjectName("Help1");
    addMenuCommand(help, "Manual1", "Manual", &TForm1::Manual1Click);
    addMenuCommand(help, "About1", "About", &TForm1::About1Click);
    addMenuCommand(help, "Home1", "Home", &TForm1::Home1Click);
}

void TForm1::addMenuCommand(QMenu* menu, const QString& name, const QString& caption,
                            void (TForm1::*handler)())
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, guarded(this, handler));
}

void TForm1::showTool(QWidget* window)
{
    if (window) {
        window->show();
        window->raise();
        window->activateWindow();
    }
}

void TForm1::createOperationsPanel()
{
    Button1 = place(new QPushButton("Open file 1", GroupBox1), "Button1", {8, 32, 97, 33});

    R1 = place(new QRadioButton("+", GroupBox1), "R1", {116, 12, 113, 25});
    R1->setFont(designFont(14));
    R1->setChecked(true);
    R2 = place(new QRadioButton("-", GroupBox1), "R2", {116, 38, 113, 29});
    R2->setFont(designFont(18, true));
    R3 = place(new QRadioButton("Intersection", GroupBox1), "R3", {116, 70, 113, 21});

    Button2 = place(new QPushButton("Open File 2", GroupBox1), "Button2", {236, 32, 97, 33});
    Button2->setEnabled(false);

    Label3 = place(new QLabel("=", GroupBox1), "Label3", {344, 30, 20, 33});
    Label3->setFont(designFont(18));

    Button3 =
        place(new QPushButton("Process and save output", GroupBox1), "Button3", {372, 24, 157, 41});
    Button3->setEnabled(false);

    Label1 = place(new QLabel("Duplicated address are discarted", GroupBox1), "Label1",
                   {300, 70, 229, 16});
    // Under Button3, ending with it, whatever width the fallback font gives the text.
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    connect(Button1, &QPushButton::clicked, this, guarded(this, &TForm1::Button1Click));
    connect(Button2, &QPushButton::clicked, this, guarded(this, &TForm1::ButtoniiClick));
    connect(Button3, &QPushButton::clicked, this, guarded(this, &TForm1::Button3Click));
}

void TForm1::Openlistofemails1Click()
{
    InputList.clear();
    if (OpenDialog1.execute())
        InputList = readListFile(OpenDialog1.fileName(), {&OutputList});
    AppendLog("opened: " + OpenDialog1.fileName());
    AppendLog(QString::number(InputList.size()) + " email address");
}

bool TForm1::saveOutputListAs()
{
    if (!SaveDialog1.execute())
        return false;
    writeListFile(SaveDialog1.fileName(), OutputList);
    return true;
}

void TForm1::SAve1Click()
{
    // Only an empty list is refused: a one-line result is worth saving too.
    if (OutputList.isEmpty()) {
        showNotice("nothing to save");
        return;
    }
    saveOutputListAs();
    AppendLog("saved " + QString::number(OutputList.size()) + " email address");
}

void TForm1::Exit1Click()
{
    QApplication::quit();
}

void TForm1::Manual1Click()
{
    const QString helpFile = QApplication::applicationDirPath() + "/help.htm";
    if (QFileInfo::exists(helpFile))
        openInBrowser(QUrl::fromLocalFile(helpFile));
    else
        showErrorBox("Error", "The Help file: \"help.htm\" was not found.");
}

void TForm1::Home1Click()
{
    openInBrowser(homePageUrl());
}

void TForm1::Button1Click()
{
    InputList.clear();
    if (OpenDialog1.execute()) {
        InputList = readListFile(OpenDialog1.fileName(), {&OutputList});
        Button2->setEnabled(true);
    }
    AppendLog("opened: " + OpenDialog1.fileName());
    AppendLog(QString::number(InputList.size()) + " email address");
    AppendLog("Open another file and select operation");
    AppendLog(" ");
}

void TForm1::ButtoniiClick()
{
    SecondList.clear();
    if (OpenDialog1.execute()) {
        SecondList = readListFile(OpenDialog1.fileName(), {&InputList, &OutputList});
        Button3->setEnabled(true);
    }
    AppendLog("opened: " + OpenDialog1.fileName());
    AppendLog(QString::number(SecondList.size()) + " email address");
}

void TForm1::Button3Click()
{
    OutputList.clear();
    const Combination operation = R1->isChecked()   ? Combination::Union
                                  : R2->isChecked() ? Combination::Difference
                                                    : Combination::Intersection;
    OutputList = combineLists(operation, InputList, SecondList,
                              [this](int percent) { setProgress(percent); });
    saveOutputListAs();
    AppendLog("saved: " + SaveDialog1.fileName());
    AppendLog(QString::number(OutputList.size()) + " emails");
}

void TForm1::setProgress(int percent)
{
    ProgressBar1->setValue(percent);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // The close box ends the program, like "Exit", even while tool windows are open.
    event->accept();
    QApplication::quit();
}
