#include "calc/pile_file_records.h"

#include <array>
#include <unordered_set>

#include "calc/numbers.h"
#include "calc/text_rules.h"

namespace calc::records_file {

namespace {

using Json = nlohmann::json;
using Ordered = nlohmann::ordered_json;
using Kind = PileFileError::Kind;

// `where`: the record's position from 1, or empty for the acceptance settings.
PileFileError failure(Kind kind, std::string key, std::string where)
{
    return PileFileError{kind, Formula::EngineeringNews, std::move(key), std::move(where)};
}

struct TextReader {
    std::string_view fileSeparator, currentSeparator;
    std::string where;

    // The text under `key` (empty when missing or null) into `out`.
    std::optional<PileFileError> text(const Json& object, const char* key, std::string& out, bool number) const
    {
        const auto it = object.find(key);
        if (it == object.end() || it->is_null()) return std::nullopt;
        if (!it->is_string()) return failure(Kind::RecordNotText, key, where);
        const std::string& value = it->get_ref<const std::string&>();
        if (holdsControlCharacter(value)) return failure(Kind::RecordControlCharacter, key, where);
        out = number ? replaceAll(value, fileSeparator, currentSeparator) : value;
        return std::nullopt;
    }

    std::optional<PileFileError> list(const Json& object, const char* key, std::vector<std::string>& out) const
    {
        const auto it = object.find(key);
        if (it == object.end() || it->is_null()) return std::nullopt;
        if (!it->is_array()) return failure(Kind::RecordNotText, key, where);
        out.reserve(it->size());
        for (const Json& item : *it) {
            if (!item.is_string()) return failure(Kind::RecordNotText, key, where);
            const std::string& value = item.get_ref<const std::string&>();
            if (holdsControlCharacter(value)) return failure(Kind::RecordControlCharacter, key, where);
            out.push_back(replaceAll(value, fileSeparator, currentSeparator));
        }
        return std::nullopt;
    }
};

std::optional<PileFileError> readRecord(const Json& json, TextReader& reader, PileRecord& record)
{
    if (!json.is_object()) return failure(Kind::BadRecords, "records", reader.where);
    const std::array<std::pair<const char*, std::string*>, 5> free{
        {{"mark", &record.mark}, {"location", &record.location}, {"date", &record.date},
         {"inspector", &record.inspector}, {"remarks", &record.remarks}}};
    for (const auto& [key, out] : free)
        if (auto bad = reader.text(json, key, *out, false)) return bad;
    const std::array<std::pair<const char*, std::string*>, 3> numbers{
        {{"hammer", &record.hammer}, {"drop", &record.drop}, {"depth", &record.depth}}};
    for (const auto& [key, out] : numbers)
        if (auto bad = reader.text(json, key, *out, true)) return bad;
    if (auto bad = reader.list(json, "blows", record.blows)) return bad;
    return reader.list(json, "sets", record.sets);
}

}  // namespace

std::optional<PileFileError> read(const Json& file, std::string_view fileSeparator, std::string_view currentSeparator,
                                  PileDocument& document)
{
    TextReader reader{fileSeparator, currentSeparator, {}};
    if (const auto it = file.find("records"); it != file.end() && !it->is_null()) {
        if (!it->is_array()) return failure(Kind::BadRecords, "records", {});
        document.records.resize(it->size());
        std::unordered_set<std::string_view> marks;
        for (std::size_t i = 0; i < it->size(); ++i) {
            reader.where = std::to_string(i + 1);
            PileRecord& record = document.records[i];
            if (auto bad = readRecord((*it)[i], reader, record)) return bad;
            if (record.mark.empty()) return failure(Kind::MissingMark, {}, reader.where);
            if (!marks.insert(record.mark).second) return failure(Kind::DuplicateMark, record.mark, reader.where);
        }
    }
    reader.where.clear();
    if (const auto it = file.find("acceptance"); it != file.end() && !it->is_null()) {
        if (!it->is_object()) return failure(Kind::BadRecords, "acceptance", {});
        AcceptanceSettings& settings = document.acceptance;
        if (auto bad = reader.text(*it, "formula", settings.formula, false)) return bad;
        if (auto bad = reader.text(*it, "sets_required", settings.setsRequired, false)) return bad;
        if (auto bad = reader.text(*it, "project", settings.project, false)) return bad;
        if (!isAcceptanceFormula(settings.formula))
            return failure(Kind::BadAcceptanceFormula, "formula", settings.formula);
        document.acceptanceGiven = true;
    }
    return std::nullopt;
}

void write(const PileDocument& document, Ordered& file)
{
    if (!document.records.empty()) {
        Ordered records = Ordered::array();
        for (const PileRecord& r : document.records)
            records.push_back({{"mark", r.mark},       {"location", r.location}, {"date", r.date},
                               {"hammer", r.hammer},   {"drop", r.drop},         {"depth", r.depth},
                               {"blows", r.blows},     {"sets", r.sets},         {"inspector", r.inspector},
                               {"remarks", r.remarks}});
        file["records"] = std::move(records);
    }
    if (document.acceptanceGiven) {
        const AcceptanceSettings& a = document.acceptance;
        file["acceptance"] = {{"formula", a.formula}, {"sets_required", a.setsRequired}, {"project", a.project}};
    }
}

std::optional<std::string> thaiReason(const PileFileError& e)
{
    const std::string where = e.detail.empty() || e.kind == Kind::BadAcceptanceFormula
                                  ? std::string("เกณฑ์การยอมรับ")
                                  : "บันทึกการตอกลำดับที่ " + e.detail;
    switch (e.kind) {
    case Kind::BadRecords:
        return e.detail.empty() ? "โครงสร้างของไฟล์ไม่ถูกต้องที่ " + e.key : where + " ไม่ใช่ออบเจกต์";
    case Kind::RecordNotText: return where + ": ช่อง " + e.key + " ไม่ใช่ข้อความ";
    case Kind::RecordControlCharacter: return where + ": ช่อง " + e.key + " มีอักขระควบคุม";
    case Kind::MissingMark: return where + " ไม่มีหมายเลขเสาเข็ม";
    case Kind::DuplicateMark: return where + ": หมายเลขเสาเข็ม " + e.key + " ซ้ำ";
    case Kind::BadAcceptanceFormula: return "สูตรของเกณฑ์การยอมรับ \"" + e.detail + "\" ไม่ถูกต้อง";
    default: return std::nullopt;
    }
}

std::optional<std::string> englishReason(const PileFileError& e)
{
    const std::string where = e.detail.empty() ? std::string("\"acceptance\"") : "record " + e.detail;
    switch (e.kind) {
    case Kind::BadRecords:
        return e.detail.empty() ? "\"" + e.key + "\" is not " + (e.key == "records" ? "a list" : "an object")
                                : where + " is not an object";
    case Kind::RecordNotText:
        return where + ": \"" + e.key + "\" is not "
               + (e.key == "blows" || e.key == "sets" ? "a list of texts" : "a text");
    case Kind::RecordControlCharacter: return where + ": \"" + e.key + "\" holds a control character";
    case Kind::MissingMark: return where + " has no \"mark\"";
    case Kind::DuplicateMark: return where + ": the mark '" + e.key + "' is given twice";
    case Kind::BadAcceptanceFormula:
        return "\"acceptance\": unknown formula '" + e.detail
               + "' (engineering-news, hiley, danish, janbu or strictest)";
    default: return std::nullopt;
    }
}

}  // namespace calc::records_file

