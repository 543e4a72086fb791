#pragma once

#include "tools/sorting.h"

#include <QWidget>

class QGroupBox;
class TForm1;
class TxpButton;
class TxpCheckBox;

// The sort window: orders the loaded list by whole line, by address or by domain into the
// main window's output list, and saves it.
class Tsort : public QWidget {
    Q_OBJECT

public:
    explicit Tsort(TForm1& form1);

    void xpButton1Click();
    void c1Click();
    void c2Click();
    void c3Click();
    void xpButton2Click();
    void xpButton3Click();
    void FormKeyUp(QKeyEvent* event);

protected:
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void keepOnlyChecked(TxpCheckBox* clicked);
    void sortByKey(SortKey key);

    TForm1& m_form1;

    QGroupBox* GroupBox3;
    TxpButton* xpButton1;
    QGroupBox* GroupBox1;
    TxpCheckBox* c2;
    TxpCheckBox* c1;
    TxpCheckBox* c3;
    TxpButton* xpButton2;
    TxpButton* xpButton3;
};
