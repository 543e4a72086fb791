#include "tools/removespaces.h"

#include "app/filtrar_mails.h"

Tremove::Tremove(TForm1& form1)
    : m_form1(form1)
{
    setWindowTitle("Remove invalid and duplicated address");
}
