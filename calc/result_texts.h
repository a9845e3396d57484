#pragma once
// The fixed parts of the result lines. Runs of blanks belong to the texts:
// the long runs in the ten-blow and blow-count prefixes make the two-line
// labels break where they should (16 blanks before "10" on the Engineering
// News and Hiley tabs, 18 on the Danish and Janbu tabs, 19 before "(1").

namespace calc::texts {

// Shared by the tabs
inline constexpr const char* kUltimatePrefix = "Ultimate Bearing Capacity (Qu) = ";
inline constexpr const char* kSetPrefix = "ค่าเฉลี่ยการทรุดตัวของเสาเข็มจากการตอก 10 ครั้งสุดท้าย (S) ต้องไม่เกิน  ";
inline constexpr const char* kBlowsPrefix = "หรือจำนวนครั้งในการตอกต่อระยะ 30 ซม.                   (1 ฟุต) ต้องไม่น้อยกว่า  ";
inline constexpr const char* kTonSuffix = "  ตัน";
inline constexpr const char* kCmSuffix = "  ซม.";
inline constexpr const char* kSquareCmSuffix = "  ตร.ซม.";
inline constexpr const char* kBlowsSuffix = "  ครั้ง";

// Pile area and weight (Hiley, Danish, Janbu)
inline constexpr const char* kAreaPrefix = "พื้นที่หน้าตัดเสาเข็ม =  ";
inline constexpr const char* kPileWeightPrefix = "น้ำหนักเสาเข็ม =  ";
inline constexpr const char* kModulusPrefix = "Elastic of Modulus (E) =  ";

// Engineering News
inline constexpr const char* kHammerWeightPrefix = "น้ำหนักลูกตุ้ม = ";
inline constexpr const char* kDropHeightPrefix = "ระยะยกลูกตุ้มสูงจากหัวเสา = ";
inline constexpr const char* kTenBlowsPrefixNarrow = "ดังนั้นค่าการทรุดตัวของเสาเข็มจากการตอก                10 ครั้งสุดท้าย ต้องไม่เกิน  ";

// Hiley
inline constexpr const char* kEfficiencyPrefix = "Efficiency Factor (e) =  ";
inline constexpr const char* kCushionPrefix = "ค่าการยุบตัวของวัสดุรองหัวเสาเข็ม (C1) =  ";
inline constexpr const char* kPilePrefix = "ค่าการยุบตัวของเสาเข็มคอนกรีต (C2) =  ";
inline constexpr const char* kSoilPrefix = "ค่าการยุบตัวของดินรอบเสาเข็มและใต้เสาเข็ม (C3) =  ";
inline constexpr const char* kCompressionPrefix = "C=C1+C2+C3 =  ";

// Danish and Janbu
inline constexpr const char* kTenBlowsPrefixWide = "ดังนั้นค่าการทรุดตัวของเสาเข็มจากการตอก                  10 ครั้งสุดท้าย ต้องไม่เกิน  ";

// Janbu
inline constexpr const char* kJanbuSetFormula = "จากสูตร... S = (W*h) / (Qu*Ku)  ";
inline constexpr const char* kJanbuKuFormula = "Ku = Cd [ 1 + (1+Ld / Cd)^1/2]";
inline constexpr const char* kJanbuLdFormula = "Ld = (W*h*L) / (A*E*S^2)";
inline constexpr const char* kJanbuCdPrefix = "Cd=  ";

}  // namespace calc::texts
