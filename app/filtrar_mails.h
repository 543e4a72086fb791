#pragma once

#include "app/filedialogs.h"
#include "core/addresslist.h"
#include "core/deferredlist.h"

#include <QMainWindow>

class QAction;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

// The windows that the main menu shows; created at start-up after the main window.
struct ToolWindows {
    QWidget* seed = nullptr;
    QWidget* split = nullptr;
    QWidget* about = nullptr;
    QWidget* clean = nullptr;
    QWidget* sort = nullptr;
    QWidget* filter = nullptr;
    QWidget* statistics = nullptr;
};

// The main window: the menu, the two-list operations panel, the log pane, and the three
// address lists and two file dialogs that every window of the program shares.
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    TForm1();
    ~TForm1() override;

    void setToolWindows(const ToolWindows& windows) { m_tools = windows; }

    AddressList InputList;
    DeferredList SecondList; // made on first reading after an address or domain sort
    AddressList OutputList;

    PersistentFileDialog OpenDialog1;
    PersistentFileDialog SaveDialog1;

    // Runs the save dialog; when confirmed writes OutputList there. True when written.
    bool saveOutputListAs();

    // Menu commands; the tool windows run "Open list of emails" exactly as the menu does.
    void Openlistofemails1Click();
    void SAve1Click();
    void Exit1Click();
    void Manual1Click();
    void Home1Click();
    void Split1Click() { showTool(m_tools.split); }
    void Seedmyemail1Click() { showTool(m_tools.seed); }
    void Separebydomains1Click() { showTool(m_tools.filter); }
    void Deleteemptylines1Click() { showTool(m_tools.clean); }
    void Orderbydomains1Click() { showTool(m_tools.sort); }
    void Showstatisticsofdomains1Click() { showTool(m_tools.statistics); }
    void About1Click() { showTool(m_tools.about); }

    // The operations panel.
    void Button1Click();
    void ButtoniiClick();
    void Button3Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenu();
    void createOperationsPanel();
    void addMenuCommand(QMenu* menu, const QString& name, const QString& caption,
                        void (TForm1::*handler)());
    // Shows a tool window non-modally and brings it to the front.
    static void showTool(QWidget* window);
    void setProgress(int percent);

    ToolWindows m_tools;

    QGroupBox* GroupBox1;
    QPushButton* Button1;
    QRadioButton* R1;
    QRadioButton* R2;
    QRadioButton* R3;
    QPushButton* Button2;
    QLabel* Label3;
    QPushButton* Button3;
    QLabel* Label1;
    QPlainTextEdit* Memo1;
    QProgressBar* ProgressBar1;
};
