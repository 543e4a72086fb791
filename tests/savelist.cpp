// Saves COUNT lines "TAG.N@example.test" to FILE as the program saves a list, for
// tests/savesondisk.sh; prints the error and fails when the save does.
#include "core/apperror.h"
#include "core/listfile.h"

#include <cstdio>

int main(int argc, char* argv[])
{
    AddressList list;
    for (int n = 0; argc == 4 && n < std::atoi(argv[3]); ++n)
        list.append(argv[2] + ('.' + QByteArray::number(n)) + "@example.test");
    try {
        writeListFile(QString::fromLocal8Bit(argc == 4 ? argv[1] : ""), list);
    } catch (const AppError& error) {
        std::puts(qPrintable(error.message()));
        return 1;
    }
    return 0;
}
