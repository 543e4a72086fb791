#include "app/windowsetup.h"

#include "controls/styledcontrol.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

namespace {

// A usual frame is 4 pixels on each side and the title bar about 19 pixels high.
constexpr int frameWidth = 8;
constexpr int frameHeight = 27;

} // namespace

QFont designFont(int pointSize, bool bold)
{
    QFont font(QStringLiteral("MS Sans Serif"), pointSize);
    font.setBold(bold);
    return font;
}

void giveStyledControlsWindowFont(QWidget& window)
{
    for (StyledControl* control : window.findChildren<StyledControl*>())
        control->setFont(window.font());
}

void narrowCaptionToFit(QPushButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    const int room =
        button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button).width();
    QFont font = button.font();
    for (int stretch = 98;
         QFontMetrics(font).horizontalAdvance(button.text()) > room && stretch >= 80; stretch -= 2)
        font.setStretch(stretch);
    button.setFont(font);
}

QIcon programIcon()
{
    QIcon icon;
    for (const QFileInfo& picture : QDir(":/icons").entryInfoList({"quillmere-*.png"}))
        icon.addFile(picture.filePath());
    return icon;
}

void setOuterSize(QWidget& window, int width, int height)
{
    window.resize(width - frameWidth, height - frameHeight);
}

void centreOnScreen(QWidget& window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}
