#pragma once
// A print button's report: the printer dialog of CommonDialog1, then the
// page built from the tab's snapshot, to the printer chosen.
#include <vector>

#include <QString>

#include "report/page.h"
#include "report/snapshot.h"

class QString;

class QWidget;

namespace app {

class CommonDialog;

// A cancel in the printer dialog prints nothing. A page that cannot be made
// (an S that gives no conclusion) or printed sends nothing at all and is
// reported in a check message, "ไม่สามารถพิมพ์รายงานได้": so is a print
// queue that is gone, stopped or refusing jobs before the job is sent, and a
// job the print service did not take (printer_state.h). Nothing on the
// screen changes.
void printReport(QWidget* owner, CommonDialog& dialog, const report::TabSnapshot& tab);

// Any other report's pages through the same dialog, with the same rules;
// `docName` names the job in the print queue.
void printPages(QWidget* owner, CommonDialog& dialog, const std::vector<report::Page>& pages, const QString& docName);

inline constexpr const char* kPrintFailure = "ไม่สามารถพิมพ์รายงานได้";

}  // namespace app
