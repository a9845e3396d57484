#pragma once
// The summary of a pile file's driving records on A4 landscape pages: a row
// per record (mark, location, date, hammer, drop, depth, last set, allowed
// set, last blows, least blows, proven safe load, verdict, flags), the
// project and pile type at the top of each page, "หน้า x / y" at the bottom,
// and on the last page the counts, the depth driven and the signature boxes
// of ผู้ควบคุมงาน, วิศวกร and ที่ปรึกษา.
#include <string>
#include <vector>

#include "calc/pile_file.h"
#include "calc/record_check.h"
#include "report/page.h"

namespace report {

inline constexpr const char* kSummaryTitle = "สรุปผลการตอกเสาเข็ม";
inline constexpr int kSummaryRowsPerPage = 41;
inline constexpr int kSummaryFontSize = 8;  // points

// `checks` holds one check per record of `document`; `pileType` names the
// pile file the records belong to.
std::vector<Page> recordsSummaryPages(const calc::PileDocument& document, const std::vector<calc::RecordCheck>& checks,
                                      const std::string& pileType);

// The line of the counts at the end of the summary: as many records, each status's count.
std::string countsLine(const calc::RecordCounts& counts);

}  // namespace report
