#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>

// Appends one line to the program's log pane. The main window installs the sink
// when it is created; before that (and in window-less tests) lines go nowhere.
void AppendLog(const QString& text);

using LogSink = std::function<void(const QString&)>;
void setLogSink(LogSink sink);

// Raw line bytes as the user sees them: decoded with the locale's encoding (Qt's system
// encoding, UTF-8 on Linux) when the whole line is valid in it, otherwise one Latin-1
// character a byte, so no byte is ever dropped or replaced on screen. What the user types
// becomes list bytes with QString::toLocal8Bit(), the same encoding.
QString shownText(QByteArrayView bytes);
