#include "app/about.h"

#include "app/commandguard.h"
#include "app/jpegimage.h"
#include "app/windowsetup.h"
#include "controls/readablecolour.h"
#include "controls/xpButton.h"

#include <QLabel>
#include <QPixmap>

namespace {

constexpr int deepestShade = 20;
const QColor lightestBackground(255, 255, 255);
const QColor darkestBackground(255 - deepestShade, 255 - deepestShade, 255 - deepestShade);

// The background strip: one pixel wide, white at both ends shading to a very light grey
// in the middle, stretched over the whole window.
QPixmap backgroundStrip()
{
    constexpr int height = 45;
    constexpr int middle = height / 2;
    QImage strip(1, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const int distance = y < middle ? middle - y : y - middle;
        const int grey = 255 - deepestShade + deepestShade * distance / middle;
        strip.setPixel(0, y, qRgb(grey, grey, grey));
    }
    return QPixmap::fromImage(strip);
}

} // namespace

Taboutsoft::Taboutsoft(const QString& picturePath)
    : Image2(new QLabel(this))
    , Image1(new QLabel(this))
    , Label1(new QLabel(this))
    , xpButton1(new TxpButton(this))
{
    setWindowTitle(QStringLiteral("About"));
    setFont(designFont(8));
    setOuterSize(*this, 365, 330);
    centreOnScreen(*this);

    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(rect());
    Image2->setScaledContents(true);
    Image2->setPixmap(backgroundStrip());

    // A picture that cannot be decoded leaves the frame empty; the window works without it.
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(16, 40, 273, 145);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (const QImage picture = loadJpeg(picturePath); !picture.isNull())
        Image1->setPixmap(QPixmap::fromImage(picture));

    // Names for assistive tools: the pictures show no text of their own.
    Image2->setAccessibleName(QStringLiteral("Background"));
    Image1->setAccessibleName(QStringLiteral("Quillmere picture"));

    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(16, 12, 273, 20);
    Label1->setFont(designFont(8, true));
    Label1->setText(QStringLiteral("Quillmere v 1.0"));
    // The title stands on the light background in every colour scheme.
    QPalette titleColours = Label1->palette();
    titleColours.setColor(QPalette::WindowText,
                          readableOn(titleColours.color(QPalette::WindowText),
                                     {lightestBackground, darkestBackground}));
    Label1->setPalette(titleColours);

    xpButton1->setObjectName(QStringLiteral("xpButton1"));
    xpButton1->setGeometry((width() - 75) / 2, height() - 25 - 16, 75, 25);
    xpButton1->setFont(designFont(8));
    xpButton1->setText(QStringLiteral("OK"));
    connect(xpButton1, &TxpButton::clicked, this, guarded(this, &Taboutsoft::xpButton1Click));
}

void Taboutsoft::resizeEvent(QResizeEvent* event)
{
    Image2->setGeometry(rect());
    QWidget::resizeEvent(event);
}

void Taboutsoft::xpButton1Click()
{
    close();
}
