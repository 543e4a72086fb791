#include "app/about.h"

#include "app/filtrar_mails.h"

Taboutsoft::Taboutsoft(TForm1& form1)
    : m_form1(form1)
{
    setWindowTitle("About");
}
