#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>

// Appends one line to the program's log pane. The main window installs the sink
// when it is created; before that (and in window-less tests) lines go nowhere.
void AppendLog(const QString& text);

using LogSink = std::function<void(const QString&)>;
void setLogSink(LogSink sink);

// Raw line bytes as the user sees them: every byte one Latin-1 character.
inline QString shownText(QByteArrayView bytes)
{
    return QString::fromLatin1(bytes);
}
