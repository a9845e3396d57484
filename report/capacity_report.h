#pragma once
// The capacity check of a driving record as page data: the bearing graph (the
// proven safe load of each formula against the blow count, the required load
// of each tab as a dashed line, the record's point) and the one-page report
// with the record, each tab's pile data, the results and the graph. The
// window shows the same chart.
#include <optional>
#include <string>
#include <vector>

#include "calc/capacity.h"
#include "report/page.h"

namespace report {

// One tab in the check: its inputs as checked (the record's drop height in
// the h field) and what the check came to.
struct CapacityEntry {
    calc::TabInputs tab;
    calc::CapacityCheck check;
};

struct CapacityStudy {
    calc::DrivingRecord record;
    std::vector<CapacityEntry> entries;  // the tabs in their order
    int blowsFrom = 1;                   // the graph's blow counts per 30 cm
    int blowsTo = 200;
    std::string decimalSeparator = ".";
};

// Every tab's check of the record.
CapacityStudy studyRecord(const calc::DrivingRecord& record, const std::vector<calc::TabInputs>& tabs, int blowsFrom,
                          int blowsTo);

inline constexpr const char* kCapacityTitle = "ตรวจสอบกำลังรับน้ำหนักจากผลการตอก";
inline constexpr const char* kGraphTitle = "กราฟกำลังรับน้ำหนัก (Bearing Graph)";
inline constexpr const char* kBlowsAxis = "จำนวนครั้งในการตอกต่อระยะ 30 ซม. (ครั้ง)";
inline constexpr const char* kSafeLoadAxis = "น้ำหนักปลอดภัยที่พิสูจน์ได้ (ตัน)";
inline constexpr const char* kRecordPoint = "ผลการตอก";
inline constexpr const char* kTenBlowSetCaption = "ค่าการทรุดตัวจากการตอก 10 ครั้งสุดท้าย (ซม.)";
inline constexpr const char* kBlowsPerFootCaption = "จำนวนครั้งในการตอกต่อระยะ 30 ซม. (ครั้ง)";
inline constexpr const char* kRecordHeightCaption = "ระยะยกลูกตุ้มของผลการตอก (ซม.)";
inline constexpr const char* kTabsHeight = "ตามข้อมูลของแต่ละสูตร";

// The bearing graph in `place`: a solid line per formula whose tab passes its
// checks, its required load dashed in the same colour (one line in a colour
// of its own for the formulas that require the same load, named after each
// of them: "Qa Hiley, Danish"), and the record's
// point of each formula marked (when it lies within the blow counts shown).
Chart bearingChart(const CapacityStudy& study, Rect place);

// The one-page A4 report.
Page capacityPage(const CapacityStudy& study);

}  // namespace report
