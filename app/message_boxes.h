#pragma once
// The program's two kinds of message box: the calculators' check message
// ("กรุณาตรวจสอบ", question mark, OK) and the leave-program confirmation.
#include <QString>

class QWidget;

namespace app {

void showCheckMessage(QWidget* parent, const QString& text);

// "คุณต้องการจบการทำงานทั้งหมด  ใช่หรือไม่? " with Yes and No; true for Yes.
bool confirmLeaving(QWidget* parent);

}  // namespace app
