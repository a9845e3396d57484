#include "defined_boxes.h"

#include <QRegularExpression>

#include "app/maker.h"
#include "app/report_printing.h"
#include "calc/messages.h"
#include "calc/outcome.h"

namespace random_session {

namespace {

QString utf8(const char* text) { return QString::fromUtf8(text); }

bool isCheckBox(const BoxLook& box)
{
    return box.title == utf8(calc::kCheckTitle) && box.icon == QMessageBox::Question
        && box.buttons == QMessageBox::StandardButtons(QMessageBox::Ok);
}

// The drop-height warning names round(Hmax, 0) as a number text: digits with
// an optional separator, or the 1.234568E+07 form of very large values.
bool isDropWarning(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral(
        "^ระยะยกลูกตุ้มมากเกินไป หัวเข็มอาจระเบิดได้ ควรน้อยกว่า "
        "\\d+(?:[.,]\\d+)?(?:E[+-]\\d\\d+)?  ซม\\. ควรลดลงมาอีก$"));
    return pattern.match(text).hasMatch();
}

}  // namespace

BoxKind classify(const BoxLook& box)
{
    if (isCheckBox(box)) {
        const std::pair<const char*, BoxKind> fixed[] = {
            {calc::messages::kIncomplete, BoxKind::Incomplete},   {calc::messages::kNotANumber, BoxKind::NotANumber},
            {calc::messages::kNotPositive, BoxKind::NotPositive}, {calc::messages::kNegative, BoxKind::Negative},
            {calc::messages::kZeroSet, BoxKind::ZeroSet},         {calc::messages::kOutOfRange, BoxKind::OutOfRange},
            {app::kPrintFailure, BoxKind::PrintFailure},
        };
        for (const auto& [text, kind] : fixed)
            if (box.text == utf8(text)) return kind;
        if (isDropWarning(box.text)) return BoxKind::DropTooHigh;
        return BoxKind::Unknown;
    }
    if (box.title == QStringLiteral("ยืนยัน") && box.text == QStringLiteral("คุณต้องการจบการทำงานทั้งหมด  ใช่หรือไม่? ")
        && box.icon == QMessageBox::Question && box.buttons == (QMessageBox::Yes | QMessageBox::No))
        return BoxKind::LeaveConfirmation;
    if (box.title == utf8(app::maker::kProgramName) && box.text == QStringLiteral("Unable to start Web browser !")
        && box.icon == QMessageBox::NoIcon && box.buttons == QMessageBox::StandardButtons(QMessageBox::Ok))
        return BoxKind::BrowserFailure;
    return BoxKind::Unknown;
}

bool isCalculatorMessage(BoxKind kind)
{
    switch (kind) {
    case BoxKind::Incomplete:
    case BoxKind::NotANumber:
    case BoxKind::NotPositive:
    case BoxKind::DropTooHigh:
    case BoxKind::Negative:
    case BoxKind::ZeroSet:
    case BoxKind::OutOfRange: return true;
    default: return false;
    }
}

const char* kindName(BoxKind kind)
{
    switch (kind) {
    case BoxKind::Incomplete: return "incomplete input";
    case BoxKind::NotANumber: return "not a number";
    case BoxKind::NotPositive: return "zero divisor";
    case BoxKind::DropTooHigh: return "drop too high";
    case BoxKind::Negative: return "negative set";
    case BoxKind::ZeroSet: return "zero set";
    case BoxKind::OutOfRange: return "out of range";
    case BoxKind::PrintFailure: return "print failure";
    case BoxKind::LeaveConfirmation: return "leave confirmation";
    case BoxKind::BrowserFailure: return "no browser";
    case BoxKind::WindowMessage: return "window message";
    case BoxKind::Unknown: return "UNKNOWN";
    }
    return "?";
}

bool showsInfOrNan(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("(?<![A-Za-z])(?:inf|nan)"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern.match(text).hasMatch();
}

}  // namespace random_session
