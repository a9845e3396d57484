#include "report/report_layout.h"

#include <stdexcept>

namespace report {

namespace {

const ReportLayout kEngineeringNews = {
    3700,
    900,
    false,
    {
        {"Label50", kMainFormulaX, true},
        {"Label51", 900, false},
        {"Label52", 900, false},
        {"Label53", 900, false},
        {"Label54", 900, false},
        {"Label55", 900, false},
    },
};

// The order of the Hiley formula panel from the top, without the definition of
// S (Label56).
const ReportLayout kHiley = {
    3900,
    1000,
    true,
    {
        {"Label29", kMainFormulaX, true},
        {"Label31", 1300, true},
        {"Label33", 900, false},
        {"Label34", 900, false},
        {"Label35", 900, false},
        {"Label36", 900, false},
        {"Label47", 1000, false},
        {"Label37", 900, false},
        {"Label38", 900, false},
        {"Label46", 1000, false},
        {"Label39", 900, false},
        {"Label40", 1000, false},
        {"Label41", 1000, false},
        {"Label42", 1000, false},
        {"Label43", 1200, false},
        {"Label44", 1200, false},
        {"Label45", 1200, false},
    },
};

const ReportLayout kDanish = {
    3900,
    1000,
    true,
    {
        {"Label72", kMainFormulaX, true},
        {"Label77", 900, true},
        {"Label75", 900, false},
        {"Label73", 900, false},
        {"Label74", 900, false},
        {"Label78", 900, false},
        {"Label79", 900, false},
    },
};

const ReportLayout kJanbu = {
    3900,
    1000,
    true,
    {
        {"Label99", kMainFormulaX, true},
        {"Label100", 900, true},
        {"Label104", 900, false},
        {"Label106", 900, false},
        {"Label101", 900, false},
        {"Label102", 900, false},
        {"Label103", 1000, false},
        {"Label105", 1000, false},
        {"Label110", 1000, false},
        {"Label112", 1000, false},
        {"Label107", 1000, false},
        {"Label98", 1000, false},
    },
};

}  // namespace

const ReportLayout& reportLayout(calc::Formula formula)
{
    switch (formula) {
    case calc::Formula::EngineeringNews: return kEngineeringNews;
    case calc::Formula::Hiley: return kHiley;
    case calc::Formula::Danish: return kDanish;
    case calc::Formula::Janbu: return kJanbu;
    }
    throw std::invalid_argument("unknown formula");
}

}  // namespace report
