#include "report/report_font.h"

#include <algorithm>
#include <cmath>

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QStringList>

namespace report {

namespace {

// Stand-ins for "CordiaUPC", narrowest first, each condensed so that the
// reports' longest line (the Hiley efficiency line at X 1000) stays on A4.
struct Substitute {
    const char* family;
    int stretch;
};
constexpr Substitute kSubstitutes[] = {
    {"Laksaman", 97},
    {"Norasi", 95},
    {"Sawasdee", 95},
    {"Garuda", 94},
    {"Loma", 94},
    {"Kinnari", 92},
    {"Waree", 90},
};

constexpr int kNarrowestStretch = 50;
constexpr char16_t kThaiKoKai = u'\u0e01';
constexpr char16_t kThaiSaraAm = u'\u0e33';

bool writesThai(const QString& family)
{
    if (!QFontDatabase::hasFamily(family)) return false;
    QFont font(family);
    font.setStyleStrategy(QFont::NoFontMerging);
    const QFontMetricsF metrics(font);
    return metrics.inFont(QChar(kThaiKoKai)) && metrics.inFont(QChar(kThaiSaraAm));
}

}  // namespace

std::optional<ReportFont> reportFont()
{
    if (writesThai(kReportFamily)) return ReportFont{kReportFamily, 100};
    for (const Substitute& substitute : kSubstitutes)
        if (writesThai(substitute.family)) return ReportFont{substitute.family, substitute.stretch};
    for (const QString& family : QFontDatabase::families(QFontDatabase::Thai))
        if (writesThai(family)) return ReportFont{family, 100};
    return std::nullopt;
}

QFont lineFont(const ReportFont& font, const Line& line, const QPaintDevice& device)
{
    QFont result(font.family);
    result.setPointSize(line.size);
    result.setStretch(font.stretch);
    result.setBold(line.bold);
    result.setUnderline(line.underline);
    result.setHintingPreference(QFont::PreferNoHinting);
    return QFont(result, &device);
}

double lineRightEdge(const ReportFont& font, const Line& line, const QPaintDevice& device)
{
    const QFontMetricsF metrics(lineFont(font, line, device), &device);
    const double advance = metrics.horizontalAdvance(QString::fromStdString(line.text));
    return line.x + advance * 1440.0 / device.logicalDpiX();
}

int fittedStretch(const ReportFont& font, const Page& page, const QPaintDevice& device)
{
    const double width = device.width() * 1440.0 / device.logicalDpiX();
    const auto overflow = [&](int stretch) {
        const ReportFont condensed{font.family, stretch};
        double scale = 1.0;
        for (const Line& line : page.lines) {
            const double right = lineRightEdge(condensed, line, device);
            if (right > width) scale = std::min(scale, (width - line.x) / (right - line.x));
        }
        return scale;
    };
    // Glyph advances shrink almost in proportion to the stretch; a step or two
    // more makes up for the rest.
    int stretch = font.stretch;
    for (double scale = overflow(stretch); scale < 1.0 && stretch > kNarrowestStretch; scale = overflow(stretch))
        stretch = std::max(kNarrowestStretch, std::min(stretch - 1, static_cast<int>(std::floor(stretch * scale))));
    return stretch;
}

}  // namespace report
