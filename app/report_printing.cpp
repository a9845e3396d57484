#include "app/report_printing.h"

#include <optional>

#include "app/common_dialog.h"
#include "app/message_boxes.h"
#include "report/page_builder.h"
#include "report/page_painter.h"

namespace app {

void printReport(QWidget* owner, CommonDialog& dialog, const report::TabSnapshot& tab)
{
    const std::optional<report::Page> page = report::buildPage(tab);
    if (!dialog.showPrinter(owner)) return;
    if (!page || !report::printPage(*page, dialog.printer()))
        showCheckMessage(owner, QString::fromUtf8(kPrintFailure));
}

}  // namespace app
