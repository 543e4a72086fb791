#pragma once

#include "core/addresslist.h"
#include "core/progress.h"

// The distinct non-empty line domains of `lines`, in first-seen order, compared as exact
// bytes (a hash set stands in for scanning the found domains for every line).
// `progress` follows the even-percent rule over the lines.
AddressList distinctDomains(const AddressList& lines, const EvenProgress::Sink& progress = {});
