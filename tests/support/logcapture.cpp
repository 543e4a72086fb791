#include "support/logcapture.h"

#include "app/filtrar_mails.h"

QStringList logLines(TForm1& form1)
{
    const auto* memo = form1.findChild<QPlainTextEdit*>("Memo1");
    if (!memo || memo->document()->isEmpty())
        return {};
    return memo->toPlainText().split('\n');
}
