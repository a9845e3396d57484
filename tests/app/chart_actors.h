#pragma once
// The actors of the driving chart (ChartWindow) and of the capacity check
// (CapacityWindow), and what they share: typing into a field as a user does,
// the answer given to a save button's file dialog, and what a print, PDF or
// CSV button must then have brought about.
#include <QString>
#include <functional>
#include <memory>

#include "calc/tab_texts.h"
#include "window_actor.h"

class QLineEdit;

namespace random_session {

// The tabs, in the order the chart and the capacity check list them.
inline constexpr calc::Formula kFormulas[] = {calc::Formula::EngineeringNews, calc::Formula::Hiley,
                                              calc::Formula::Danish, calc::Formula::Janbu};

std::unique_ptr<WindowActor> makeChartActor();
std::unique_ptr<WindowActor> makeCapacityActor();

// Replaces, extends or cuts the text of `field` key by key (a typed text, a
// few random keys, a paste, Backspaces); `afterKey` runs after each key.
// `number` is the text typed when the field is given a new value. Logs what
// the field holds at the end.
void editField(ActorContext& ctx, QLineEdit& field, const QString& number, const std::function<void()>& afterKey);

// The answer to a save button's file dialog: cancelled, a new file in the
// session's folder, or a file in a folder that does not exist.
struct FileChoice {
    enum Kind { Cancel, NewFile, MissingFolder } kind = Cancel;
    QString path;
};
FileChoice chooseFile(ActorContext& ctx, const QString& stem, const QString& suffix);

// After a save button was clicked: the file dialog came up when the button
// was enabled, and nothing else but the failure box `failureText` when the
// file could not be written; a written file is there and not empty. A
// fault, or an empty text.
QString checkSaved(ActorContext& ctx, const FileChoice& choice, bool enabled, const QString& failureText);

// After a print button was clicked: the printer dialog came up when the
// button was enabled; cancelled, nothing followed; printed into a PDF, the
// file is there and not empty; printed into a removed folder, the print
// failure box came up and no file is left.
QString checkPrinted(ActorContext& ctx, bool enabled);

// A label or button of `window` that shows inf or nan, but for the label
// named `quoting`, which the actor checks itself.
QString infOrNanShown(const QWidget& window, const QString& quoting = {});

// Runs the window's pending zero timers (its refresh after a change).
void settle(QWidget& window);

}  // namespace random_session
