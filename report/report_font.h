#pragma once
// The font a report is set in: "CordiaUPC" at 14 points, asked for by name.
// Where it is not installed, an installed Thai family stands in, sized so that
// its tallest stack of letter, vowel and tone mark fits the reports' 300-twip
// line pitch as Cordia's does (Cordia draws small for its point size), and
// condensed only where a line would otherwise leave the page; a family without
// Thai letters never stands in.
#include <optional>

#include <QFont>
#include <QString>

#include "report/page.h"

class QPaintDevice;

namespace report {

inline constexpr const char* kReportFamily = "CordiaUPC";

struct ReportFont {
    QString family;
    int stretch = 100;   // percent of the family's normal width
    double scale = 1.0;  // the family's size as a share of the line's point size
};

// "CordiaUPC" when installed, else the first installed of the TLWG families
// that read well (Laksaman first), else any installed family with Thai letters;
// a stand-in is scaled to fit the line pitch. Nothing when no installed family
// has Thai letters.
std::optional<ReportFont> reportFont();

// The font for one line on `device`: the family, stretch and scale, the line's
// size, bold and underline.
QFont lineFont(const ReportFont& font, const Line& line, const QPaintDevice& device);

// The right edge of the line on `device`, in twips from the left edge of the
// printable area.
double lineRightEdge(const ReportFont& font, const Line& line, const QPaintDevice& device);

// The stretch at which every line of the page ends inside the device's width:
// the font's own stretch when the page fits, a narrower one when it does not.
int fittedStretch(const ReportFont& font, const Page& page, const QPaintDevice& device);

}  // namespace report
