#include "report/report_font.h"

#include <algorithm>
#include <cmath>

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QStringList>

namespace report {

namespace {

// Stand-ins for "CordiaUPC", those closest to its narrow, plain letters first.
constexpr const char* kSubstitutes[] = {"Laksaman", "Norasi", "Sawasdee", "Garuda", "Loma", "Kinnari", "Waree"};

// A report line is 300 twips (15 points) from the next; the ink of a line
// set in a stand-in may take 14 of them, leaving a point between a tone mark
// and the descender or underline of the line above.
constexpr double kInkPoints = 14.0;
// Letters with the tallest stacks above (consonant, vowel, tone mark) and the
// deepest below (descender, lower vowel).
constexpr char16_t kTallestStacks[] = u"\u0e1b\u0e31\u0e49\u0e19 \u0e1f\u0e34\u0e4a \u0e0e\u0e38 \u0e0f\u0e39 \u0e0d\u0e39";

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

// The size, as a share of the line's, at which a 14-point line of `family`
// keeps its ink within kInkPoints.
double inkScale(const QString& family)
{
    constexpr int kEmPixels = 1400;  // large, so that rounding does not matter
    QFont font(family);
    font.setPixelSize(kEmPixels);
    font.setStyleStrategy(QFont::NoFontMerging);
    const QRectF ink = QFontMetricsF(font).tightBoundingRect(QString::fromUtf16(kTallestStacks));
    const double inkPointsAt14 = ink.height() / kEmPixels * 14.0;
    return inkPointsAt14 > kInkPoints ? kInkPoints / inkPointsAt14 : 1.0;
}

ReportFont standIn(const QString& family)
{
    return ReportFont{family, 100, inkScale(family)};
}

}  // namespace

std::optional<ReportFont> reportFont()
{
    if (writesThai(kReportFamily)) return ReportFont{kReportFamily, 100, 1.0};
    for (const char* family : kSubstitutes)
        if (writesThai(family)) return standIn(family);
    for (const QString& family : QFontDatabase::families(QFontDatabase::Thai))
        if (writesThai(family)) return standIn(family);
    return std::nullopt;
}

QFont lineFont(const ReportFont& font, const Line& line, const QPaintDevice& device)
{
    QFont result(font.family);
    result.setPointSizeF(line.size * font.scale);
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
        const ReportFont condensed{font.family, stretch, font.scale};
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
