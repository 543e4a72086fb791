#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class TForm1;
class TxpButton;

// Writes the opened list into numbered files of a fixed number of lines.
class Tsplit : public QWidget {
    Q_OBJECT

public:
    explicit Tsplit(TForm1& form1);

    void FormShow();
    void xpButton2Click();
    void Edit1Change();
    void workClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showListDetails();
    void showFileCount(qint32 perFile);

    TForm1& m_form1;
    // The number of files the next split writes, as the label shows it.
    qsizetype FileCount = 0;

    TxpButton* xpButton2;
    QLabel* Label6;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label1;
    QLineEdit* Edit1;
    QLabel* Label5;
    QLabel* Label4;
    QLineEdit* Edit2;
    TxpButton* work;
};
