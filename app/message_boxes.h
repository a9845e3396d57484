#pragma once
// The program's message boxes: the check message ("กรุณาตรวจสอบ", question
// mark, OK) of the calculators and of a report that cannot be printed, the
// leave-program confirmation, the pile files' failures and the question
// whether to save changes, and the word that no browser could be started.
#include <QString>

class QWidget;

namespace app {

void showCheckMessage(QWidget* parent, const QString& text);

// "คุณต้องการจบการทำงานทั้งหมด  ใช่หรือไม่? " with Yes and No; true for Yes.
bool confirmLeaving(QWidget* parent);

// The check message "ไม่สามารถเปิดไฟล์ได้" or "ไม่สามารถบันทึกไฟล์ได้" with the
// reason on a second line.
void showOpenFailure(QWidget* parent, const QString& reason);
void showSaveFailure(QWidget* parent, const QString& reason);

enum class SaveAnswer { Save, Discard, Cancel };
// "บันทึกการเปลี่ยนแปลงหรือไม่" with Save, Discard and Cancel (Escape).
SaveAnswer askSaveChanges(QWidget* parent);

// "Unable to start Web browser !", titled with the program's name, no icon, OK.
void showBrowserFailure(QWidget* parent);

}  // namespace app
