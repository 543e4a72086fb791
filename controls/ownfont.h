#pragma once

class QWidget;

// Gives a styled control a font of its own, the platform default, which no longer
// follows the font of its parent; the layouts set each control's font themselves.
void useOwnFont(QWidget& control);
