// Pile files with sections and records, both ways. The first byte picks the
// decimal separator (bit 0: "," instead of ".") and the way (bit 1):
//
//   0: the rest is the bytes of a pile file, read with that separator;
//   1: the rest builds a document as the windows do, a line an edit (any
//      byte but a line break in the texts, "|" between a line's parts):
//        T<f><i>text                   field i (a byte, taken modulo the count) of tab f
//        M<f><x>                       tab f's material: x odd "rc", else "prestressed"
//        C<f><n>                       tab f's section: built-in row n (a byte)
//        S<f><shape>name|size|first|second   tab f's section: the user's row,
//                                      through the section table's own check
//        R mark|location|date|hammer|drop|depth|blows|sets|inspector|remarks
//                                      a record; blows and sets split at ";"
//        A<n>K|project                 acceptance: formula n (a byte, modulo
//                                      the five names), sets required, project
//      f is a byte taken modulo the tabs with boxes (Hiley, Danish, Janbu) for
//      M, C and S, modulo all four for T. A document with a text that is not
//      UTF-8 is left alone (the windows hand over UTF-8 only).
//
// Invariants, read: reading never throws or crashes; a refused file gives an
// error and no document, with its own reason in Thai (Thai letters in it) and
// in English (not the catch-all); an accepted document is written by
// writePileFile, the program's writer, at the lowest version that holds it
// (2 exactly when it has records, acceptance settings or a section object),
// read back the same, sections, records and tab texts included, and written
// again to the same bytes.
// Invariants, built: the document can be saved (no control character, every
// record with its own mark) exactly when its written file is read back; then
// it reads back the same and writes again to the same bytes.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calc/formula_names.h"
#include "calc/pile_file.h"
#include "calc/pile_sections.h"
#include "calc/user_sections.h"
#include "calculation_script.h"
#include "check.h"
#include "text_checks.h"

