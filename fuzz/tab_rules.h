#pragma once
// What the invariants need to know of each formula tab: the order in which its
// calculator converts the fields, the fields that may not be 0, the field that
// gets the focus after a drop-height, zero-set or negative-set message, and the
// number of result lines.
#include <cstddef>
#include <vector>

#include "calc/tab_texts.h"

namespace fuzz {

struct TabRules {
    calc::Formula formula;
    std::size_t fieldCount;
    std::vector<int> conversionOrder;
    std::vector<int> divisors;  // W, Qa, FS and, on the Danish and Janbu tabs, E
    int sizeField;              // D, whose area may not round to 0; -1 without an area
    int dropField;              // h
    std::size_t resultCount;
    bool hasBoxes;
};

const TabRules& tabRules(calc::Formula formula);

}  // namespace fuzz
