#include "stats/estadistica.h"

#include "app/commandguard.h"
#include "app/emptytitle.h"
#include "app/filtrar_mails.h"
#include "app/notices.h"
#include "app/windowsetup.h"
#include "core/apperror.h"
#include "core/applog.h"
#include "core/atomicwrite.h"
#include "core/randomgenerator.h"
#include "stats/chartview.h"
#include "stats/domainstatistics.h"
#include "stats/picturekind.h"
#include "stats/picturepreview.h"
#include "stats/scalespinbox.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

const QStringList pictureFilters = {"Bitmaps (*.bmp)", "Metafiles (*.wmf)"};

} // namespace

Tchat::Tchat(TForm1& form1)
    : m_form1(form1)
    , SaveP(this, "SaveP", QFileDialog::AcceptSave, pictureFilters, "wmf")
{
    setObjectName("chat");
    keepTitleEmpty(*this);
    setFont(designFont());
    setOuterSize(*this, 714, 514);
    centreOnScreen(*this);
    // Clicking the chart gives the window itself the focus, so Escape can close it.
    setFocusPolicy(Qt::ClickFocus);

    Chart1 = place(new ChartView(this), "Chart1", rect());

    // Plain push buttons, like the main window's: this window is not one of the list tools.
    Button1 =
        place(new QPushButton("Load file with email address", this), "Button1", {32, 8, 153, 25});
    narrowCaptionToFit(*Button1);
    Label2 = place(new QLabel(QString(8, ' '), this), "Label2", {192, 16, 33, 13});
    Label2->setFont(designFont(8, true));
    muestra = place(new QPushButton("Show chart", this), "muestra", {264, 8, 75, 25});
    Button3 = place(new QPushButton("Save", this), "Button3", {480, 8, 75, 25});
    span = place(new ScaleSpinBox(this), "span", {572, 10, 56, 22});
    span->setRange(1, 99);
    span->setSingleStep(2);
    span->setValue(10);
    Label1 = place(new QLabel("Scale", this), "Label1", {632, 16, 27, 13});
    // The fallback font is wider than the laid-out one; the label grows to show its text.
    Label1->adjustSize();
    // Names for assistive tools, for the controls that show no text of their own.
    Chart1->setAccessibleName("Domain chart");
    span->setAccessibleName("Scale");

    setTabOrder(span, Button1);
    setTabOrder(Button1, muestra);
    setTabOrder(muestra, Button3);

    new PicturePreview(SaveP.dialog());

    connect(Button1, &QPushButton::clicked, this, guarded(this, &Tchat::Button1Click));
    connect(muestra, &QPushButton::clicked, this, guarded(this, &Tchat::Button2Click));
    connect(Button3, &QPushButton::clicked, this, guarded(this, &Tchat::Button3Click));
    // Every keystroke in the field counts, and every step of its arrows.
    connect(span, &ScaleSpinBox::changed, this, guarded(this, &Tchat::spanChnge));
}

void Tchat::Button1Click()
{
    m_form1.Openlistofemails1Click();
    Label2->setText(QString::number(m_form1.InputList.size()) + " emails");
    // The count may be wider than the laid-out label; it grows to show it in full.
    Label2->adjustSize();
    DefaultBars = true;
}

void Tchat::Button2Click()
{
    DomainTally tally = tallyDomains(m_form1.InputList);
    if (DefaultBars)
        NumberOfBars = int(tally.domains.size()) - 1;
    Chart1->setBars(chartBars(tally, m_form1.InputList.size(), NumberOfBars, processRandom()));
    m_form1.SecondList = std::move(tally.domains);
}

void Tchat::spanChnge()
{
    DefaultBars = false;
    NumberOfBars = barsForScale(m_form1.SecondList.size(), span->scale());
    Button2Click();
    AppendLog("displaying only " + QString::number(NumberOfBars) + " bars");
}

void Tchat::Button3Click()
{
    if (!SaveP.execute())
        return;
    const QString fileName = SaveP.fileName();
    const PictureKind kind = pictureKindOf(fileName);
    if (kind == PictureKind::Unknown) {
        showNotice("Pictures are saved as .bmp (bitmap) or .wmf (metafile); nothing was saved.");
        return;
    }
    const QByteArray picture =
        kind == PictureKind::Bitmap ? Chart1->bitmapBytes() : Chart1->metafileBytes();
    if (picture.isEmpty())
        throw AppError::cannotCreate(fileName);
    writeFileAtomically(fileName, picture);
}

void Tchat::FormKeyUp(QKeyEvent* event)
{
    // Only keys that reach the window itself: a focused control keeps its own keys.
    const QWidget* focused = focusWidget();
    if (event->key() == Qt::Key_Escape && (!focused || focused == this))
        close();
}

void Tchat::keyReleaseEvent(QKeyEvent* event)
{
    FormKeyUp(event);
}

void Tchat::resizeEvent(QResizeEvent*)
{
    Chart1->setGeometry(rect());
}
