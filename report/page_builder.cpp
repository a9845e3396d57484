#include "report/page_builder.h"

#include <cmath>
#include <string>
#include <utility>

#include "calc/formula_names.h"
#include "calc/numbers.h"
#include "report/report_layout.h"
#include "report/report_texts.h"

namespace report {

namespace {

// Stands in for the printer while the page is made: bold and underline stay as
// they were last set, and each printed text takes the state in force.
class PageWriter {
public:
    void setBold(bool on) { bold_ = on; }
    void setUnderline(bool on) { underline_ = on; }

    void print(int x, int y, std::string text)
    {
        page_.lines.push_back(Line{x, y, bold_, underline_, kFontSize, std::move(text)});
    }

    Page take() { return std::move(page_); }

private:
    Page page_;
    bool bold_ = false;
    bool underline_ = false;
};

struct Conclusions {
    std::string setOfTen;  // 10 × S
    std::string blows;     // 30 / S
};

std::optional<Conclusions> conclusions(float S, const std::string& separator)
{
    if (S == 0 || !std::isfinite(S)) return std::nullopt;
    const float setOfTen = 10.0f * S;
    const float blows = 30.0f / S;
    if (!std::isfinite(setOfTen) || !std::isfinite(blows)) return std::nullopt;
    const float roundedBlows = calc::roundHalfEven(blows, 0);
    return Conclusions{
        texts::kSetOfTenPrefix + calc::numberText(setOfTen, separator) + texts::kSetOfTenUnit,
        texts::kBlowsPrefix + calc::numberText(roundedBlows, separator) + texts::kBlowsUnit,
    };
}

// The pile-type text of the first combination of ticked boxes, tested in the
// order square RC, round RC, square prestressed, round prestressed; nullptr
// when no combination holds. The window keeps each pair exclusive, so at most
// one holds there.
std::optional<std::string> pileTypeText(const TabSnapshot& tab, const calc::TabTexts& tabTexts)
{
    if (tabTexts.boxes.size() != 4) return std::nullopt;
    const bool rc = tab.checked(tabTexts.boxes[0].name);
    const bool prestressed = tab.checked(tabTexts.boxes[1].name);
    const bool square = tab.checked(tabTexts.boxes[2].name);
    const bool round = tab.checked(tabTexts.boxes[3].name);
    if (rc && square) return texts::kSquareRc;
    if (rc && round) return texts::kRoundRc;
    if (prestressed && square) return texts::kSquarePrestressed;
    if (prestressed && round) return texts::kRoundPrestressed;
    if (tab.section && (rc || prestressed)) return sectionPileType(*tab.section, !rc);
    return std::nullopt;
}

// The input line of field `index`: caption = text, or for the size field of a
// tab with a section in use, the section's name and area.
std::string inputLine(const TabSnapshot& tab, const calc::TabTexts& tabTexts, int index)
{
    const calc::FormulaInfo& info = calc::formulaInfo(tab.formula);
    if (tab.section && info.hasPileBoxes && calc::fieldIndex(info, "D") == index)
        return texts::kSectionCaption + std::string(texts::kInputJoin) + sectionNameAndArea(*tab.section, tab.decimalSeparator);
    const std::string& caption = tab.text(tabTexts.fieldLabels.at(index).name);
    return caption + texts::kInputJoin + tab.text(calc::fieldName(tab.formula, index));
}

}  // namespace

std::string sectionPileType(const calc::PileSection& section, bool prestressed)
{
    return texts::kSectionPilePrefix + section.name + (prestressed ? texts::kSectionPrestressed : texts::kSectionRc);
}

std::string sectionNameAndArea(const calc::PileSection& section, std::string_view separator)
{
    return section.name + texts::kSectionAreaPrefix + calc::replaceAll(section.area, ".", separator)
           + texts::kSectionAreaSuffix;
}

std::optional<Page> buildPage(const TabSnapshot& tab)
{
    const std::optional<Conclusions> conclusion = conclusions(tab.S, tab.decimalSeparator);
    if (!conclusion) return std::nullopt;

    const calc::TabTexts& tabTexts = calc::tabTexts(tab.formula);
    const ReportLayout& layout = reportLayout(tab.formula);
    PageWriter page;

    page.setBold(true);
    page.print(layout.titleX, kTitleY,
               texts::kTitlePrefix + std::string(tabTexts.caption) + texts::kTitleSuffix);

    page.setUnderline(true);
    page.setBold(true);
    page.setBold(false);
    page.print(kCriteriaX, kCriteriaY, texts::kCriteria);

    // Only a pile-type line that is printed switches the underline of the
    // criteria heading off; without one the input lines come out underlined.
    int y = kFirstLineY;
    if (layout.pileTypeLine) {
        if (const std::optional<std::string> pileType = pileTypeText(tab, tabTexts)) {
            page.setUnderline(false);
            page.print(kLineX, y, *pileType);
        }
        y += kRowStep;
    } else {
        page.setUnderline(false);
    }

    for (int field : tabTexts.rows) {
        page.print(kLineX, y, inputLine(tab, tabTexts, field));
        y += kRowStep;
    }

    y += kHeadingGap - kRowStep;
    page.setUnderline(true);
    page.setBold(true);
    page.print(layout.headingX, y, texts::kResultsHeading);
    page.setUnderline(false);
    page.setBold(false);

    // The last two result labels (10 × S and 30 / S on the screen) give way to
    // the conclusion lines.
    const std::vector<const char*>& results = tabTexts.resultLabels;
    for (std::size_t i = 0; i + 2 < results.size(); ++i) {
        y += kRowStep;
        page.print(kLineX, y, tab.text(results[i]));
    }

    page.setUnderline(true);
    page.setBold(true);
    y += kRowStep;
    page.print(kLineX, y, conclusion->setOfTen);
    page.setUnderline(true);
    page.setBold(true);
    y += kRowStep;
    page.print(kLineX, y, conclusion->blows);

    page.setUnderline(true);
    page.setBold(true);
    y += kHeadingGap;
    page.print(layout.headingX, y, tabTexts.caption);

    page.setUnderline(false);
    for (const FormulaLine& line : layout.formulaLines) {
        page.setBold(line.bold);
        y += kRowStep;
        page.print(line.x, y, tab.text(line.label));
    }
    return page.take();
}

}  // namespace report
