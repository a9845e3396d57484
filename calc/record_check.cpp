#include "calc/record_check.h"

#include <charconv>
#include <cmath>

#include "calc/driving_chart.h"
#include "calc/formula_names.h"
#include "calc/numbers.h"

namespace calc {

namespace {

// The decimal value, in double, of a text that is a number by the strict rule.
std::optional<double> decimalValue(std::string_view text, std::string_view separator)
{
    if (!textToNumber(text, separator)) return std::nullopt;
    const std::string plain = replaceAll(std::string(text), separator, ".");
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size()) return std::nullopt;
    return value;
}

bool isWhole(float value) { return std::floor(value) == value; }

// The first text of the record that is not a number where one is needed.
std::optional<std::string> badNumber(const PileRecord& r, std::string_view sep)
{
    if (!r.hammer.empty() && !textToNumber(r.hammer, sep)) return "น้ำหนักลูกตุ้มไม่ใช่ตัวเลข";
    if (!r.drop.empty() && !textToNumber(r.drop, sep)) return "ระยะยกลูกตุ้มไม่ใช่ตัวเลข";
    if (!r.depth.empty() && !textToNumber(r.depth, sep)) return "ความลึกที่ตอกไม่ใช่ตัวเลข";
    for (std::size_t i = 0; i < r.blows.size(); ++i) {
        const std::string which = "จำนวนครั้งที่ตอกช่วงที่ " + std::to_string(i + 1);
        const std::optional<float> blows = textToNumber(r.blows[i], sep);
        if (!blows) return which + " ไม่ใช่ตัวเลข";
        if (!isWhole(*blows)) return which + " ต้องเป็นจำนวนเต็ม";
    }
    for (std::size_t i = 0; i < r.sets.size(); ++i)
        if (!textToNumber(r.sets[i], sep)) return "ค่าการทรุดตัวชุดที่ " + std::to_string(i + 1) + " ไม่ใช่ตัวเลข";
    return std::nullopt;
}

std::optional<std::size_t> setsRequired(const std::string& text, std::string_view sep)
{
    const std::optional<float> k = textToNumber(text, sep);
    if (!k || !isWhole(*k) || *k < 1) return std::nullopt;
    return *k > 1e9f ? std::size_t{1000000000} : static_cast<std::size_t>(*k);
}

// A criterion text's value: the number the tab shows, or the value it was
// written from when the text is in the exponent form.
float shownValue(const std::string& text, float writtenFrom, std::string_view sep)
{
    return textToNumber(text, sep).value_or(writtenFrom);
}

std::string fieldText(const TabInputs& tab, const char* symbol)
{
    const auto index = static_cast<std::size_t>(*fieldIndex(formulaInfo(tab.formula), symbol));
    return index < tab.texts.size() ? tab.texts[index] : std::string();
}

}  // namespace

const char* statusName(RecordStatus status)
{
    switch (status) {
    case RecordStatus::Meets: return "meets";
    case RecordStatus::Fails: return "fails";
    case RecordStatus::Incomplete: return "incomplete";
    case RecordStatus::NoCriterion: return "no-criterion";
    case RecordStatus::BadInput: return "bad-input";
    }
    return "";
}

const char* statusText(RecordStatus status)
{
    switch (status) {
    case RecordStatus::Meets: return "ผ่าน";
    case RecordStatus::Fails: return "ไม่ผ่าน ตอกต่อ";
    case RecordStatus::Incomplete: return "ข้อมูลไม่ครบ";
    case RecordStatus::NoCriterion: return "ไม่มีเกณฑ์";
    case RecordStatus::BadInput: return "ข้อมูลไม่ถูกต้อง";
    }
    return "";
}

const char* flagName(RecordFlag flag) { return flag == RecordFlag::Refusal ? "refusal" : "overdriven"; }
const char* flagText(RecordFlag flag) { return flag == RecordFlag::Refusal ? "ถึงจุดปฏิเสธ" : "ตอกเกิน"; }

