#pragma once

#include "app/filedialogs.h"

#include <QWidget>

class DomainListModel;
class QLabel;
class QProgressBar;
class QToolButton;
class QTreeView;
class TForm1;
class TxpButton;

// The domain filter window: lists the distinct domains of the loaded list, lets the user
// choose some, and appends the lines of the chosen domains to the output list.
class Textract : public QWidget {
    Q_OBJECT

public:
    explicit Textract(TForm1& form1);

    void xpButton2Click();
    void EasyScrollButton2Click();
    void SpeedButton1Click();
    void EasyScrollButton1Click();
    void SpeedButton2Click();
    void xpButton1Click();
    void xpButton5Click();
    void xpButton3Click();

protected:
    void keyReleaseEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormKeyUp(const QKeyEvent& event);
    void xpButton2KeyUp(const QKeyEvent& event);
    void moveRows(QTreeView& from, QTreeView& to, const QList<qsizetype>& rows);
    void showCounts();

    TForm1& m_form1;

    TxpButton* xpButton2;
    QLabel* Label1;
    QLabel* Label2;
    QTreeView* listaa;
    QToolButton* EasyScrollButton2;
    QToolButton* SpeedButton1;
    QToolButton* EasyScrollButton1;
    QToolButton* SpeedButton2;
    QTreeView* listab;
    QLabel* Label3;
    QLabel* Label5;
    TxpButton* xpButton3;
    QLabel* Label6;
    TxpButton* xpButton1;
    TxpButton* xpButton5;
    QProgressBar* ProgressBar1;
    PersistentFileDialog SaveDialog1;
};
