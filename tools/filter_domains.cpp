#include "tools/filter_domains.h"

#include "app/filtrar_mails.h"

Textract::Textract(TForm1& form1)
    : m_form1(form1)
{
    setWindowTitle("");
}
