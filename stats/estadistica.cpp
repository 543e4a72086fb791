#include "stats/estadistica.h"

#include "app/filtrar_mails.h"

Tchat::Tchat(TForm1& form1)
    : m_form1(form1)
{
    setWindowTitle("");
}
