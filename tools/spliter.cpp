#include "tools/spliter.h"

#include "app/filtrar_mails.h"

Tsplit::Tsplit(TForm1& form1)
    : m_form1(form1)
{
    setWindowTitle("Split a email list");
}
