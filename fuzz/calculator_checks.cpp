#include "calculator_checks.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "calc/messages.h"
#include "calc/numbers.h"
#include "check.h"
#include "text_checks.h"

namespace fuzz {

namespace {

const std::string kDropPrefix = "ระยะยกลูกตุ้มมากเกินไป หัวเข็มอาจระเบิดได้ ควรน้อยกว่า ";
const std::string kDropSuffix = "  ซม. ควรลดลงมาอีก";

const char* kindName(calc::OutcomeKind kind)
{
    switch (kind) {
    case calc::OutcomeKind::Ok: return "ok";
    case calc::OutcomeKind::Incomplete: return "incomplete";
    case calc::OutcomeKind::NotANumber: return "not_a_number";
    case calc::OutcomeKind::NotPositive: return "not_positive";
    case calc::OutcomeKind::DropTooHigh: return "drop_too_high";
    case calc::OutcomeKind::Negative: return "negative";
    case calc::OutcomeKind::ZeroSet: return "zero_set";
    case calc::OutcomeKind::OutOfRange: return "out_of_range";
    }
    return "?";
}

bool sameBits(float a, float b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool sameBits(const std::vector<float>& a, const std::vector<float>& b)
{
    return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(float)) == 0);
}

const char* fixedMessage(calc::OutcomeKind kind)
{
    switch (kind) {
    case calc::OutcomeKind::Incomplete: return calc::messages::kIncomplete;
    case calc::OutcomeKind::NotANumber: return calc::messages::kNotANumber;
    case calc::OutcomeKind::NotPositive: return calc::messages::kNotPositive;
    case calc::OutcomeKind::Negative: return calc::messages::kNegative;
    case calc::OutcomeKind::ZeroSet: return calc::messages::kZeroSet;
    case calc::OutcomeKind::OutOfRange: return calc::messages::kOutOfRange;
    default: return nullptr;
    }
}

void checkShownText(const std::string& text, const std::string& what, const Context& context)
{
    FUZZ_REQUIRE(isValidUtf8(text), what + " is not valid UTF-8: " + quoted(text) + "\n" + context());
    FUZZ_REQUIRE(!mentionsInfOrNan(text), what + " shows inf or nan: " + quoted(text) + "\n" + context());
}

// The composed drop-height message names a whole number of centimetres.
void checkDropMessage(const std::string& message, const std::string& separator, const Context& context)
{
    const bool framed = message.size() > kDropPrefix.size() + kDropSuffix.size()
                        && message.starts_with(kDropPrefix) && message.ends_with(kDropSuffix);
    FUZZ_REQUIRE(framed, "drop-height message not in its form\n" + context());
    const std::string limit =
        message.substr(kDropPrefix.size(), message.size() - kDropPrefix.size() - kDropSuffix.size());
    const std::optional<WrittenNumber> number = readWrittenNumber(limit, separator);
    FUZZ_REQUIRE(number && number->value >= 0, "drop-height limit " + quoted(limit) + " is no number\n" + context());
    FUZZ_REQUIRE(number->scientific || number->value == std::nearbyint(number->value),
                 "drop-height limit " + quoted(limit) + " is not whole\n" + context());
}

}  // namespace

std::string describe(const Click& click, const ClickResult& result)
{
    std::string out = "  separator " + quoted(click.separator) + ", boxes rc/pre/sq/rd "
                      + std::to_string(click.boxes.reinforced) + std::to_string(click.boxes.prestressed)
                      + std::to_string(click.boxes.square) + std::to_string(click.boxes.round) + "\n  texts:";
    for (const std::string& t : click.texts) out += " " + quoted(t);
    out += "\n  outcome " + std::string(kindName(result.kind)) + ", focus "
           + (result.focus ? std::to_string(*result.focus) : "none") + ", printable "
           + std::to_string(result.printable) + ", S " + std::to_string(result.sBefore) + " -> "
           + std::to_string(result.sAfter);
    if (result.message) out += "\n  message " + quoted(*result.message);
    if (result.results)
        for (const std::string& line : *result.results) out += "\n  line " + quoted(line);
    return out;
}

