#include "calc/pile_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include <nlohmann/json.hpp>


#include "calc/formula_names.h"
#include "calc/numbers.h"
#include "calc/pile_file_records.h"
#include "calc/pile_file_sections.h"
#include "calc/text_rules.h"

namespace calc {

namespace {

using Json = nlohmann::json;
using Kind = PileFileError::Kind;

std::size_t fieldCount(Formula formula)
{
    std::size_t count = 0;
    for (const FieldSymbol& f : formulaInfo(formula).fields)
        count = std::max(count, static_cast<std::size_t>(f.index) + 1);
    return count;
}

PileFileError failure(Kind kind, std::string key = {}, std::string detail = {},
                      Formula formula = Formula::EngineeringNews)
{
    return PileFileError{kind, formula, std::move(key), std::move(detail)};
}

// A two-state pair from its word, or the error; `words` are the false and true words.
std::optional<PileFileError> readPair(const Json& tab, const char* key, const char* falseWord,
                                      const char* trueWord, Formula formula, bool& first, bool& second)
{
    const auto it = tab.find(key);
    if (it == tab.end() || it->is_null()) return std::nullopt;
    if (it->is_string() && *it == falseWord) {
        first = true;
        return std::nullopt;
    }
    if (it->is_string() && *it == trueWord) {
        second = true;
        return std::nullopt;
    }
    return failure(Kind::BadBox, key, {}, formula);
}

std::optional<PileFileError> readTab(const Json& tab, Formula formula, std::string_view fileSeparator,
                                     std::string_view currentSeparator, PileTab& out)
{
    const FormulaInfo& info = formulaInfo(formula);
    const std::string path = std::string("tabs.") + info.name;
    if (!tab.is_object()) return failure(Kind::BadStructure, path);
    out.texts.assign(fieldCount(formula), std::string());
    if (const auto fields = tab.find("fields"); fields != tab.end()) {
        if (!fields->is_object()) return failure(Kind::BadStructure, path + ".fields");
        for (const FieldSymbol& f : info.fields) {
            const auto it = fields->find(f.symbol);
            if (it == fields->end()) continue;
            if (!it->is_string()) return failure(Kind::FieldNotText, f.symbol, {}, formula);
            const std::string& text = it->get_ref<const std::string&>();
            if (holdsControlCharacter(text)) return failure(Kind::ControlCharacter, f.symbol, {}, formula);
            out.texts[static_cast<std::size_t>(f.index)] = replaceAll(text, fileSeparator, currentSeparator);
        }
    }
    if (!info.hasPileBoxes) return std::nullopt;
    if (auto bad = readPair(tab, "material", "rc", "prestressed", formula, out.boxes.reinforced,
                            out.boxes.prestressed))
        return bad;
    if (const auto section = tab.find("section"); section != tab.end() && section->is_object()) {
        out.boxes.section = readSectionObject(*section, fileSeparator);
        if (!out.boxes.section) return failure(Kind::BadBox, "section", {}, formula);
        return std::nullopt;
    }
    return readPair(tab, "section", "square", "round", formula, out.boxes.square, out.boxes.round);
}

}  // namespace

int pileFileVersion(const PileDocument& document)
{
    if (!document.records.empty() || document.acceptanceGiven) return 2;
    for (const PileTab& tab : document.tabs)
        if (tab.boxes.section) return 2;
    return 1;
}

TabInputs PileDocument::inputs(Formula formula) const
{
    return TabInputs{formula, tab(formula).texts, tab(formula).boxes, decimalSeparator};
}

PileDocument initialDocument(std::string_view separator)
{
    PileDocument document;
    document.decimalSeparator = separator;
    for (const FormulaInfo& info : formulas()) document.tab(info.formula).texts = initialTexts(info.formula, separator);
    return document;
}

PileFileResult readPileFile(std::string_view text, std::string_view currentSeparator)
{
    if (text.size() > kPileFileMaxBytes) return failure(Kind::TooLarge);
    if (!isUtf8(text)) return failure(Kind::NotUtf8);
    Json json;
    try {
        json = Json::parse(text);
    } catch (const Json::parse_error& e) {
        return failure(Kind::NotJson, {}, "stopped at byte " + std::to_string(e.byte));
    } catch (const Json::exception&) {
        // out_of_range: a number beyond what a double holds, such as 1e999
        return failure(Kind::NotJson, {}, "a number out of range");
    }
    if (!json.is_object()) return failure(Kind::NotJson, {}, "not an object");
    const auto format = json.find("format");
    if (format == json.end() || !format->is_string() || *format != kPileFileFormat) return failure(Kind::NotPileFile);
    const auto version = json.find("version");
    if (version == json.end() || !version->is_number_integer() || *version < 1) return failure(Kind::BadVersion);
    if (*version > kPileFileVersion) return failure(Kind::NewerVersion, {}, version->dump());

    PileDocument document;
    document.decimalSeparator = std::string(currentSeparator);
    std::string fileSeparator = ".";
    if (const auto sep = json.find("decimal_separator"); sep != json.end()) {
        // One character: the file is valid UTF-8, so one lead byte makes one.
        if (!sep->is_string()) return failure(Kind::BadSeparator);
        const std::string& s = sep->get_ref<const std::string&>();
        std::size_t leads = 0;
        for (const char c : s)
            if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++leads;
        if (leads != 1 || holdsControlCharacter(s)) return failure(Kind::BadSeparator);
        fileSeparator = s;
    }

    const Json empty = Json::object();
    const Json* tabs = &empty;
    if (const auto it = json.find("tabs"); it != json.end()) {
        if (!it->is_object()) return failure(Kind::BadStructure, "tabs");
        tabs = &*it;
    }
    for (const FormulaInfo& info : formulas()) {
        const auto it = tabs->find(info.name);
        if (auto bad = readTab(it == tabs->end() ? empty : *it, info.formula, fileSeparator, currentSeparator,
                               document.tab(info.formula)))
            return *bad;
    }
    if (auto bad = records_file::read(json, fileSeparator, currentSeparator, document)) return *bad;
    return document;
}

PileFileResult loadPileFile(const std::string& path, std::string_view currentSeparator)
{
    // Only a regular file: opening a pipe would wait for a writer.
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found) return failure(Kind::Missing);
    if (!ec && status.type() != std::filesystem::file_type::regular) return failure(Kind::NotRegular);
    errno = 0;
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) {
        if (errno == ENOENT) return failure(Kind::Missing);
        return failure(Kind::Unreadable, {}, std::strerror(errno));
    }
    std::string text;
    char buffer[65536];
    while (text.size() <= kPileFileMaxBytes) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, file.get());
        text.append(buffer, n);
        if (n < sizeof buffer) break;
    }
    if (std::ferror(file.get())) return failure(Kind::Unreadable, {}, std::strerror(errno ? errno : EIO));
    return readPileFile(text, currentSeparator);
}

