#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QProgressBar;
class TForm1;
class TxpButton;
class TxpCheckBox;
class WholeNumberSpinBox;

// The clean window: drops invalid lines, or lines repeating an earlier address, from the
// main window's loaded list into its output list, and offers the result for saving.
class Tremove : public QWidget {
    Q_OBJECT

public:
    explicit Tremove(TForm1& form1);

    void xpButton2Click();
    void workClick();
    void xpButton1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createTestsGroup();
    void createDuplicatesGroup();

    TForm1& m_form1;

    TxpButton* xpButton2;
    QLabel* Label3;
    QLabel* Label6;
    QGroupBox* GroupBox1;
    TxpCheckBox* C1;
    TxpCheckBox* C2;
    WholeNumberSpinBox* SpinEdit1;
    QLabel* Label2;
    TxpCheckBox* C3;
    TxpCheckBox* c4;
    WholeNumberSpinBox* Spin1;
    QLabel* Label4;
    TxpCheckBox* c5;
    TxpButton* work;
    QGroupBox* GroupBox2;
    QLabel* Label1;
    TxpCheckBox* dup;
    QLabel* Label5;
    TxpButton* xpButton1;
    QProgressBar* ProgressBar1;
};
