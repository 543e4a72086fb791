#pragma once

#include "app/about.h"
#include "app/filtrar_mails.h"
#include "stats/estadistica.h"
#include "tools/filter_domains.h"
#include "tools/group_filter.h"
#include "tools/removespaces.h"
#include "tools/spliter.h"
#include "tools/unida2email.h"

// Every window of the program, created once in this order (the members' order) and
// living until the program ends. Only the main window is shown at start.
struct ProgramWindows {
    ProgramWindows()
    {
        form1.setToolWindows({&seed, &split, &about, &clean, &sort, &extract, &chat});
    }

    TForm1 form1;
    Tseed seed{form1};
    Tsplit split{form1};
    Taboutsoft about;
    Tremove clean{form1};
    Tsort sort{form1};
    Textract extract{form1};
    Tchat chat{form1};
};