std::string writePileFile(const PileDocument& document)
{
    using Ordered = nlohmann::ordered_json;
    Ordered tabs = Ordered::object();
    for (const FormulaInfo& info : formulas()) {
        const PileTab& tab = document.tab(info.formula);
        Ordered fields = Ordered::object();
        for (const FieldSymbol& f : info.fields) {
            const auto index = static_cast<std::size_t>(f.index);
            fields[f.symbol] = index < tab.texts.size() ? tab.texts[index] : std::string();
        }
        Ordered entry = {{"fields", std::move(fields)}};
        if (info.hasPileBoxes) {
            const PileBoxes& b = tab.boxes;
            entry["material"] = b.reinforced ? Ordered("rc") : b.prestressed ? Ordered("prestressed") : Ordered();
            entry["section"] = b.section  ? sectionObject(*b.section, document.decimalSeparator)
                               : b.square ? Ordered("square")
                               : b.round  ? Ordered("round")
                                          : Ordered();
        }
        tabs[info.name] = std::move(entry);
    }
    Ordered json = {{"format", kPileFileFormat},
                    {"version", pileFileVersion(document)},
                    {"decimal_separator", document.decimalSeparator},
                    {"tabs", std::move(tabs)}};
    records_file::write(document, json);
    return json.dump(2, ' ', false, Ordered::error_handler_t::replace) + "\n";
}

std::optional<UnsavableField> unsavableField(const PileDocument& document)
{
    for (const FormulaInfo& info : formulas())
        for (const FieldSymbol& f : info.fields) {
            const auto& texts = document.tab(info.formula).texts;
            const auto index = static_cast<std::size_t>(f.index);
            if (index < texts.size() && holdsControlCharacter(texts[index])) return UnsavableField{info.formula, f.index};
        }
    return std::nullopt;
}

}  // namespace calc
