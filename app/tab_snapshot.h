#pragma once
// A formula tab as the window shows it at this moment, for its report: the
// text of every named label (captions, result lines, formula lines) and
// field, the check boxes, the S kept in the tab state and the locale's
// decimal separator.
#include "report/snapshot.h"

namespace app {

class FormulaTab;

report::TabSnapshot snapshotOf(const FormulaTab& page, float S);

}  // namespace app
