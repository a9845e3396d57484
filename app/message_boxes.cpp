#include "app/message_boxes.h"

#include <QMessageBox>

#include "app/maker.h"
#include "calc/outcome.h"

namespace app {

void showCheckMessage(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(calc::kCheckTitle), text, QMessageBox::Ok, parent);
    box.exec();
}

bool confirmLeaving(QWidget* parent)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("ยืนยัน"),
                    QStringLiteral("คุณต้องการจบการทำงานทั้งหมด  ใช่หรือไม่? "),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void showBrowserFailure(QWidget* parent)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(maker::kProgramName),
                    QStringLiteral("Unable to start Web browser !"), QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace app
