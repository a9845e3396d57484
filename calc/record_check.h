#pragma once
// A driven pile checked against the criterion at the hammer and drop it was
// driven with. The criterion is a driving-chart cell: the acceptance tab's
// calculation with its W and h fields holding the record's hammer and drop
// (when given), every other field and box as the tab stands; with
// "strictest" the tab with the most blows per 30 cm among those that
// calculate governs, as in the chart. The proven load is the capacity check
// of that tab from the last set.
//
//   1. numbers: hammer, drop, depth, each blow count (a whole number) and
//      each set read by the fields' strict rule, else bad-input;
//   2. no tab calculates: no-criterion, with the tab's message;
//   3. at least K sets: each of the last K ≤ the criterion's ten-blow set as
//      shown (meets), else fails; fewer sets but blows counted: the last
//      count ≥ the criterion's blows per 30 cm as shown; neither: incomplete.
//   4. flags: refusal when the last set is 0, overdriven when the last count
//      is more than twice the criterion's blows per 30 cm.
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/capacity.h"
#include "calc/pile_file.h"
#include "calc/pile_record.h"

namespace calc {

enum class RecordStatus { Meets, Fails, Incomplete, NoCriterion, BadInput };

inline constexpr const char* kNoFormulaCalculates = "ไม่มีสูตรใดคำนวณได้";
inline constexpr const char* kBadSetsRequired = "จำนวนชุดที่ต้องผ่านเกณฑ์ต้องเป็นจำนวนเต็มตั้งแต่ 1";

// "meets", "fails", "incomplete", "no-criterion", "bad-input".
const char* statusName(RecordStatus status);
// "ผ่าน", "ไม่ผ่าน ตอกต่อ", "ข้อมูลไม่ครบ", "ไม่มีเกณฑ์", "ข้อมูลไม่ถูกต้อง".
const char* statusText(RecordStatus status);

enum class RecordFlag { Refusal, Overdriven };
const char* flagName(RecordFlag flag);  // "refusal", "overdriven"
const char* flagText(RecordFlag flag);  // "ถึงจุดปฏิเสธ", "ตอกเกิน"

struct RecordCriterion {
    Formula formula = Formula::EngineeringNews;  // the governing tab
    std::string W, h;                            // the hammer and drop texts it read
    std::string S, set10, blows30;               // the numbers of its result lines
    float set10Value = 0, blows30Value = 0;      // those texts' values
};

struct RecordCheck {
    RecordStatus status = RecordStatus::Incomplete;
    std::optional<std::string> message;  // why bad-input or no-criterion
    std::optional<RecordCriterion> criterion;
    std::optional<std::string> lastSet, lastBlows;  // as typed
    std::vector<RecordFlag> flags;
    std::optional<CapacityTexts> capacity;  // the proven load, from a last set above 0
    std::optional<std::string> capacityMessage;  // why there is none, when the set is above 0
    std::optional<double> depth;            // m, when given as a number
};

// Checks records against one state of the tabs and acceptance settings,
// remembering each criterion by hammer and drop.
class RecordChecker {
public:
    explicit RecordChecker(const PileDocument& document);
    RecordCheck check(const PileRecord& record);

private:
    struct Found {
        std::optional<RecordCriterion> criterion;
        std::string message;
    };
    const Found& criterion(const std::string& hammer, const std::string& drop);

    std::vector<TabInputs> tabs_;  // the acceptance tabs, in order
    std::string separator_;
    std::optional<std::size_t> setsRequired_;  // nothing when K is bad
    std::map<std::pair<std::string, std::string>, Found> found_;
};

std::vector<RecordCheck> checkRecords(const PileDocument& document);

// The counts under the table and the depth driven in all (m, the sum of the
// records' depths that are numbers, as a number text).
struct RecordCounts {
    std::size_t records = 0, meets = 0, fails = 0, incomplete = 0, noCriterion = 0, badInput = 0;
    std::string totalDepth;
};
RecordCounts countRecords(const std::vector<RecordCheck>& checks, std::string_view decimalSeparator);

// The table's columns: their headers, and a record's cells.
enum RecordColumn {
    kMarkColumn, kLocationColumn, kDateColumn, kHammerColumn, kDropColumn, kDepthColumn, kLastSetColumn,
    kCriterionSetColumn, kLastBlowsColumn, kCriterionBlowsColumn, kSafeLoadColumn, kStatusColumn, kFlagsColumn,
    kRecordColumnCount
};
const std::vector<std::string>& recordHeaders();
// The hammer and drop are the record's, or the governing tab's own in
// brackets when the record leaves them empty.
std::vector<std::string> recordCells(const PileRecord& record, const RecordCheck& check);

// The blows per 30 cm by depth: the last count ends at the record's depth,
// each before it 0.3 m higher. Empty without a depth or counts that are numbers.
struct PenetrationStep {
    double top = 0, bottom = 0;  // m below the ground
    double blows = 0;
};
std::vector<PenetrationStep> penetration(const PileRecord& record, std::string_view decimalSeparator);

}  // namespace calc
