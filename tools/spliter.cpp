#include "tools/spliter.h"

#include "app/busycursor.h"
#include "app/commandguard.h"
#include "app/filtrar_mails.h"
#include "app/notices.h"
#include "app/windowsetup.h"
#include "controls/xpButton.h"
#include "core/applog.h"
#include "core/wholenumber.h"
#include "tools/splitting.h"

#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>

Tsplit::Tsplit(TForm1& form1)
    : m_form1(form1)
{
    setObjectName("split");
    setWindowTitle("Split a email list");
    setFont(designFont());
    setOuterSize(*this, 557, 205);
    centreOnScreen(*this);

    xpButton2 = place<TxpButton>(this, "xpButton2", "Open file", {8, 8, 97, 25});
    xpButton2->setFont(designFont());
    Label6 = place<QLabel>(this, "Label6", "", {8, 40, 533, 13});
    Label2 = place<QLabel>(this, "Label2", "Current number of emails:", {8, 64, 177, 13});
    Label3 = place<QLabel>(this, "Label3", "", {188, 64, 121, 13});
    Label1 = place<QLabel>(this, "Label1", "Address per file:", {8, 92, 129, 13});
    Edit1 = place<QLineEdit>(this, "Edit1", "", {140, 88, 73, 21});
    Label5 = place<QLabel>(this, "Label5", QString(10, ' '), {220, 92, 201, 13});
    Label4 = place<QLabel>(this, "Label4", "Prefix of output file(s):", {8, 128, 129, 13});
    Edit2 = place<QLineEdit>(this, "Edit2", "list_splited.txt", {140, 124, 281, 21});
    work = place<TxpButton>(this, "work", "Split", {432, 120, 97, 29});
    work->setFont(designFont());
    // Names for assistive tools, taken from the labels beside the fields.
    Edit1->setAccessibleName("Addresses per file");
    Edit2->setAccessibleName("Prefix of output files");

    connect(xpButton2, &TxpButton::clicked, this, guarded(this, &Tsplit::xpButton2Click));
    connect(Edit1, &QLineEdit::textChanged, this, guarded(this, &Tsplit::Edit1Change));
    connect(work, &TxpButton::clicked, this, guarded(this, &Tsplit::workClick));
}

void Tsplit::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Restoring a minimised window is no new showing.
    if (!event->spontaneous())
        runCommand([this] { FormShow(); });
}

void Tsplit::FormShow()
{
    if (m_form1.InputList.size() < 2) {
        showNotice("We will open a list with emails");
        m_form1.Openlistofemails1Click();
    }
    showListDetails();
}

void Tsplit::xpButton2Click()
{
    if (work->text() == "Done")
        work->setText("Split");
    m_form1.OutputList.clear();
    m_form1.Openlistofemails1Click();
    showListDetails();
}

void Tsplit::Edit1Change()
{
    if (const auto perFile = parseWholeNumber(Edit1->text()))
        showFileCount(*perFile);
}

void Tsplit::workClick()
{
    const qint32 perFile = requireWholeNumber(Edit1->text());
    // Fewer than one line per file would make no sensible file at all.
    if (perFile < 1) {
        showNotice("The number of addresses per file must be 1 or more");
        return;
    }
    // Counted from the list as it is now, not as it was when the number was typed.
    showFileCount(perFile);

    {
        const BusyCursor busy;
        writeSplitFiles(m_form1.InputList, perFile, Edit2->text(),
                        [](const QString& fileName) { AppendLog("write: " + fileName); });
    }
    work->setText("Done");
    AppendLog(m_form1.OpenDialog1.fileName());
    AppendLog("splited in:" + QString::number(FileCount));
}

// The count shown beside the per-file number follows every newly opened list too.
void Tsplit::showListDetails()
{
    Label3->setText(QString::number(m_form1.InputList.size()));
    Label6->setText(m_form1.OpenDialog1.fileName());
    Edit1Change();
}

void Tsplit::showFileCount(qint32 perFile)
{
    FileCount = splitFileCount(m_form1.InputList.size(), perFile);
    Label5->setText(QString::number(FileCount) + " Files will be created");
}
