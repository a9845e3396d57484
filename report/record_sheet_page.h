#pragma once
// The record sheet of one driven pile, on an A4 portrait page: the title, the
// project and pile type, the pile's data, the criterion at its hammer and
// drop, the blows per 30 cm as a table by depth beside the penetration graph,
// each set against the criterion ("≤" or ">"), the verdict and flags, the
// proven load, the remarks, and the signature boxes of ผู้ควบคุมงาน and
// วิศวกร. A long blow table continues in a second column, then in smaller
// rows (down to 5 points, 45 rows a column), then in up to four columns, the
// graph narrower.
#include <string>

#include "calc/pile_file.h"
#include "calc/record_check.h"
#include "report/page.h"

namespace report {

inline constexpr const char* kSheetTitle = "บันทึกการตอกเสาเข็ม";

// The sheet of `document.records[index]`, checked as `check`; `pileType`
// names the pile file.
Page recordSheetPage(const calc::PileDocument& document, std::size_t index, const calc::RecordCheck& check,
                     const std::string& pileType);

// Each set of ten blows against the criterion's allowed set: "1.85 ≤ 1.91",
// "2.1 > 1.91"; a set that is no number, or with no criterion, as typed.
std::string setAgainstCriterion(const std::string& set, const calc::RecordCheck& check,
                                std::string_view decimalSeparator);

}  // namespace report
