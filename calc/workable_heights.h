#pragma once
// The workable drop heights of a formula's tab with one hammer: from the
// least drop at which the blows still prove the load (below it the set is
// negative) to the most the tab's drop-height check lets the pile head take.
// Both ends lie on a 0.1 cm grid, h = k / 10, and each is found by bisection
// over k through calculateTab with the drop-height field (and the hammer
// field, when a hammer is given) holding the grid's text: nothing of a
// formula is computed here.
//
//   to:   the greatest h the tab does not refuse as too high (h ≤ 10 is
//         always taken; the check refuses above its Hmax).
//   from: the least h, not above `to`, whose calculation ends Ok with a set
//         above zero. The set grows with h in all four formulas.
#include <optional>
#include <string>
#include <vector>

#include "calc/tab_calculation.h"

namespace calc {

// The grid ends here: a tab whose head takes more (a very light hammer) has
// no `to`, and `from` is looked for up to this height.
inline constexpr int kMaxWorkableTenths = 100000;  // 10000 cm

struct WorkableRange {
    std::string W;                    // the hammer text the calculations read
    std::optional<std::string> from;  // nothing: no drop up to `to` proves the load
    std::optional<std::string> to;    // nothing: the head takes more than the grid's end
    // The tab's refusal whatever the drop (a field, the hammer, the boxes):
    // then there is neither end.
    std::optional<TabOutcome> refusal;
};

// The range of `tab` with its own hammer, or with `hammer` in the W field.
WorkableRange workableRange(const TabInputs& tab, const std::optional<std::string>& hammer = std::nullopt);

// Only the range's refusal: the one calculation at the lowest drop that
// decides it, without looking for either end.
std::optional<TabOutcome> workableRefusal(const TabInputs& tab, const std::optional<std::string>& hammer = std::nullopt);

// The drop height k / 10 as the grid's text, with the tab's separator.
std::string gridText(int tenths, std::string_view decimalSeparator);

// "ระยะยกที่ใช้ได้ (Hiley, ลูกตุ้ม 5 ตัน): 64.5 – 162 ซม.", or what stands
// in its place when there is no range.
std::string workableLine(Formula formula, const WorkableRange& range);

inline constexpr const char* kNoWorkableRange = "ลูกตุ้มนี้พิสูจน์น้ำหนักไม่ได้ภายในระยะยกที่หัวเสาเข็มรับได้";

}  // namespace calc
