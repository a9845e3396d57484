#pragma once
// A window of the program beside the tabs, as a random session acts in it and
// watches it: the driving chart, the capacity check, the driving records, the
// section table, and the main window's pile-file commands. The session opens
// the window from its menu item when it is not open, switches between the
// open ones, and asks the actor for one action at a time; after every action
// of the session, in whatever window, each open window's actor checks it.
#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

#include "action_log.h"
#include "defined_boxes.h"
#include "modal_answerer.h"
#include "session_random.h"

namespace app {
class MainWindow;
}

namespace random_session {

// What the session does for an actor.
class SessionHooks {
public:
    virtual ~SessionHooks() = default;
    // The tabs' texts and boxes were replaced (a pile file opened): the
    // session takes them, and the tabs' results, as they stand now.
    virtual void tabsReplaced() = 0;
    // A message box of the calculators ("กรุณาตรวจสอบ") or the print failure
    // box came up in this window's action, as it may there.
    virtual void calculatorBoxExpected() = 0;
    virtual void printFailureExpected() = 0;
};

struct ActorContext {
    app::MainWindow& main;
    SessionRandom& random;
    ActionLog& log;
    ModalAnswerer& answerer;
    SessionHooks& session;
    QString folder;     // the session's temporary folder: files written and opened go here
    long index = 0;     // the action's number
    long& fileCounter;  // files named so far in this session

    // Starts the log entry of this action, naming the window by objectName.
    void begin(const QWidget& window, const QString& what) const;
    void begin(const QString& windowName, const QString& what) const;
    // A new file name in the folder, never used before in this session.
    QString newPath(const QString& stem, const QString& suffix) const;
};

class WindowActor {
public:
    virtual ~WindowActor() = default;

    // The window's objectName.
    virtual QString windowName() const = 0;
    // The objectName of the main window's menu item that opens it; empty for
    // the main window itself.
    virtual QString menuItem() const = 0;
    // How often the session acts here, against the other windows.
    virtual int weight() const = 0;

    // The window was just opened: take its state as it stands.
    virtual void opened(ActorContext&, QWidget&) {}
    // One action in the open window; it logs itself with ctx.begin(). A fault,
    // or an empty text.
    virtual QString act(ActorContext& ctx, QWidget& window) = 0;
    // After every action of the session while the window is open.
    virtual QString check(ActorContext& ctx, QWidget& window) = 0;
    // A message box the window may show, named for the log; empty when it is
    // none of this window's.
    virtual QString boxName(const BoxLook&) const { return {}; }
    // The main window was replaced: every window of the old one is gone.
    virtual void reset() {}
};

// The control of `window` named `name`, by objectName; nullptr when none is.
template <typename T>
T* child(const QWidget& window, const QString& name)
{
    return window.findChild<T*>(name);
}

// Every window's actor, in a fixed order (the seed replays the same choices).
std::vector<std::unique_ptr<WindowActor>> makeWindowActors();

}  // namespace random_session
