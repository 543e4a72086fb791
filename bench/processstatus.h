#pragma once

// A field of this process's /proc/self/status in KiB (VmHWM: the peak of resident memory).

#include <QtGlobal>

#include <fstream>
#include <string>

inline qint64 statusKiB(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string name;
    while (status >> name) {
        if (name == field) {
            qint64 kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(1 << 20, '\n');
    }
    return 0;
}
