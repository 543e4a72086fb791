#include "tools/unida2email.h"

#include "app/commandguard.h"
#include "app/filtrar_mails.h"
#include "app/notices.h"
#include "app/windowsetup.h"
#include "controls/xpButton.h"
#include "controls/xpCheckBox.h"
#include "core/applog.h"
#include "core/listfile.h"
#include "core/randomgenerator.h"
#include "core/wholenumber.h"
#include "tools/seeding.h"

#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>

namespace {

const QString doneCaption = QStringLiteral("Done");
const QString createCaption = QStringLiteral("Create");

} // namespace

Tseed::Tseed(TForm1& form1)
    : m_form1(form1)
{
    setObjectName("seed");
    setWindowTitle("Seed your email in a email list to test deliverability");
    setFont(designFont());
    setOuterSize(*this, 503, 254);
    centreOnScreen(*this);

    xpButton2 = place<TxpButton>(this, "xpButton2", "Open file", {8, 8, 97, 25});
    xpButton2->setFont(designFont());
    Label7 = place<QLabel>(this, "Label7", "", {116, 14, 257, 13});
    Label1 = place<QLabel>(this, "Label1", "Your email:", {8, 48, 81, 13});
    email = place<QLineEdit>(this, "email", "", {96, 44, 249, 21});
    Label6 = place<QLabel>(this, "Label6", "Output file:", {8, 80, 81, 13});
    salidaf = place<QLineEdit>(this, "salidaf", "", {96, 76, 385, 21});
    Label2 = place<QLabel>(this, "Label2", "Include my email every ", {8, 116, 145, 13});
    frecuencia = place<QLineEdit>(this, "frecuencia", "100", {156, 112, 49, 21});
    Label3 = place<QLabel>(this, "Label3", "emails", {212, 116, 41, 13});
    Label4 = place<QLabel>(this, "Label4", "examples: 1 per 100 times ", {260, 116, 225, 13});
    ran = place<TxpCheckBox>(this, "ran", "Also use Random separation", {8, 144, 201, 17});
    ran->setFont(designFont());
    button2 = place<TxpButton>(this, "button2", createCaption, {384, 140, 97, 29});
    button2->setFont(designFont());
    Label5 = place<QLabel>(this, "Label5", "", {8, 192, 473, 13});
    // Names for assistive tools, taken from the labels beside the fields.
    email->setAccessibleName("Your e-mail address");
    salidaf->setAccessibleName("Output file");
    frecuencia->setAccessibleName("Include my e-mail every");

    setTabOrder(email, salidaf);
    setTabOrder(salidaf, frecuencia);
    setTabOrder(frecuencia, ran);
    setTabOrder(ran, button2);
    setTabOrder(button2, xpButton2);
    email->setFocus();

    connect(xpButton2, &TxpButton::clicked, this, guarded(this, &Tseed::xpButton2Click));
    connect(button2, &TxpButton::clicked, this, guarded(this, &Tseed::button2Click));
}

// "Done" only closes the window, so a new showing offers "Create" again; otherwise the
// window could never seed a second time.
void Tseed::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        button2->setText(createCaption);
}

void Tseed::xpButton2Click()
{
    m_form1.Openlistofemails1Click();
    // A freshly opened list is a new job: "Create" is offered again.
    button2->setText(createCaption);
    Label7->setText(QString::number(m_form1.InputList.size()) + " address");
}

void Tseed::button2Click()
{
    if (button2->text() == doneCaption) {
        close();
        return;
    }
    if (m_form1.InputList.size() < 3) {
        showNotice("first open a list of emails");
        m_form1.Openlistofemails1Click();
    }
    const AddressList& lines = m_form1.InputList;
    m_form1.OutputList.clear();

    AppendLog("Seed your email ");
    const qint32 interval = requireWholeNumber(frecuencia->text());
    AppendLog("Random enabled every " + QString::number(interval));
    randomInsertions(lines.size(), interval);

    // An empty list (the open dialog cancelled) would write an empty file over the copy an
    // earlier run left under the derived name.
    if (lines.isEmpty()) {
        AppendLog("nothing to seed: the list is empty");
        return;
    }

    const QString typedEmail = email->text();
    const QByteArray address = typedEmail.toLocal8Bit();
    const SeededList seeded = ran->isChecked()
                                  ? seedRandomly(lines, address, interval, processRandom())
                                  : seedRegularly(lines, address, interval);
    m_form1.OutputList = seeded.lines;

    button2->setText(doneCaption);
    Label5->setText("New list was created with " + QString::number(m_form1.OutputList.size()) +
                    " lines");

    const QString outputName = seedOutputName(salidaf->text(), m_form1.SaveDialog1.fileName(),
                                              m_form1.OpenDialog1.fileName());
    writeListFile(outputName, m_form1.OutputList);
    AppendLog("list with your email: " + typedEmail + " was saved as: " + outputName);
    AppendLog("your email was inserted " + QString::number(seeded.inserted) + " times");
}
