#include "app/report_printing.h"

#include <optional>

#include "app/common_dialog.h"
#include "app/message_boxes.h"
#include "app/printer_state.h"
#include "calc/tab_texts.h"
#include "report/page_builder.h"
#include "report/page_painter.h"

namespace app {

namespace {

// Prints the page; on a print queue only when the print service says the
// queue can print now, and true only when it took the job and the queue can
// still print. A file is written without asking anyone.
bool printChecked(const report::Page& page, QPrinter& printer)
{
    if (!printsToQueue(printer)) return report::printPage(page, printer);
    const QString queue = printer.printerName();
    if (queueState(queue) != QueueState::Ready) return false;
    if (!report::printPage(page, printer)) return false;
    return lastPrintRequestSucceeded() && queueState(queue) == QueueState::Ready;
}

}  // namespace

void printReport(QWidget* owner, CommonDialog& dialog, const report::TabSnapshot& tab)
{
    const std::optional<report::Page> page = report::buildPage(tab);
    if (!dialog.showPrinter(owner)) return;
    // The job's name in the print queue.
    dialog.printer().setDocName(QStringLiteral("Blow Count - ") + QString::fromUtf8(calc::tabTexts(tab.formula).caption));
    if (!page || !printChecked(*page, dialog.printer())) showCheckMessage(owner, QString::fromUtf8(kPrintFailure));
}

void printPages(QWidget* owner, CommonDialog& dialog, const std::vector<report::Page>& pages, const QString& docName)
{
    if (!dialog.showPrinter(owner)) return;
    dialog.printer().setDocName(docName);
    if (pages.empty() || !report::printPages(pages, dialog.printer()))
        showCheckMessage(owner, QString::fromUtf8(kPrintFailure));
}

}  // namespace app
