// Number text and text to number against their reference (the routines as
// first written, tests/calc/numbers_reference.cpp): the same text, character
// for character, and the same float, bit for bit, on edge values and on
// random ones. BLOWCOUNT_DIFFERENTIAL_VALUES sets how many random values each
// random test draws (100000 when unset); the long run draws 5000000.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <ios>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "calc/numbers.h"
#include "tests/calc/numbers_reference.h"

namespace {

std::uint64_t randomCount()
{
    const char* set = std::getenv("BLOWCOUNT_DIFFERENTIAL_VALUES");
    return set ? std::strtoull(set, nullptr, 10) : 100000;
}

const char* const kSeparators[] = {".", ",", "\xd9\xab"};

// Counts the values whose texts differ and reports the first few.
struct Differences {
    int count = 0;

    template <typename T>
    void compare(T value)
    {
        for (const char* separator : kSeparators) {
            const std::string fast = calc::numberText(value, separator);
            const std::string reference = calc::reference::numberText(value, separator);
            if (fast == reference) continue;
            if (++count <= 10)
                ADD_FAILURE() << "value " << std::hexfloat << value << " separator \"" << separator << "\": \""
                              << fast << "\" instead of \"" << reference << '"';
        }
    }
};

TEST(NumberTextDifferential, FloatEdges)
{
    using Limits = std::numeric_limits<float>;
    Differences d;
    for (float v : {0.0f, -0.0f, Limits::denorm_min(), Limits::min(), Limits::max(), Limits::lowest(),
                    Limits::infinity(), -Limits::infinity(), Limits::quiet_NaN(), Limits::epsilon()})
        d.compare(v);
    // Every power of ten a float reaches, its neighbours and the halves
    // between 7-digit neighbours just below it.
    for (int e = -46; e <= 39; ++e) {
        const double power = std::pow(10.0, e);
        for (double scale : {1.0, 0.99999995, 0.99999985, 1.0000005, 0.5, 0.25}) {
            float v = static_cast<float>(power * scale);
            for (int step = 0; step < 4; ++step, v = std::nextafter(v, 0.0f)) {
                d.compare(v);
                d.compare(-v);
                d.compare(std::nextafter(v, Limits::infinity()));
            }
        }
    }
    // Whole floats from 10^7 to 2^24 that end in 5: exact halves of the
    // seventh digit, each going to its even neighbour (every seventh of them).
    for (std::uint32_t n = 10'000'005; n < (1u << 24); n += 70) d.compare(static_cast<float>(n));
    EXPECT_EQ(d.count, 0);
}

TEST(NumberTextDifferential, RandomFloats)
{
    std::mt19937_64 random(20261209);
    std::uniform_int_distribution<std::uint32_t> bits;
    std::uniform_real_distribution<double> decades(-6, 9);  // where field values and results lie
    std::uniform_int_distribution<std::uint32_t> digits(1'000'000, 9'999'999);
    Differences d;
    for (std::uint64_t i = randomCount(); i-- > 0;) {
        d.compare(std::bit_cast<float>(bits(random)));
        d.compare(static_cast<float>(std::pow(10.0, decades(random))));
        // A value half-way between two 7-digit texts, as near as a float gets.
        const int exponent = static_cast<int>(decades(random));
        d.compare(static_cast<float>((digits(random) + 0.5) * std::pow(10.0, exponent - 6)));
        if (d.count > 10) break;
    }
    EXPECT_EQ(d.count, 0);
}

TEST(NumberTextDifferential, RandomDoubles)
{
    std::mt19937_64 random(1209);
    std::uniform_real_distribution<double> decades(-6, 16);
    Differences d;
    for (double v : {0.0, -0.0, std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::max(), 1e15,
                     999999999999999.5, 0.1 + 0.2})
        d.compare(v);
    for (std::uint64_t i = randomCount() / 4; i-- > 0 && d.count <= 10;) {
        d.compare(std::bit_cast<double>(random()));
        d.compare(std::pow(10.0, decades(random)));
    }
    EXPECT_EQ(d.count, 0);
}

// Number-shaped texts (runs of digits, zeros often, about a separator:
// tiny fractions, huge whole parts, leading zeros, texts too long for a
// small buffer) and texts of the pieces a field sees most, which are mostly
// not numbers: signs, blanks, letters, the Arabic separator's first byte.
std::string randomText(std::mt19937_64& random, const char* separator)
{
    static const std::vector<std::string> pieces = {"0", "1", "5", "9", "00", "000000000", ".", ",",
                                                    "\xd9\xab", "\xd9", " ", "-", "+", "e", "x"};
    std::string text;
    if (random() % 2) {
        const auto digits = [&](std::uint64_t most) {
            for (std::uint64_t n = random() % (most + 1); n-- > 0;)
                text += static_cast<char>('0' + (random() % 3 ? 0 : random() % 10));
        };
        digits(random() % 4 ? 8 : 60);
        if (random() % 4) text += separator;
        digits(random() % 4 ? 8 : 60);
    } else {
        for (std::uint64_t n = random() % 12; n-- > 0;) text += pieces[random() % pieces.size()];
    }
    return text;
}

// Counts the texts read otherwise and reports the first few.
struct ReadDifferences {
    int count = 0;

    void compare(const std::string& text, const char* separator)
    {
        const std::optional<float> fast = calc::textToNumber(text, separator);
        const std::optional<float> reference = calc::reference::textToNumber(text, separator);
        const bool same = fast.has_value() == reference.has_value()
                          && (!fast || std::bit_cast<std::uint32_t>(*fast) == std::bit_cast<std::uint32_t>(*reference));
        if (!same && ++count <= 10)
            ADD_FAILURE() << "text \"" << text << "\" separator \"" << separator << "\": "
                          << (fast ? std::to_string(*fast) : "none") << " instead of "
                          << (reference ? std::to_string(*reference) : "none");
    }
};

TEST(TextToNumberDifferential, Edges)
{
    // About 2^24 and ten decimals, where whole-number division stops being exact.
    ReadDifferences d;
    for (const char* text : {"16777216", "16777217", "16777215", "167772160", "1677721.7", "1677721.75", "0.1",
                             "0.0000000001", "0.00000000001", "9999999999", "3.4028235", "0", "00.000", "5."})
        for (const char* separator : kSeparators) d.compare(calc::replaceAll(text, ".", separator), separator);
    EXPECT_EQ(d.count, 0);
}

TEST(TextToNumberDifferential, RandomTexts)
{
    std::mt19937_64 random(2126);
    ReadDifferences d;
    for (std::uint64_t i = randomCount(); i-- > 0 && d.count <= 10;)
        for (const char* separator : kSeparators) d.compare(randomText(random, separator), separator);
    EXPECT_EQ(d.count, 0);
}

}  // namespace
