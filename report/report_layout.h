#pragma once
// Where each report puts its lines: the parts that differ between the four
// reports (title and heading X, the pile-type line, the formula block) and the
// geometry they share. All positions are in twips from the top-left corner of
// the printable area; X is a line's left edge, Y the top of its line.
#include <vector>

#include "calc/tab_texts.h"

namespace report {

inline constexpr int kTitleY = 800;
inline constexpr int kCriteriaX = 1000;
inline constexpr int kCriteriaY = 1400;
inline constexpr int kFirstLineY = 1800;  // the pile-type line, or the first input line without one
inline constexpr int kLineX = 900;        // input, result and conclusion lines
inline constexpr int kMainFormulaX = 1500;
inline constexpr int kRowStep = 300;
inline constexpr int kHeadingGap = 400;   // before the results and the formula heading
inline constexpr int kFontSize = 14;      // points, every line

struct FormulaLine {
    const char* label;  // objectName of the formula label whose caption is printed
    int x;
    bool bold;
};

struct ReportLayout {
    int titleX;
    int headingX;       // results heading and formula heading
    bool pileTypeLine;  // the line at (900, 1800) chosen by the check boxes
    std::vector<FormulaLine> formulaLines;  // below the formula heading, top to bottom
};

const ReportLayout& reportLayout(calc::Formula formula);

}  // namespace report
