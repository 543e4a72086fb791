#include "tools/group_filter.h"

#include "app/filtrar_mails.h"

Tsort::Tsort(TForm1& form1)
    : m_form1(form1)
{
    setWindowTitle("");
}
