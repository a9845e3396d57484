#pragma once
// The penetration graph of a driving record: the blows per 30 cm against the
// depth (m, downwards), the last 30 cm ending at the record's depth, with the
// criterion's blows per 30 cm as a line.
#include <string_view>

#include "calc/pile_record.h"
#include "calc/record_check.h"
#include "report/chart.h"

namespace report {

inline constexpr const char* kPenetrationTitle = "กราฟการตอกเสาเข็ม";
inline constexpr const char* kPenetrationBlowsAxis = "จำนวนครั้งต่อ 30 ซม.";
inline constexpr const char* kPenetrationDepthAxis = "ความลึก (ม.)";

Chart penetrationChart(const calc::PileRecord& record, const calc::RecordCheck& check,
                       std::string_view decimalSeparator, Rect place);

}  // namespace report
