#include "tab_rules.h"

namespace fuzz {

namespace {

// Engineering News: 0 Qa, 1 W, 2 h, 3 C, 4 FS.
const TabRules kEngineeringNews = {
    calc::Formula::EngineeringNews, 5, {0, 1, 2, 3, 4}, {0, 1, 4}, -1, 2, 6, false,
};
// Hiley: 0 L, 1 Qa, 2 W, 3 h, 4 L2, 5 r, 6 Z, 7 FS, 8 D.
const TabRules kHiley = {
    calc::Formula::Hiley, 9, {0, 1, 2, 3, 4, 5, 6, 7, 8}, {1, 2, 7}, 8, 3, 11, true,
};
// Danish: 0 D, 1 L, 2 Qa, 3 W, 4 h, 5 e, 6 FS, 7 E.
const TabRules kDanish = {
    calc::Formula::Danish, 8, {1, 2, 3, 4, 5, 6, 0, 7}, {2, 3, 6, 7}, 0, 4, 7, true,
};
// Janbu: 0 D, 1 L, 2 Qa, 3 W, 4 h, 5 FS, 6 E.
const TabRules kJanbu = {
    calc::Formula::Janbu, 7, {1, 2, 3, 4, 5, 0, 6}, {2, 3, 5, 6}, 0, 4, 11, true,
};

}  // namespace

const TabRules& tabRules(calc::Formula formula)
{
    switch (formula) {
    case calc::Formula::EngineeringNews: return kEngineeringNews;
    case calc::Formula::Hiley: return kHiley;
    case calc::Formula::Danish: return kDanish;
    case calc::Formula::Janbu: return kJanbu;
    }
    return kEngineeringNews;
}

}  // namespace fuzz