RecordChecker::RecordChecker(const PileDocument& document)
    : separator_(document.decimalSeparator),
      setsRequired_(setsRequired(document.acceptance.setsRequired, document.decimalSeparator))
{
    const std::string& name = document.acceptance.formula;
    for (const FormulaInfo& info : formulas())
        if (name == kStrictest || name == info.name) tabs_.push_back(document.inputs(info.formula));
}

const RecordChecker::Found& RecordChecker::criterion(const std::string& hammer, const std::string& drop)
{
    const auto key = std::make_pair(hammer, drop);
    if (const auto it = found_.find(key); it != found_.end()) return it->second;

    // One driving-chart row per tab: its own h when the record gives none.
    Found found;
    for (const TabInputs& tab : tabs_) {
        // The row alone: a record has no use for the workable heights.
        ChartRequest request{{tab}, {drop.empty() ? fieldText(tab, "h") : drop}, {}, false};
        if (!hammer.empty()) request.hammers = {hammer};
        const DrivingChart chart = buildDrivingChart(request);
        const ChartRow& row = chart.rows.front();
        if (!row.governing) {
            const ChartColumn& column = chart.columns.front();
            const ChartCell& cell = row.cells.front();
            const std::optional<std::string>& message = column.hasColumns ? cell.message : column.message;
            const OutcomeKind kind = column.hasColumns ? cell.kind : column.kind;
            found.message = message.value_or(markerText(kind));
            continue;
        }
        const ChartCell& cell = row.cells[*row.governing];
        RecordCriterion c{tab.formula, cell.W, row.h, cell.S, cell.set10, cell.blows30,
                          shownValue(cell.set10, cell.set10Value, separator_),
                          shownValue(cell.blows30, cell.blows30Value, separator_)};
        // The chart's governing rule: the most blows per 30 cm, the first on a tie.
        if (!found.criterion || c.blows30Value > found.criterion->blows30Value) found.criterion = std::move(c);
    }
    if (tabs_.size() != 1) found.message = kNoFormulaCalculates;
    return found_.emplace(key, std::move(found)).first->second;
}

RecordCheck RecordChecker::check(const PileRecord& record)
{
    RecordCheck out;
    if (!record.sets.empty()) out.lastSet = record.sets.back();
    if (!record.blows.empty()) out.lastBlows = record.blows.back();
    out.depth = decimalValue(record.depth, separator_);
    const auto fail = [&out](RecordStatus status, std::string message) {
        out.status = status;
        out.message = std::move(message);
        return out;
    };
    if (const std::optional<std::string> bad = badNumber(record, separator_)) return fail(RecordStatus::BadInput, *bad);
    if (!setsRequired_) return fail(RecordStatus::BadInput, kBadSetsRequired);

    const Found& found = criterion(record.hammer, record.drop);
    if (!found.criterion) return fail(RecordStatus::NoCriterion, found.message);
    const RecordCriterion& c = *found.criterion;
    out.criterion = c;

    const std::size_t K = *setsRequired_;
    const auto value = [this](const std::string& text) { return *textToNumber(text, separator_); };
    if (record.sets.size() >= K) {
        bool meets = true;
        for (std::size_t i = record.sets.size() - K; i < record.sets.size(); ++i)
            meets = meets && value(record.sets[i]) <= c.set10Value;
        out.status = meets ? RecordStatus::Meets : RecordStatus::Fails;
    } else if (!record.blows.empty()) {
        out.status = value(record.blows.back()) >= c.blows30Value ? RecordStatus::Meets : RecordStatus::Fails;
    } else {
        out.status = RecordStatus::Incomplete;
    }

    if (out.lastSet && value(*out.lastSet) == 0) out.flags.push_back(RecordFlag::Refusal);
    if (out.lastBlows && value(*out.lastBlows) > 2 * c.blows30Value) out.flags.push_back(RecordFlag::Overdriven);

    if (out.lastSet && value(*out.lastSet) > 0) {
        TabInputs tab;
        for (const TabInputs& t : tabs_)
            if (t.formula == c.formula) tab = t;
        const auto wField = static_cast<std::size_t>(*fieldIndex(formulaInfo(tab.formula), "W"));
        if (tab.texts.size() <= wField) tab.texts.resize(wField + 1);
        tab.texts[wField] = c.W;
        const CapacityCheck capacity =
            checkCapacity(std::move(tab), DrivingRecord{RecordForm::TenBlowSet, *out.lastSet, c.h});
        if (capacity.capacity) out.capacity = capacityTexts(*capacity.capacity, separator_);
        else out.capacityMessage = capacity.message;
    }
    return out;
}

