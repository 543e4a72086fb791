#include "tools/unida2email.h"

#include "app/filtrar_mails.h"

Tseed::Tseed(TForm1& form1)
    : m_form1(form1)
{
    setWindowTitle("Seed your email in a email list to test deliverability");
}
