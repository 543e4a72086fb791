#pragma once

#include "app/filtrar_mails.h"

#include <QPlainTextEdit>

// The lines of the main window's log pane, as the user reads them.
inline QStringList logLines(const TForm1& form1)
{
    const auto* memo = form1.findChild<QPlainTextEdit*>("Memo1");
    return memo->document()->isEmpty() ? QStringList() : memo->toPlainText().split('\n');
}
