#include "app/common_dialog.h"

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPushButton>

namespace app {

CommonDialog::CommonDialog(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("CommonDialog1"));
}

QPrinter& CommonDialog::printer()
{
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

bool CommonDialog::showPrinter(QWidget* owner)
{
    QPrintDialog dialog(&printer(), owner);
    if (form_ == Form::SetUp) {
        // Choosing a printer and its page is all this form is for: no page
        // range, copies order or selection.
        dialog.setWindowTitle(QString::fromUtf8(kPrinterSetUpTitle));
        dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
        // It prints nothing by itself: its button only confirms the choice.
        if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
            if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText(QStringLiteral("OK"));
    }
    return dialog.exec() == QDialog::Accepted;
}

void CommonDialog::showPrinterSetUp(QWidget* owner)
{
    form_ = Form::SetUp;
    showPrinter(owner);
}

}  // namespace app
