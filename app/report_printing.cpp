#include "app/report_printing.h"

#include <optional>

#include "app/common_dialog.h"
#include "app/message_boxes.h"
#include "calc/tab_texts.h"
#include "report/page_builder.h"
#include "report/page_painter.h"

namespace app {

void printReport(QWidget* owner, CommonDialog& dialog, const report::TabSnapshot& tab)
{
    const std::optional<report::Page> page = report::buildPage(tab);
    if (!dialog.showPrinter(owner)) return;
    // The job's name in the print queue.
    dialog.printer().setDocName(QStringLiteral("Blow Count - ") + QString::fromUtf8(calc::tabTexts(tab.formula).caption));
    if (!page || !report::printPage(*page, dialog.printer()))
        showCheckMessage(owner, QString::fromUtf8(kPrintFailure));
}

void printPages(QWidget* owner, CommonDialog& dialog, const std::vector<report::Page>& pages, const QString& docName)
{
    if (!dialog.showPrinter(owner)) return;
    dialog.printer().setDocName(docName);
    if (pages.empty() || !report::printPages(pages, dialog.printer()))
        showCheckMessage(owner, QString::fromUtf8(kPrintFailure));
}

}  // namespace app
