#pragma once

#include <QString>

class QWidget;

// The application title: caption of the plain notices and of the error box.
inline const QString applicationTitle = QStringLiteral("Quillmere");

// A plain message box with an OK button, captioned with the application title.
void showNotice(const QString& text);

// The error box of the top-level handler: stop icon, application title, OK button.
void showStopBox(const QString& text);

// An error box with its own caption.
void showErrorBox(const QString& caption, const QString& text);