namespace calc {

std::optional<std::string> thaiUnsavableRecords(const PileDocument& document)
{
    if (const std::optional<MarkProblem> problem = markProblem(document.records)) {
        const PileRecord& r = document.records[problem->index];
        return problem->duplicate ? "หมายเลขเสาเข็ม " + r.mark + " ซ้ำ"
                                  : "บันทึกการตอกลำดับที่ " + std::to_string(problem->index + 1) + " ไม่มีหมายเลขเสาเข็ม";
    }
    for (const PileRecord& r : document.records) {
        bool control = false;
        for (const std::string* text : {&r.mark, &r.location, &r.date, &r.hammer, &r.drop, &r.depth, &r.inspector,
                                        &r.remarks})
            control = control || holdsControlCharacter(*text);
        for (const auto* list : {&r.blows, &r.sets})
            for (const std::string& text : *list) control = control || holdsControlCharacter(text);
        if (control) return "บันทึกของเสาเข็ม " + r.mark + " มีอักขระควบคุม";
    }
    const AcceptanceSettings& a = document.acceptance;
    for (const std::string* text : {&a.formula, &a.setsRequired, &a.project})
        if (holdsControlCharacter(*text)) return std::string("เกณฑ์การยอมรับมีอักขระควบคุม");
    return std::nullopt;
}

}  // namespace calc
