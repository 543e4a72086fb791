#pragma once

#include <QPlainTextEdit>
#include <QStringList>

class TForm1;

// The lines of the main window's log pane, as the user reads them.
QStringList logLines(TForm1& form1);
