#pragma once

#include <QFont>
#include <QIcon>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QWidget>

// The layouts' font: the named family is asked for and Qt's fallback chooses on Linux.
QFont designFont(int pointSize = 8, bool bold = false);

// The styled controls keep a font of their own, the desktop's; this gives each of the
// window's styled controls the window's design font, which their fixed sizes were laid out for.
void giveStyledControlsWindowFont(QWidget& window);

// The design font's fallback on Linux is wider than the font the fixed sizes were laid out for:
// a caption that would be cut is drawn just narrow enough to show whole (never below 80%).
void narrowCaptionToFit(QPushButton& button);

// The program's icon at every size it is drawn in, from 16 to 256 pixels.
QIcon programIcon();

// Sizes a window by its outer size as laid out, allowing for a usual frame and title bar.
void setOuterSize(QWidget& window, int width, int height);

// Places a window in the middle of the primary screen.
void centreOnScreen(QWidget& window);

// Names a control after its place in the layout and puts it at its laid-out geometry.
template <typename Control> Control* place(Control* control, const QString& name, const QRect& at)
{
    control->setObjectName(name);
    control->setGeometry(at);
    return control;
}

// Creates a control with a caption or text on `parent`, named and placed as laid out.
template <typename Control>
Control* place(QWidget* parent, const QString& name, const QString& text, const QRect& at)
{
    auto* control = place(new Control(parent), name, at);
    control->setText(text);
    return control;
}