namespace {

constexpr std::size_t kMaxRecords = 64;

bool holdsThai(std::string_view text)
{
    // U+0E01..U+0E5B: E0 B8 81..E0 B9 9B in UTF-8.
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (static_cast<unsigned char>(text[i]) == 0xE0
            && (static_cast<unsigned char>(text[i + 1]) == 0xB8 || static_cast<unsigned char>(text[i + 1]) == 0xB9))
            return true;
    return false;
}

bool hasSection(const calc::PileDocument& d)
{
    for (const calc::PileTab& tab : d.tabs)
        if (tab.boxes.section) return true;
    return false;
}

// Written, read back with the document's own separator, written again.
void checkRoundTrip(const calc::PileDocument& d, const fuzz::Context& context)
{
    const std::string written = calc::writePileFile(d);
    const calc::PileFileResult again = calc::readPileFile(written, d.decimalSeparator);
    const auto* back = std::get_if<calc::PileDocument>(&again);
    FUZZ_REQUIRE(back, "a written document was refused (" + calc::englishReason(std::get<calc::PileFileError>(again))
                           + "): " + fuzz::quoted(written) + " from " + context());
    FUZZ_REQUIRE(*back == d, "written and read back differs: " + fuzz::quoted(written) + " from " + context());
    const std::string rewritten = calc::writePileFile(*back);
    FUZZ_REQUIRE(rewritten == written, "written again differs: " + fuzz::quoted(rewritten) + " after "
                                           + fuzz::quoted(written));
    const int version = (!d.records.empty() || d.acceptanceGiven || hasSection(d)) ? 2 : 1;
    FUZZ_REQUIRE(calc::pileFileVersion(d) == version, "version " + std::to_string(calc::pileFileVersion(d))
                                                          + " for " + context());
    const std::string versionKey = "\"version\": " + std::to_string(version) + ",";
    FUZZ_REQUIRE(written.find(versionKey) != std::string::npos, "no " + versionKey + " in " + fuzz::quoted(written));
}

void readFile(std::string_view file, const std::string& separator)
{
    const fuzz::Context context = [&] { return "file " + fuzz::quoted(file); };
    const calc::PileFileResult result = calc::readPileFile(file, separator);
    if (const auto* error = std::get_if<calc::PileFileError>(&result)) {
        const std::string thai = calc::thaiReason(*error), english = calc::englishReason(*error);
        FUZZ_REQUIRE(holdsThai(thai) && thai != "ไฟล์ไม่ถูกต้อง", "Thai reason " + fuzz::quoted(thai) + " for " + context());
        FUZZ_REQUIRE(!english.empty() && english != "bad file", "English reason " + english + " for " + context());
        return;
    }
    const calc::PileDocument& d = std::get<calc::PileDocument>(result);
    FUZZ_REQUIRE(d.decimalSeparator == separator, context());
    FUZZ_REQUIRE(!calc::unsavableField(d) && !calc::thaiUnsavableRecords(d), "unsavable document from " + context());
    checkRoundTrip(d, context);
}

// The parts of a line between "|".
std::vector<std::string> parts(std::string_view line, std::size_t count)
{
    std::vector<std::string> out;
    while (out.size() + 1 < count) {
        const std::size_t bar = line.find('|');
        if (bar == std::string_view::npos) break;
        out.emplace_back(line.substr(0, bar));
        line.remove_prefix(bar + 1);
    }
    out.emplace_back(line);
    out.resize(count);
    return out;
}

calc::Formula boxedTab(unsigned char byte)
{
    static const calc::Formula boxed[] = {calc::Formula::Hiley, calc::Formula::Danish, calc::Formula::Janbu};
    return boxed[byte % 3];
}

void useSection(calc::PileDocument& d, calc::Formula formula, const calc::PileSection& section)
{
    calc::PileBoxes& boxes = d.tab(formula).boxes;
    boxes.square = boxes.round = false;
    boxes.section = section;
}

void edit(calc::PileDocument& d, std::string_view line, std::vector<std::string>& userSections)
{
    if (line.empty()) return;
    const char op = line[0];
    const auto byte = [&](std::size_t i) { return i < line.size() ? static_cast<unsigned char>(line[i]) : 0; };
    const std::string_view rest = line.substr(std::min<std::size_t>(line.size(), 3));
    if (op == 'T') {
        const calc::FormulaInfo& info = calc::formulas()[byte(1) % 4];
        const calc::FieldSymbol& field = info.fields[byte(2) % info.fields.size()];
        d.tab(info.formula).texts.at(static_cast<std::size_t>(field.index)) = std::string(rest);
    } else if (op == 'M') {
        calc::PileBoxes& boxes = d.tab(boxedTab(byte(1))).boxes;
        boxes.reinforced = byte(2) & 1;
        boxes.prestressed = !boxes.reinforced;
    } else if (op == 'C') {
        const auto sections = calc::builtInSections();
        useSection(d, boxedTab(byte(1)), sections[byte(2) % sections.size()]);
    } else if (op == 'S') {
        const std::vector<std::string> p = parts(rest, 4);
        const calc::SectionRow row{p[0], static_cast<calc::SectionShape>(byte(2) % 3), p[1], p[2], p[3]};
        const auto section = calc::sectionOf(row, d.decimalSeparator, userSections);
        if (const auto* s = std::get_if<calc::PileSection>(&section)) {
            userSections.push_back(s->id);
            useSection(d, boxedTab(byte(1)), *s);
        }
    } else if (op == 'R' && d.records.size() < kMaxRecords) {
        const std::vector<std::string> p = parts(line.substr(1), 10);
        d.records.push_back(
            {p[0], p[1], p[2], p[3], p[4], p[5], fuzz::semicolonList(p[6]), fuzz::semicolonList(p[7]), p[8], p[9]});
    } else if (op == 'A') {
        static const char* names[] = {"engineering-news", "hiley", "danish", "janbu", calc::kStrictest};
        const std::vector<std::string> p = parts(line.substr(std::min<std::size_t>(line.size(), 2)), 2);
        d.acceptance = {names[byte(1) % 5], p[0], p[1]};
        d.acceptanceGiven = true;
    }
}

// Every text of the document is UTF-8, as the windows' texts are.
bool isUtf8(const calc::PileDocument& d)
{
    std::vector<const std::string*> texts{&d.acceptance.formula, &d.acceptance.setsRequired, &d.acceptance.project};
    for (const calc::PileTab& tab : d.tabs) {
        for (const std::string& t : tab.texts) texts.push_back(&t);
        if (const auto& s = tab.boxes.section) texts.insert(texts.end(), {&s->id, &s->name, &s->size, &s->area});
    }
    for (const calc::PileRecord& r : d.records) {
        texts.insert(texts.end(), {&r.mark, &r.location, &r.date, &r.hammer, &r.drop, &r.depth, &r.inspector,
                                   &r.remarks});
        for (const auto* list : {&r.blows, &r.sets})
            for (const std::string& t : *list) texts.push_back(&t);
    }
    for (const std::string* t : texts)
        if (!fuzz::isValidUtf8(*t)) return false;
    return true;
}

void buildDocument(std::string_view script, const std::string& separator)
{
    calc::PileDocument d = calc::initialDocument(separator);
    std::vector<std::string> userSections;
    for (const std::string_view line : fuzz::splitLines(script)) edit(d, line, userSections);
    if (!isUtf8(d)) return;
    const fuzz::Context context = [&] { return "script " + fuzz::quoted(script); };
    const bool savable = !calc::unsavableField(d) && !calc::thaiUnsavableRecords(d);
    if (savable) {
        checkRoundTrip(d, context);
        return;
    }
    // What the save refuses, the reader refuses too.
    const calc::PileFileResult again = calc::readPileFile(calc::writePileFile(d), separator);
    FUZZ_REQUIRE(std::holds_alternative<calc::PileFileError>(again), "an unsavable document reads back: " + context());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const std::string separator = (data[0] & 1) ? "," : ".";
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    if (data[0] & 2) buildDocument(rest, separator);
    else readFile(rest, separator);
    return 0;
}
