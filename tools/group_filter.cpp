#include "tools/group_filter.h"

#include "app/commandguard.h"
#include "app/emptytitle.h"
#include "app/filtrar_mails.h"
#include "app/windowsetup.h"
#include "controls/xpButton.h"
#include "controls/xpCheckBox.h"
#include "core/abcQSort.h"
#include "core/applog.h"
#include "tools/sorting.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>

Tsort::Tsort(TForm1& form1)
    : m_form1(form1)
{
    setObjectName("sort");
    keepTitleEmpty(*this);
    setFont(designFont());
    setOuterSize(*this, 463, 226);
    move(271, 211);
    // Clicking the window's background gives it the focus, where Escape closes it.
    setFocusPolicy(Qt::ClickFocus);

    GroupBox3 = place(new QGroupBox(this), "GroupBox3", {4, 4, 447, 191});
    xpButton1 = place<TxpButton>(GroupBox3, "xpButton1", "Open file", {12, 16, 129, 33});
    xpButton2 = place<TxpButton>(GroupBox3, "xpButton2", "Process Selection", {12, 76, 129, 33});
    xpButton3 = place<TxpButton>(GroupBox3, "xpButton3", "save output", {12, 136, 129, 33});

    GroupBox1 = place(new QGroupBox("Sort", GroupBox3), "GroupBox1", {156, 12, 279, 165});
    c2 = place<TxpCheckBox>(GroupBox1, "c2", "Sort by name or first letters of text line",
                            {12, 30, 259, 17});
    c2->setChecked(true);
    c1 = place<TxpCheckBox>(GroupBox1, "c1", "Order by email", {12, 74, 259, 17});
    c3 = place<TxpCheckBox>(GroupBox1, "c3", "Order by domain", {12, 118, 259, 17});

    giveStyledControlsWindowFont(*this);

    connect(xpButton1, &TxpButton::clicked, this, guarded(this, &Tsort::xpButton1Click));
    connect(c1, &TxpCheckBox::clicked, this, guarded(this, &Tsort::c1Click));
    connect(c2, &TxpCheckBox::clicked, this, guarded(this, &Tsort::c2Click));
    connect(c3, &TxpCheckBox::clicked, this, guarded(this, &Tsort::c3Click));
    connect(xpButton2, &TxpButton::clicked, this, guarded(this, &Tsort::xpButton2Click));
    connect(xpButton3, &TxpButton::clicked, this, guarded(this, &Tsort::xpButton3Click));
}

void Tsort::xpButton1Click()
{
    m_form1.Openlistofemails1Click();
}

void Tsort::c1Click()
{
    keepOnlyChecked(c1);
}
void Tsort::c2Click()
{
    keepOnlyChecked(c2);
}
void Tsort::c3Click()
{
    keepOnlyChecked(c3);
}

void Tsort::keepOnlyChecked(TxpCheckBox* clicked)
{
    if (!clicked->isChecked())
        return;
    for (TxpCheckBox* box : {c1, c2, c3})
        if (box != clicked)
            box->setChecked(false);
}

void Tsort::xpButton2Click()
{
    if (c2->isChecked()) {
        AppendLog("sorting entire lines");
        QuickSortList(m_form1.InputList);
        m_form1.OutputList = m_form1.InputList;
    }
    if (c1->isChecked()) {
        AppendLog("sorting for address");
        sortByKey(false);
    }
    if (c3->isChecked()) {
        AppendLog("sorting for domains");
        sortByKey(true);
    }
    AppendLog("Finished");
}

void Tsort::sortByKey(bool byDomain)
{
    m_form1.SecondList.clear();
    KeyedSort sorted =
        ::sortByKey(m_form1.InputList, byDomain ? SortKey::Domain : SortKey::Address);
    m_form1.SecondList = std::move(sorted.composites);
    m_form1.OutputList = std::move(sorted.lines);
}

void Tsort::xpButton3Click()
{
    m_form1.saveOutputListAs();
    AppendLog("saved sorted list: " + m_form1.SaveDialog1.fileName());
}

void Tsort::FormKeyUp(QKeyEvent* event)
{
    // Only while the window itself has the focus: a control's Escape is its own.
    if (event->key() == Qt::Key_Escape && QApplication::focusWidget() == this)
        close();
}

void Tsort::keyReleaseEvent(QKeyEvent* event)
{
    FormKeyUp(event);
}
