#pragma once
// The message boxes the program may show, told apart by their whole look
// (title, text, icon, buttons), and the test for an infinite or not-a-number
// value written out as text.
#include <QMessageBox>
#include <QString>

namespace random_session {

enum class BoxKind {
    // the calculators' check messages: title "กรุณาตรวจสอบ", question mark, OK
    Incomplete,
    NotANumber,
    NotPositive,
    DropTooHigh,  // "… ควรน้อยกว่า " + a number + "  ซม. ควรลดลงมาอีก"
    Negative,
    ZeroSet,
    OutOfRange,
    // a report that could not be printed, with the same title, icon and button
    PrintFailure,
    // "คุณต้องการจบการทำงานทั้งหมด  ใช่หรือไม่? ", titled "ยืนยัน", Yes and No
    LeaveConfirmation,
    // "Unable to start Web browser !", titled with the program's name, no icon, OK
    BrowserFailure,
    // a box of another window (the records, the sections, the pile files),
    // named by that window's actor
    WindowMessage,
    Unknown,
};

struct BoxLook {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

BoxKind classify(const BoxLook& box);
bool isCalculatorMessage(BoxKind kind);
const char* kindName(BoxKind kind);

// True when a run of Latin letters in `text` begins with "inf" or "nan" in
// any case ("inf", "-INF", "NaN", "1.#INF", "nan(0x1)", "Infinity"); the
// program's fixed Thai and English captions hold no such run.
bool showsInfOrNan(const QString& text);

}  // namespace random_session
