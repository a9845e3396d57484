#include "calc/workable_heights.h"

#include <algorithm>

#include "calc/formula_names.h"
#include "calc/numbers.h"

namespace calc {

namespace {

// The tab with the drop height on the grid, as one Calculate click.
class GridCalculation {
public:
    GridCalculation(const TabInputs& tab, const std::optional<std::string>& hammer) : inputs_(tab)
    {
        const FormulaInfo& info = formulaInfo(tab.formula);
        h_ = static_cast<std::size_t>(*fieldIndex(info, "h"));
        const auto w = static_cast<std::size_t>(*fieldIndex(info, "W"));
        inputs_.texts.resize(std::max({inputs_.texts.size(), h_ + 1, w + 1}));
        if (hammer) inputs_.texts[w] = *hammer;
        W_ = inputs_.texts[w];
    }

    TabOutcome at(int tenths)
    {
        inputs_.texts[h_] = gridText(tenths, inputs_.decimalSeparator);
        return calculateTab(inputs_);
    }

    const std::string& W() const { return W_; }
    const std::string& separator() const { return inputs_.decimalSeparator; }

private:
    TabInputs inputs_;
    std::size_t h_ = 0;
    std::string W_;
};

// A refusal at the lowest drop is one no drop mends: the fields are read,
// and the divisors checked, before the drop.
std::optional<TabOutcome> refusalOf(TabOutcome lowest)
{
    switch (lowest.kind) {
    case OutcomeKind::Ok:
    case OutcomeKind::Negative:
    case OutcomeKind::ZeroSet: return std::nullopt;
    default: return lowest;
    }
}

bool provesLoad(const TabOutcome& outcome) { return outcome.kind == OutcomeKind::Ok && outcome.S && *outcome.S > 0; }

// The least k in (low, high] where `holds` is true, given that it is false at
// `low`, true at `high`, and false then true along the way.
template <typename Holds>
int firstHolding(int low, int high, Holds holds)
{
    while (high - low > 1) {
        const int middle = low + (high - low) / 2;
        if (holds(middle)) high = middle;
        else low = middle;
    }
    return high;
}

}  // namespace

std::string gridText(int tenths, std::string_view decimalSeparator)
{
    return numberText(static_cast<float>(tenths / 10.0), decimalSeparator);
}

WorkableRange workableRange(const TabInputs& tab, const std::optional<std::string>& hammer)
{
    GridCalculation calculation(tab, hammer);
    WorkableRange range;
    range.W = calculation.W();

    range.refusal = refusalOf(calculation.at(1));
    if (range.refusal) return range;

    const auto accepted = [&](int k) { return calculation.at(k).kind != OutcomeKind::DropTooHigh; };
    constexpr int kAlwaysTaken = 100;  // 10 cm
    int top = kMaxWorkableTenths;
    if (!accepted(kMaxWorkableTenths)) {
        top = firstHolding(kAlwaysTaken, kMaxWorkableTenths, [&](int k) { return !accepted(k); }) - 1;
        range.to = gridText(top, calculation.separator());
    }

    const auto proves = [&](int k) { return provesLoad(calculation.at(k)); };
    if (!proves(top)) return range;
    const int from = proves(1) ? 1 : firstHolding(1, top, proves);
    range.from = gridText(from, calculation.separator());
    return range;
}

std::optional<TabOutcome> workableRefusal(const TabInputs& tab, const std::optional<std::string>& hammer)
{
    return refusalOf(GridCalculation(tab, hammer).at(1));
}

std::string workableLine(Formula formula, const WorkableRange& range)
{
    std::string line = std::string("ระยะยกที่ใช้ได้ (") + shortFormulaName(formula) + ", ลูกตุ้ม " + range.W + " ตัน): ";
    const std::string limit = std::to_string(kMaxWorkableTenths / 10);
    if (range.refusal) return line + range.refusal->message.value_or("");
    if (range.from && range.to) return line + *range.from + " – " + *range.to + " ซม.";
    if (range.to) return line + kNoWorkableRange;
    if (range.from)
        return line + "ตั้งแต่ " + *range.from + " ซม. ขึ้นไป (หัวเสาเข็มรับระยะยกได้เกิน " + limit + " ซม.)";
    return line + "ลูกตุ้มนี้พิสูจน์น้ำหนักไม่ได้ภายในระยะยก " + limit + " ซม.";
}

}  // namespace calc
