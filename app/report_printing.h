#pragma once
// A print button's report: the printer dialog of CommonDialog1, then the
// page built from the tab's snapshot, to the printer chosen.
#include "report/page.h"
#include "report/snapshot.h"

class QString;

class QWidget;

namespace app {

class CommonDialog;

// A cancel in the printer dialog prints nothing. A page that cannot be made
// (an S that gives no conclusion) or printed sends nothing at all and is
// reported in a check message, "ไม่สามารถพิมพ์รายงานได้". Nothing on the
// screen changes.
void printReport(QWidget* owner, CommonDialog& dialog, const report::TabSnapshot& tab);

// Any other report page, the same way: the printer dialog, then the page
// under the job name "Blow Count - " + `title`, or the check message.
void printReportPage(QWidget* owner, CommonDialog& dialog, const report::Page& page, const QString& title);

inline constexpr const char* kPrintFailure = "ไม่สามารถพิมพ์รายงานได้";

}  // namespace app
