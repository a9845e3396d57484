#pragma once
// The capacity a driving record proves: from the measured set per blow S and
// a tab's inputs as its calculation reads them, the ultimate load Qu of the
// tab's formula solved for the load, the proven safe load Qu / FS and whether
// it reaches the tab's required Qa. The tab's own calculator reads the fields
// and derives A, P, e and Cd; only the formulas solved for Qu are here.
//
//   Engineering News  Qu = W·h / (S + 2.54·C)
//   Hiley             Qu = (√(S² + 2·k·Z·e·W·h) − S) / k,
//                     k = (L2 / 100 × 1.8 + L × 0.72 + 3.6) / A
//   Danish            Qu = e·W·h / (S + 10·√(e·W·h·L / (2·A·E)))
//   Janbu             Ld = W·h·(100·L) / (A·E·S²), Ku = Cd·(1 + √(1 + Ld / Cd)),
//                     Qu = W·h / (Ku·S)
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/tab_calculation.h"

namespace calc {

inline constexpr const char* kRecordNotPositive = "ค่าการทรุดตัวต้องมากกว่าศูนย์";
inline constexpr const char* kMeets = "ผ่าน";
inline constexpr const char* kFails = "ไม่ผ่าน";

// The captions of a capacity's lines on the screen, the command line and the page.
inline constexpr const char* kRecordSetCaption = "ค่าการทรุดตัวต่อครั้งจากผลการตอก (S)";
inline constexpr const char* kUltimateCaption = "Qu";
inline constexpr const char* kProvenSafeLoadCaption = "น้ำหนักปลอดภัยที่พิสูจน์ได้ (Qu/FS)";
inline constexpr const char* kRequiredLoadCaption = "น้ำหนักปลอดภัยที่ต้องการ (Qa)";
inline constexpr const char* kTonUnit = "ตัน";
inline constexpr const char* kCmUnit = "ซม.";

// How the record gives the set: the set of the last ten blows in cm
// (S = set ÷ 10) or the blows per 30 cm (S = 30 ÷ blows).
enum class RecordForm { TenBlowSet, BlowsPerFoot };

struct DrivingRecord {
    RecordForm form = RecordForm::TenBlowSet;
    std::string value;                  // as typed, read by the fields' number rule
    std::optional<std::string> height;  // the record's drop height, else the tab's h field
};

// The set per blow (cm) of a record in 64-bit; nothing when its text is
// empty, not a number or zero.
std::optional<double> recordSet(RecordForm form, std::string_view value, std::string_view decimalSeparator);

// What the capacity formulas take from a tab's calculation: its fields and
// derived values as the calculation stored them.
struct CapacityBasis {
    Formula formula = Formula::EngineeringNews;
    double W = 0, h = 0, FS = 1;
    float Qa = 0;  // the tab's required safe load, as stored
    double C = 0;                                    // Engineering News
    double A = 0, L = 0, L2 = 0, Z = 0, e = 0;       // Hiley (e, A, L also Danish and Janbu)
    double E = 0, Cd = 0;                            // Danish, Janbu
};

// Qu (t) for a set per blow S > 0 (cm); may come out infinite or not a number.
double ultimateLoad(const CapacityBasis& basis, double S);

struct Capacity {
    double S = 0;         // cm per blow
    double Qu = 0;        // t
    double safeLoad = 0;  // Qu / FS, t
    float required = 0;   // the tab's Qa
    bool meets = false;   // safeLoad (unrounded) >= required
};

// The texts of a capacity: number texts of S, round(Qu, 2), round(Qu / FS, 2)
// and Qa, and "ผ่าน" or "ไม่ผ่าน"; `shownS` is round(S, 3), as the tabs show S.
struct CapacityTexts {
    std::string S, Qu, safeLoad, required, verdict, shownS;
    bool meets = false;
};

// "caption = value  unit" lines of a capacity: S, Qu, the proven safe load,
// the required load, then the verdict.
std::vector<std::string> capacityLines(const CapacityTexts& texts);
CapacityTexts capacityTexts(const Capacity& capacity, std::string_view decimalSeparator);

struct CapacityCheck {
    TabOutcome tab;                      // the tab's calculation with the record's drop height
    std::optional<CapacityBasis> basis;  // when the tab's checks passed and its values are finite
    std::optional<Capacity> capacity;    // when computed
    std::optional<std::string> message;  // why there is none
    bool tabRefused = false;             // the message is the tab's own check message
};

// The tab's inputs with the record's drop height, when it gives one, in the
// h field.
TabInputs withRecordHeight(TabInputs tab, const DrivingRecord& record);

// The tab's checks (with the record's drop height in place of the h field),
// then the record, then the capacity. The capacity does not depend on the
// sign of the tab's own criterion, nor on whether that criterion fits a float.
CapacityCheck checkCapacity(TabInputs tab, const DrivingRecord& record);

// The capacity of `basis` for the set per blow S, or the out-of-range refusal.
std::optional<Capacity> capacityAt(const CapacityBasis& basis, double S);

// The bearing graph of one formula: the proven safe load (t) at every whole
// blow count per 30 cm from `from` to `to`; a point whose load is not finite
// is missing.
struct BearingPoint {
    double blows;
    std::optional<double> safeLoad;
};
std::vector<BearingPoint> bearingGraph(const CapacityBasis& basis, int from, int to);

}  // namespace calc