std::vector<RecordCheck> checkRecords(const PileDocument& document)
{
    RecordChecker checker(document);
    std::vector<RecordCheck> checks;
    checks.reserve(document.records.size());
    for (const PileRecord& record : document.records) checks.push_back(checker.check(record));
    return checks;
}

RecordCounts countRecords(const std::vector<RecordCheck>& checks, std::string_view sep)
{
    RecordCounts counts;
    double depth = 0;
    for (const RecordCheck& c : checks) {
        ++counts.records;
        switch (c.status) {
        case RecordStatus::Meets: ++counts.meets; break;
        case RecordStatus::Fails: ++counts.fails; break;
        case RecordStatus::Incomplete: ++counts.incomplete; break;
        case RecordStatus::NoCriterion: ++counts.noCriterion; break;
        case RecordStatus::BadInput: ++counts.badInput; break;
        }
        if (c.depth) depth += *c.depth;
    }
    // Depths are typed to the centimetre or the millimetre.
    counts.totalDepth = numberText(roundHalfEven(depth, 3), sep);
    return counts;
}

const std::vector<std::string>& recordHeaders()
{
    static const std::vector<std::string> headers{
        "หมายเลขเสาเข็ม", "ตำแหน่ง", "วันที่", "น้ำหนักลูกตุ้ม (ตัน)", "ระยะยก (ซม.)", "ความลึก (ม.)",
        "ทรุดตัว 10 ครั้งสุดท้าย (ซม.)", "เกณฑ์ 10 ครั้ง (ซม.)", "ครั้ง/30 ซม. สุดท้าย", "เกณฑ์ ครั้ง/30 ซม.",
        "น้ำหนักปลอดภัยที่พิสูจน์ได้ (ตัน)", "ผล", "ข้อสังเกต"};
    return headers;
}

std::vector<std::string> recordCells(const PileRecord& r, const RecordCheck& c)
{
    const auto used = [&c](const std::string& typed, std::string RecordCriterion::*field) {
        if (!typed.empty() || !c.criterion) return typed;
        return "(" + (*c.criterion).*field + ")";
    };
    std::string flags;
    for (const RecordFlag flag : c.flags) flags += (flags.empty() ? "" : ", ") + std::string(flagText(flag));
    return {r.mark,
            r.location,
            r.date,
            used(r.hammer, &RecordCriterion::W),
            used(r.drop, &RecordCriterion::h),
            r.depth,
            c.lastSet.value_or(""),
            c.criterion ? c.criterion->set10 : "",
            c.lastBlows.value_or(""),
            c.criterion ? c.criterion->blows30 : "",
            c.capacity ? c.capacity->safeLoad : "",
            statusText(c.status),
            flags};
}

std::vector<PenetrationStep> penetration(const PileRecord& record, std::string_view sep)
{
    std::vector<PenetrationStep> steps;
    const std::optional<double> depth = decimalValue(record.depth, sep);
    if (!depth) return steps;
    const std::size_t n = record.blows.size();
    for (std::size_t i = 0; i < n; ++i) {
        const std::optional<double> blows = decimalValue(record.blows[i], sep);
        if (!blows) return {};
        const double bottom = *depth - 0.3 * static_cast<double>(n - 1 - i);
        steps.push_back({bottom - 0.3, bottom, *blows});
    }
    return steps;
}

}  // namespace calc
