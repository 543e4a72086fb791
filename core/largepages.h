#pragma once

#include <QtGlobal>

// Asks the system to back the memory of [data, data + size), where it is still untouched,
// with large pages. A list of hundreds of megabytes then costs hundreds of page faults
// rather than a hundred thousand, which on a virtual machine take longer than reading the
// file. Only advice: memory the system cannot give so stays as it is.
void adviseLargePages(const void* data, qsizetype size);
