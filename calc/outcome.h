#pragma once
// What a calculation decides, for the window (or the command line) to apply:
// the message box to show and the field that then gets the focus, the result
// lines to write, the new tab state and whether the print button appears.
#include <optional>
#include <string>
#include <vector>

namespace calc {

enum class OutcomeKind {
    Ok,           // results written, S >= 0, print button shown
    Incomplete,   // "คุณป้อนข้อมูลไม่ครบ"
    NotANumber,   // a field text that is not a number
    NotPositive,  // a divisor of zero (W, Qa, FS, E, or the area)
    DropTooHigh,  // the drop could burst the pile head
    Negative,     // results written, S < 0
    ZeroSet,      // S is exactly 0: no blow count
    OutOfRange,   // a value came out infinite or not a number
};

template <typename State>
struct Outcome {
    OutcomeKind kind = OutcomeKind::Ok;
    std::optional<std::string> message;               // the check message, if any
    std::optional<int> focus;                         // index in the tab's field array
    std::optional<std::vector<std::string>> results;  // result label texts, top to bottom
    State state;                                      // the tab state after the calculation
    bool printable = false;                           // this calculation shows the print button
};

// The title of every check message box.
inline constexpr const char* kCheckTitle = "กรุณาตรวจสอบ";

}  // namespace calc
