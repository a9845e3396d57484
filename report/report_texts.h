#pragma once
// The fixed texts of every calculation report. Runs of blanks belong to the
// texts: the title has one blank at each end and three before the formula name,
// both conclusion prefixes end in two blanks and both units begin with two.
namespace report::texts {

inline constexpr const char* kTitlePrefix = " รายการคำนวณ Blow Count   ";
inline constexpr const char* kTitleSuffix = " ";
inline constexpr const char* kCriteria = " Criteria: ";
inline constexpr const char* kInputJoin = " = ";
inline constexpr const char* kResultsHeading = "ผลการคำนวณ :";

inline constexpr const char* kSetOfTenPrefix =
    "ดังนั้นค่าการทรุดตัวของเสาเข็มจากการตอก 10 ครั้งสุดท้าย ต้องไม่เกิน  ";
inline constexpr const char* kSetOfTenUnit = "  ซม.";
inline constexpr const char* kBlowsPrefix =
    "หรือจำนวนครั้งในการตอกต่อระยะ 30 ซม.(1 ฟุต) ต้องไม่น้อยกว่า  ";
inline constexpr const char* kBlowsUnit = "  ครั้ง";

inline constexpr const char* kSquareRc = "เสาเข็มสี่เหลี่ยม คสล.";
inline constexpr const char* kRoundRc = "เสาเข็มกลม คสล.";
inline constexpr const char* kSquarePrestressed = "เสาเข็มสี่เหลี่ยม คอร.";
inline constexpr const char* kRoundPrestressed = "เสาเข็มกลม คอร.";

// A section in use: "เสาเข็ม ไอ 26×26 คสล." for the pile-type line, and
// "หน้าตัดเสาเข็ม = ไอ 26×26  (พื้นที่ 489  ตร.ซม.)" in place of the line of D.
inline constexpr const char* kSectionPilePrefix = "เสาเข็ม ";
inline constexpr const char* kSectionRc = " คสล.";
inline constexpr const char* kSectionPrestressed = " คอร.";
inline constexpr const char* kSectionCaption = "หน้าตัดเสาเข็ม";
inline constexpr const char* kSectionAreaPrefix = "  (พื้นที่ ";
inline constexpr const char* kSectionAreaSuffix = "  ตร.ซม.)";

}  // namespace report::texts
