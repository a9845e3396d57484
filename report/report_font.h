#pragma once
// The font a report is set in: "CordiaUPC" at 14 points, asked for by name.
// Where it is not installed, an installed Thai family of similar width stands
// in, condensed to the width of the reports' longest line; a family without
// Thai letters never does.
#include <optional>

#include <QFont>
#include <QString>

#include "report/page.h"

class QPaintDevice;

namespace report {

inline constexpr const char* kReportFamily = "CordiaUPC";

struct ReportFont {
    QString family;
    int stretch = 100;  // percent of the family's normal width
};

// "CordiaUPC" when installed, else the first installed of the TLWG families
// that read well (Laksaman at 97 % first), else any installed family with Thai
// letters at its normal width; nothing when no installed family has them.
std::optional<ReportFont> reportFont();

// The font for one line on `device`: the family and stretch, the line's size,
// bold and underline.
QFont lineFont(const ReportFont& font, const Line& line, const QPaintDevice& device);

// The right edge of the line on `device`, in twips from the left edge of the
// printable area.
double lineRightEdge(const ReportFont& font, const Line& line, const QPaintDevice& device);

// The stretch at which every line of the page ends inside the device's width:
// the font's own stretch when the page fits, a narrower one when it does not.
int fittedStretch(const ReportFont& font, const Page& page, const QPaintDevice& device);

}  // namespace report
