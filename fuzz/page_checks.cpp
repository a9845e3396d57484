#include "page_checks.h"

#include <cmath>

#include "calc/tab_texts.h"
#include "check.h"
#include "report/report_texts.h"
#include "text_checks.h"

namespace fuzz {

namespace {

// The number between a conclusion's prefix and unit, from the only bold and
// underlined line that has them.
WrittenNumber conclusion(const report::Page& page, const std::string& prefix, const std::string& unit,
                         const std::string& separator, const Context& context)
{
    std::optional<WrittenNumber> found;
    int count = 0;
    for (const report::Line& line : page.lines) {
        const std::string& t = line.text;
        if (!line.bold || !line.underline || t.size() <= prefix.size() + unit.size() || !t.starts_with(prefix)
            || !t.ends_with(unit))
            continue;
        ++count;
        const std::string number = t.substr(prefix.size(), t.size() - prefix.size() - unit.size());
        found = readWrittenNumber(number, separator);
        FUZZ_REQUIRE(found, "conclusion " + quoted(t) + " holds no number\n" + context());
    }
    FUZZ_REQUIRE(count == 1, "not one conclusion line " + quoted(prefix) + "\n" + context());
    return *found;
}

}  // namespace

std::string describe(const report::TabSnapshot& tab)
{
    std::string out = "  tab " + std::string(calc::tabTexts(tab.formula).caption) + ", S "
                      + std::to_string(tab.S) + ", separator " + quoted(tab.decimalSeparator);
    for (const auto& [name, text] : tab.texts) out += "\n  " + name + " " + quoted(text);
    for (const auto& [name, on] : tab.checks) out += "\n  " + name + (on ? " ticked" : " clear");
    return out;
}

void checkPage(const report::TabSnapshot& tab, const std::optional<report::Page>& page, const Context& context)
{
    const float S = tab.S;
    const bool concludes = std::isfinite(S) && S != 0 && std::isfinite(10.0f * S) && std::isfinite(30.0f / S);
    FUZZ_REQUIRE(page.has_value() == concludes,
                 "a page must be refused exactly when S gives no conclusion\n" + context());
    if (!page) return;

    // On an A4 page, top to bottom in printing order, all in the report font size.
    int previousY = -1;
    for (const report::Line& line : page->lines) {
        const auto where = [&] {
            return "line " + quoted(line.text) + " at (" + std::to_string(line.x) + ", " + std::to_string(line.y)
                   + ")\n" + context();
        };
        FUZZ_REQUIRE(line.x >= 0 && line.x < kA4Width && line.y >= 0 && line.y < kA4Height, "off the page: " + where());
        FUZZ_REQUIRE(line.y <= kLowestLine, "below the lowest line: " + where());
        FUZZ_REQUIRE(line.y > previousY, "out of printing order: " + where());
        FUZZ_REQUIRE(line.size == 14, "not in the report font size: " + where());
        previousY = line.y;
    }

    // No inf, nan or broken UTF-8 that the tab did not bring itself.
    bool validTab = isValidUtf8(tab.decimalSeparator), cleanTab = !mentionsInfOrNan(tab.decimalSeparator);
    for (const auto& [name, text] : tab.texts) {
        validTab = validTab && isValidUtf8(text);
        cleanTab = cleanTab && !mentionsInfOrNan(text);
    }
    for (const report::Line& line : page->lines) {
        if (validTab)
            FUZZ_REQUIRE(isValidUtf8(line.text), "line " + quoted(line.text) + " not UTF-8\n" + context());
        if (cleanTab)
            FUZZ_REQUIRE(!mentionsInfOrNan(line.text), "line " + quoted(line.text) + " shows inf or nan\n" + context());
    }

    // Every input: its caption, " = " and the field's text.
    const calc::TabTexts& texts = calc::tabTexts(tab.formula);
    for (std::size_t field = 0; field < texts.fieldLabels.size(); ++field) {
        const std::string input = tab.text(texts.fieldLabels[field].name) + report::texts::kInputJoin
                                  + tab.text(calc::fieldName(tab.formula, static_cast<int>(field)));
        bool printed = false;
        for (const report::Line& line : page->lines) printed = printed || line.text == input;
        FUZZ_REQUIRE(printed, "input " + quoted(input) + " not printed\n" + context());
    }

    // The conclusions, each formed as a float: 10 × S in up to 7 digits, and
    // 30 / S rounded to a whole number (a half to the even neighbour).
    const WrittenNumber ten = conclusion(*page, report::texts::kSetOfTenPrefix, report::texts::kSetOfTenUnit,
                                         tab.decimalSeparator, context);
    FUZZ_REQUIRE(roundsTo(ten.value, static_cast<double>(10.0f * S), 7),
                 "10 x S printed as " + ten.cNotation + "\n" + context());
    const WrittenNumber blows = conclusion(*page, report::texts::kBlowsPrefix, report::texts::kBlowsUnit,
                                           tab.decimalSeparator, context);
    const double perFoot = std::nearbyint(static_cast<double>(30.0f / S));
    FUZZ_REQUIRE(blows.scientific || blows.value == std::nearbyint(blows.value),
                 "blows per 30 cm not whole: " + blows.cNotation + "\n" + context());
    FUZZ_REQUIRE(roundsTo(blows.value, perFoot, 7), "blows per 30 cm printed as " + blows.cNotation + "\n" + context());
}

void checkResultsPrinted(const report::Page& page, const std::vector<std::string>& results, const Context& context)
{
    std::size_t next = 0;
    for (std::size_t i = 0; i + 2 < results.size(); ++i) {
        while (next < page.lines.size() && page.lines[next].text != results[i]) ++next;
        FUZZ_REQUIRE(next < page.lines.size(),
                     "result line " + quoted(results[i]) + " not printed in order\n" + context());
        ++next;
    }
}

}  // namespace fuzz
