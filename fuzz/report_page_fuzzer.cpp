// The report page builder, on any tab as it may stand when Print is clicked.
//
// The first line is a header: its first byte picks the tab and the mode (e, h,
// d, j for Engineering News, Hiley, Danish, Janbu; any other byte by its value);
// the second the decimal separator ("," or else "."); the next four tick the
// RC, prestressed, square and round boxes (odd bytes tick).
//
// In lower case, the snapshot is arbitrary: the rest of the header is S (read
// by strtof, so "nan", "inf" and "1e-45" are S too), and the next lines are the
// texts of the tab's labels and fields, in the order: field captions, fields,
// result labels, fixed labels.
//
// In upper case, the rest of the header is not read, and the lines after it
// are Calculate clicks exactly as for the calculator targets (see
// calculation_script.h); after each click Print is pressed on the tab as the
// window then shows it:
// the current field texts beside the last result lines written and the S
// stored. Once a calculation has shown the print button the page must come.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "calc/danish.h"
#include "calc/engineering_news.h"
#include "calc/hiley.h"
#include "calc/janbu.h"
#include "calc/tab_texts.h"
#include "calculation_script.h"
#include "calculator_checks.h"
#include "calculator_fuzzing.h"
#include "check.h"
#include "page_checks.h"
#include "report/page_builder.h"
#include "report/snapshot.h"
#include "tab_rules.h"

namespace {

constexpr std::size_t kMaxPrints = 4;

calc::Formula formulaOf(char c)
{
    switch (std::tolower(static_cast<unsigned char>(c))) {
    case 'e': return calc::Formula::EngineeringNews;
    case 'h': return calc::Formula::Hiley;
    case 'd': return calc::Formula::Danish;
    case 'j': return calc::Formula::Janbu;
    default: return static_cast<calc::Formula>(static_cast<unsigned char>(c) % 4);
    }
}

bool fromOutcomes(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if (std::isalpha(byte)) return std::isupper(byte) != 0;
    return (byte & 4) != 0;
}

// Every name the report may read, in the order the lines fill them.
std::vector<std::string> namesOf(calc::Formula formula)
{
    const calc::TabTexts& texts = calc::tabTexts(formula);
    std::vector<std::string> names;
    for (const calc::NamedText& label : texts.fieldLabels) names.emplace_back(label.name);
    for (std::size_t i = 0; i < texts.fieldLabels.size(); ++i)
        names.push_back(calc::fieldName(formula, static_cast<int>(i)));
    for (const char* label : texts.resultLabels) names.emplace_back(label);
    for (const calc::NamedText& label : texts.fixedLabels) names.emplace_back(label.name);
    return names;
}

void printArbitraryTab(calc::Formula formula, std::string_view header, const std::vector<std::string_view>& lines)
{
    report::TabSnapshot tab;
    tab.formula = formula;
    tab.decimalSeparator = fuzz::separatorOf(header.size() > 1 ? header[1] : '.');
    const calc::PileBoxes boxes = fuzz::boxesOf(header.size() > 2 ? header.substr(2) : std::string_view());
    const calc::TabTexts& texts = calc::tabTexts(formula);
    if (texts.boxes.size() == 4) {
        tab.checks[texts.boxes[0].name] = boxes.reinforced;
        tab.checks[texts.boxes[1].name] = boxes.prestressed;
        tab.checks[texts.boxes[2].name] = boxes.square;
        tab.checks[texts.boxes[3].name] = boxes.round;
    }
    tab.S = header.size() > 6 ? std::strtof(std::string(header.substr(6)).c_str(), nullptr) : 0.0f;
    const std::vector<std::string> names = namesOf(formula);
    for (std::size_t i = 1; i < lines.size() && i - 1 < names.size(); ++i) tab.texts[names[i - 1]] = lines[i];

    fuzz::checkPage(tab, report::buildPage(tab), [&] { return fuzz::describe(tab); });
}

template <typename Inputs, typename State>
void printAfterClicks(calc::Formula formula, const fuzz::Calculator<Inputs, State>& calculator, std::string_view rest)
{
    const fuzz::TabRules& rules = fuzz::tabRules(formula);
    State state{};
    std::vector<std::string> shownResults;  // the result labels as the last written calculation left them
    bool printButton = false;
    for (const fuzz::Click& c : fuzz::readClicks(rest, rules.fieldCount, kMaxPrints)) {
        if (c.stateBefore) {
            // A tab that starts from this state: no calculation has shown the
            // print button or written results yet.
            state = fuzz::stateOf<State>(*c.stateBefore);
            shownResults.clear();
            printButton = false;
        }
        fuzz::ClickResult result;
        const calc::Outcome<State> out = fuzz::click(calculator, c, state, result);
        fuzz::checkClick(rules, c, result);
        state = out.state;
        if (out.results) shownResults = *out.results;
        if (out.printable)
            FUZZ_REQUIRE(out.state.S >= 0 && out.results, "print shown without S >= 0 and results\n"
                                                              + fuzz::describe(c, result));
        printButton = printButton || out.printable;
        if (!printButton) continue;

        const report::TabSnapshot tab = report::snapshotAfterCalculation(
            formula, c.texts, c.boxes, shownResults, state.S, c.separator);
        const std::optional<report::Page> page = report::buildPage(tab);
        const fuzz::Context context = [&] { return fuzz::describe(c, result) + "\n" + fuzz::describe(tab); };
        FUZZ_REQUIRE(page, "no page after a calculation that showed the print button\n" + context());
        fuzz::checkPage(tab, page, context);
        fuzz::checkResultsPrinted(*page, shownResults, context);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string_view> lines = fuzz::splitLines(input);
    if (lines.empty() || lines[0].empty()) return 0;
    const std::string_view header = lines[0];
    const calc::Formula formula = formulaOf(header[0]);

    if (!fromOutcomes(header[0])) {
        printArbitraryTab(formula, header, lines);
        return 0;
    }
    const std::string_view rest = input.substr(std::min(input.size(), header.size() + 1));
    switch (formula) {
    case calc::Formula::EngineeringNews:
        printAfterClicks(formula, fuzz::Calculator<calc::EngineeringNewsInputs, calc::EngineeringNewsState>{
                                      &calc::CalculateEngineeringNews, nullptr}, rest);
        break;
    case calc::Formula::Hiley:
        printAfterClicks(formula, fuzz::Calculator<calc::HileyInputs, calc::HileyState>{
                                      &calc::CalculateHiley, &calc::HileyState::A}, rest);
        break;
    case calc::Formula::Danish:
        printAfterClicks(formula, fuzz::Calculator<calc::DanishInputs, calc::DanishState>{
                                      &calc::CalculateDanish, &calc::DanishState::A}, rest);
        break;
    case calc::Formula::Janbu:
        printAfterClicks(formula, fuzz::Calculator<calc::JanbuInputs, calc::JanbuState>{
                                      &calc::CalculateJanbu, &calc::JanbuState::A}, rest);
        break;
    }
    return 0;
}
