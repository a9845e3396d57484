// The painter's bold and underline, seen on a raster image of a line.
#include <algorithm>
#include <ostream>
#include <string>

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include "report/page_painter.h"

namespace report {
namespace {

constexpr int kDpi = 300;
constexpr int kDotsPerMetre = 11811;  // 300 dots per inch
const std::string kText = "ทดสอบ Test ตัวอย่าง 2.140001";

struct Ink {
    long dots = 0;          // dark pixels outside any underline
    bool underline = false; // a dark row across nine tenths of the text
};

// The ink of the line whose top is at `topTwips`, within one line pitch.
Ink inkOf(const QImage& image, int topTwips)
{
    const int top = topTwips * kDpi / 1440;
    const int bottom = std::min(image.height(), (topTwips + 300) * kDpi / 1440 + 30);
    int left = image.width();
    int right = -1;
    const auto dark = [&](int x, int y) { return qGray(image.pixel(x, y)) < 128; };
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (dark(x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    Ink ink;
    for (int y = top; y < bottom; ++y) {
        int row = 0;
        for (int x = 0; x < image.width(); ++x) row += dark(x, y);
        if (right > left && row >= 0.9 * (right - left)) ink.underline = true;
        else ink.dots += row;
    }
    return ink;
}

QImage painted(const Page& page)
{
    QImage image(2600, 400, QImage::Format_RGB32);
    image.setDotsPerMeterX(kDotsPerMetre);
    image.setDotsPerMeterY(kDotsPerMetre);
    image.fill(Qt::white);
    QPainter painter(&image);
    EXPECT_TRUE(paintPage(painter, page));
    painter.end();
    return image;
}

struct StyleCase {
    std::string name;
    bool bold;
    bool underline;
};

void PrintTo(const StyleCase& c, std::ostream* out) { *out << c.name; }

class LineStyle : public testing::TestWithParam<StyleCase> {};

TEST_P(LineStyle, IsPaintedAsThePageSays)
{
    // The line under test above a plain line of the same text.
    Page page;
    page.lines.push_back({900, 300, GetParam().bold, GetParam().underline, 14, kText});
    page.lines.push_back({900, 1000, false, false, 14, kText});
    const QImage image = painted(page);

    const Ink line = inkOf(image, 300);
    const Ink plain = inkOf(image, 1000);
    ASSERT_GT(plain.dots, 0);
    EXPECT_FALSE(plain.underline);
    EXPECT_EQ(line.underline, GetParam().underline);
    const double heavier = static_cast<double>(line.dots) / plain.dots;
    if (GetParam().bold) {
        EXPECT_GT(heavier, 1.15);
    } else {
        EXPECT_NEAR(heavier, 1.0, 0.05);
    }
}

INSTANTIATE_TEST_SUITE_P(Styles, LineStyle,
                         testing::Values(StyleCase{"plain", false, false}, StyleCase{"bold", true, false},
                                         StyleCase{"underlined", false, true},
                                         StyleCase{"bold_underlined", true, true}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace report
