#include "tools/removespaces.h"

#include "app/commandguard.h"
#include "app/filtrar_mails.h"
#include "app/notices.h"
#include "app/windowsetup.h"
#include "controls/wholenumberspinbox.h"
#include "controls/xpButton.h"
#include "controls/xpCheckBox.h"
#include "core/applog.h"
#include "tools/cleaning.h"

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QShowEvent>

namespace {

WholeNumberSpinBox* lengthSpin(QWidget* parent, const QString& name, const QRect& at, int value)
{
    auto* spin = place(new WholeNumberSpinBox(parent), name, at);
    spin->setRange(0, 1000);
    spin->setValue(value);
    return spin;
}

QString fileNamePart(const QString& path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

} // namespace

Tremove::Tremove(TForm1& form1)
    : m_form1(form1)
{
    setObjectName("remove");
    setWindowTitle("Remove invalid and duplicated address");
    setFont(designFont());
    setOuterSize(*this, 562, 301);

    xpButton2 = place(new TxpButton(this), "xpButton2", {8, 8, 97, 25});
    xpButton2->setText("Open file");
    Label3 = place(new QLabel(QString(12, ' '), this), "Label3", {116, 12, 160, 16});
    Label6 = place(new QLabel(QString(7, ' '), this), "Label6", {8, 36, 538, 16});

    createTestsGroup();
    createDuplicatesGroup();

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setAccessibleName("Progress");

    giveStyledControlsWindowFont(*this);

    connect(xpButton2, &TxpButton::clicked, this, guarded(this, &Tremove::xpButton2Click));
    connect(work, &TxpButton::clicked, this, guarded(this, &Tremove::workClick));
    connect(xpButton1, &TxpButton::clicked, this, guarded(this, &Tremove::xpButton1Click));
}

void Tremove::createTestsGroup()
{
    GroupBox1 =
        place(new QGroupBox("Discard these address with:", this), "GroupBox1", {8, 58, 312, 187});
    const auto test = [this](const QString& name, const QString& caption, int top) {
        auto* box = place(new TxpCheckBox(GroupBox1), name, {12, top, 176, 17});
        box->setText(caption);
        return box;
    };
    C1 = test("C1", "Empty lines", 22);
    C2 = test("C2", "Without @ or very short", 48);
    SpinEdit1 = lengthSpin(GroupBox1, "SpinEdit1", {190, 45, 48, 22}, 6);
    Label2 = place(new QLabel("characters", GroupBox1), "Label2", {242, 48, 66, 16});
    C3 = test("C3", "Starting with numbers", 74);
    c4 = test("c4", "Longer than", 100);
    Spin1 = lengthSpin(GroupBox1, "Spin1", {190, 97, 48, 22}, 45);
    // Names for assistive tools; otherwise both fields take the group's title.
    SpinEdit1->setAccessibleName("Discard lines shorter than");
    Spin1->setAccessibleName("Discard lines longer than");
    Label4 = place(new QLabel("characters", GroupBox1), "Label4", {242, 100, 66, 16});
    c5 = test("c5", "Spaces in address", 126);
    work = place(new TxpButton(GroupBox1), "work", {12, 150, 288, 29});
    work->setText("Clear now and save output");
}

void Tremove::createDuplicatesGroup()
{
    GroupBox2 =
        place(new QGroupBox("Remove duplicated address", this), "GroupBox2", {326, 58, 220, 187});
    Label1 = place(new QLabel("Only lines with different address are saved", GroupBox2), "Label1",
                   {12, 20, 200, 32});
    Label1->setWordWrap(true);
    dup = place(new TxpCheckBox(GroupBox2), "dup", {12, 60, 196, 17});
    dup->setText("Show duplicated in log");
    Label5 = place(new QLabel(QString(8, ' '), GroupBox2), "Label5", {12, 90, 60, 16});
    xpButton1 = place(new TxpButton(GroupBox2), "xpButton1", {12, 150, 196, 29});
    xpButton1->setText("Remove duplicated and save");
}

void Tremove::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        centreOnScreen(*this);
    QWidget::showEvent(event);
}

void Tremove::resizeEvent(QResizeEvent* event)
{
    ProgressBar1->setGeometry(0, height() - 16, width(), 16);
    QWidget::resizeEvent(event);
}

void Tremove::xpButton2Click()
{
    m_form1.Openlistofemails1Click();
    Label3->setText(QString::number(m_form1.InputList.size()) + " lines");
    Label6->setText(m_form1.OpenDialog1.fileName());
}

void Tremove::workClick()
{
    if (m_form1.InputList.isEmpty()) {
        showNotice("We will open a list with emails");
        m_form1.Openlistofemails1Click();
    }
    CleanTests tests;
    tests.shortLength = SpinEdit1->number();
    tests.longLength = Spin1->number();
    tests.emptyLine = C1->isChecked();
    tests.withoutAtOrShort = C2->isChecked();
    tests.startsWithDigit = C3->isChecked();
    tests.longerThan = c4->isChecked();
    tests.spacesInAddress = c5->isChecked();

    m_form1.OutputList.clear();
    AppendLog("start to clean.. invalid address will be shown below:");
    AppendLog(" ");
    CleanResult result = cleanLines(m_form1.InputList, tests);
    for (const QByteArrayView line : result.log)
        AppendLog(shownText(line));
    m_form1.OutputList = std::move(result.kept);
    m_form1.saveOutputListAs();
}

void Tremove::xpButton1Click()
{
    Label1->setText(fileNamePart(m_form1.OpenDialog1.fileName()));
    if (m_form1.InputList.size() < 2) {
        AppendLog("no file was loaded");
        return;
    }
    m_form1.OutputList.clear();
    AppendLog("duplicated address:");
    DuplicateRemoval result = removeDuplicateAddresses(
        m_form1.InputList, [this](int percent) { ProgressBar1->setValue(percent); },
        dup->isChecked() ? Matches::Listed : Matches::Counted);
    for (const QByteArrayView line : result.keptMatches)
        AppendLog(shownText(line));
    m_form1.OutputList = std::move(result.kept);
    m_form1.saveOutputListAs();
    AppendLog("Deleted " + QString::number(result.dropped) + " duplicated address");
}
