#pragma once

#include "core/addresslist.h"
#include "core/progress.h"

enum class Combination { Union, Difference, Intersection };

// Combines list 1 and list 2 by address, keeping whole raw lines:
// - union: all of list 1, then each line of list 2 whose address is in neither list 1 nor
//   an earlier line of list 2;
// - difference: the lines of list 1 whose address is not in list 2;
// - intersection: the lines of list 1 whose address is in list 2.
// The result equals comparing every pair of lines; hash sets of the exact address bytes
// give it in linear time. `progress` follows the even-percent rule over the outer loop
// (the intersection reports only 100 at its end, when list 1 is not empty).
AddressList combineLists(Combination operation, const AddressList& list1, const AddressList& list2,
                         const EvenProgress::Sink& progress = {});
