#include "app/about.h"
#include "app/filtrar_mails.h"
#include "app/notices.h"
#include "stats/estadistica.h"
#include "tools/filter_domains.h"
#include "tools/group_filter.h"
#include "tools/removespaces.h"
#include "tools/spliter.h"
#include "tools/unida2email.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(applicationTitle);

    // Every window is created once, in this order, and lives until the program ends.
    TForm1 form1;
    Tseed seed(form1);
    Tsplit split(form1);
    Taboutsoft about;
    Tremove clean(form1);
    Tsort sort(form1);
    Textract extract(form1);
    Tchat chat(form1);
    form1.setToolWindows({&seed, &split, &about, &clean, &sort, &extract, &chat});

    form1.show();
    return QApplication::exec();
}