void checkClick(const TabRules& rules, const Click& click, const ClickResult& r)
{
    using calc::OutcomeKind;
    const Context context = [&] { return describe(click, r); };

    // The refusals come in their defined order: an empty field or an unticked
    // pair, a text that is not a number (the first in conversion order), a
    // divisor of 0 (the first in conversion order).
    const bool anyEmpty =
        std::any_of(click.texts.begin(), click.texts.end(), [](const std::string& t) { return t.empty(); });
    const bool incomplete = anyEmpty || (rules.hasBoxes && !click.boxes.complete());
    std::vector<std::optional<float>> values(rules.fieldCount);
    std::optional<int> firstNotANumber, firstZero;
    for (int field : rules.conversionOrder) {
        const auto i = static_cast<std::size_t>(field);
        values[i] = calc::textToNumber(click.texts[i], click.separator);
        if (!values[i] && !firstNotANumber) firstNotANumber = field;
    }
    if (!firstNotANumber)
        for (int field : rules.conversionOrder)
            if (!firstZero && *values[static_cast<std::size_t>(field)] == 0
                && std::find(rules.divisors.begin(), rules.divisors.end(), field) != rules.divisors.end())
                firstZero = field;

    if (incomplete) {
        FUZZ_REQUIRE(r.kind == OutcomeKind::Incomplete && r.focus == 0, "incomplete input not refused\n" + context());
        FUZZ_REQUIRE(sameBits(r.before, r.after), "incomplete input changed the tab state\n" + context());
    } else if (firstNotANumber) {
        FUZZ_REQUIRE(r.kind == OutcomeKind::NotANumber && r.focus == firstNotANumber,
                     "the first text that is no number not named\n" + context());
    } else if (firstZero) {
        FUZZ_REQUIRE(r.kind == OutcomeKind::NotPositive && r.focus == firstZero,
                     "the first divisor of 0 not named\n" + context());
    } else {
        FUZZ_REQUIRE(r.kind != OutcomeKind::Incomplete && r.kind != OutcomeKind::NotANumber,
                     "complete numeric input refused as such\n" + context());
        if (r.kind == OutcomeKind::NotPositive)
            FUZZ_REQUIRE(rules.sizeField >= 0 && r.focus == rules.sizeField && r.areaAfter && *r.areaAfter == 0,
                         "refused as 0 without a divisor or an area of 0\n" + context());
    }

    // Each outcome with its message, focus, result lines and print button.
    if (const char* expected = fixedMessage(r.kind))
        FUZZ_REQUIRE(r.message == expected, "not the defined message\n" + context());
    switch (r.kind) {
    case OutcomeKind::Ok:
        FUZZ_REQUIRE(!r.message && r.printable && r.sAfter > 0, "a calculation without message\n" + context());
        break;
    case OutcomeKind::Negative:
        FUZZ_REQUIRE(!r.printable && r.sAfter < 0 && r.focus == rules.dropField, "a negative set\n" + context());
        break;
    case OutcomeKind::DropTooHigh:
        FUZZ_REQUIRE(r.message && r.focus == rules.dropField, "a drop-height refusal\n" + context());
        checkDropMessage(*r.message, click.separator, context);
        FUZZ_REQUIRE(*values[static_cast<std::size_t>(rules.dropField)] > 10,
                     "a drop of 10 cm or less refused\n" + context());
        break;
    case OutcomeKind::ZeroSet:
        FUZZ_REQUIRE(r.focus == rules.dropField, "a set of 0\n" + context());
        break;
    case OutcomeKind::OutOfRange:
        FUZZ_REQUIRE(r.focus == 0, "a value out of range\n" + context());
        break;
    default:
        break;
    }
    const bool written = r.kind == OutcomeKind::Ok || r.kind == OutcomeKind::Negative;
    if (written) {
        FUZZ_REQUIRE(r.results && r.results->size() == rules.resultCount, "not the tab's result lines\n" + context());
        for (const std::string& line : *r.results) checkShownText(line, "a result line", context);
    } else {
        FUZZ_REQUIRE(!r.results && !r.printable, "a refusal wrote result lines or showed print\n" + context());
        FUZZ_REQUIRE(sameBits(r.sBefore, r.sAfter), "a refusal changed S\n" + context());
    }
    FUZZ_REQUIRE(!r.focus || (*r.focus >= 0 && static_cast<std::size_t>(*r.focus) < rules.fieldCount),
                 "focus on no field\n" + context());
    if (r.message) checkShownText(*r.message, "the message", context);

    // The tab state stays finite.
    const bool finiteBefore = std::all_of(r.before.begin(), r.before.end(), [](float v) { return std::isfinite(v); });
    const bool finiteAfter = std::all_of(r.after.begin(), r.after.end(), [](float v) { return std::isfinite(v); });
    FUZZ_REQUIRE(!finiteBefore || finiteAfter, "the tab state took a value that is not finite\n" + context());
}

Click withOtherSeparator(const Click& click)
{
    Click other = click;
    other.separator = click.separator == "," ? "." : ",";
    for (std::string& text : other.texts)
        for (char& c : text)
            if (c == '.')
                c = ',';
            else if (c == ',')
                c = '.';
    return other;
}

void checkSameDecision(const Click& click, const ClickResult& r, const ClickResult& other)
{
    const Context context = [&] {
        return describe(click, r) + "\n  with the other separator:\n" + describe(withOtherSeparator(click), other);
    };
    FUZZ_REQUIRE(r.kind == other.kind && r.focus == other.focus && r.printable == other.printable,
                 "the separator changed the decision\n" + context());
    FUZZ_REQUIRE(r.results.has_value() == other.results.has_value()
                     && (!r.results || r.results->size() == other.results->size()),
                 "the separator changed the result lines\n" + context());
    FUZZ_REQUIRE(sameBits(r.after, other.after), "the separator changed the tab state\n" + context());
    if (r.kind != calc::OutcomeKind::DropTooHigh)
        FUZZ_REQUIRE(r.message == other.message, "the separator changed the message\n" + context());
}

}  // namespace fuzz
