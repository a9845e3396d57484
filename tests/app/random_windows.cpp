// The random session's actions in the windows beside the tabs
// (window_actor.h): each window opened from its menu item when it is not
// open, switched to, closed now and then, or acted in by its actor.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTest>

#include "app/main_window.h"
#include "random_session.h"

namespace random_session {

void ActorContext::begin(const QWidget& window, const QString& what) const { begin(window.objectName(), what); }

void ActorContext::begin(const QString& windowName, const QString& what) const
{
    log.begin(index, QStringLiteral("[%1] %2").arg(windowName, what));
}

QString ActorContext::newPath(const QString& stem, const QString& suffix) const
{
    return QDir(folder).filePath(QStringLiteral("%1-%2.%3").arg(stem).arg(++fileCounter).arg(suffix));
}

ActorContext RandomSession::context()
{
    return ActorContext{*window_, random_, log_, *answerer_, *this, options_.outputFolder, index_, files_};
}

QWidget* RandomSession::openWindowOf(const WindowActor& actor) const
{
    if (actor.menuItem().isEmpty()) return window_.get();
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == actor.windowName() && widget->isVisible()) return widget;
    return nullptr;
}

QString RandomSession::actInWindow()
{
    if (actors_.empty()) {
        begin(QStringLiteral("no other window"));
        return {};
    }
    std::vector<int> weights;
    for (const auto& actor : actors_) weights.push_back(actor->weight());
    WindowActor& actor = *actors_[static_cast<std::size_t>(random_.weighted(weights))];
    ActorContext ctx = context();
    ++figures_.byWindow[actor.windowName()];
    QWidget* window = openWindowOf(actor);
    if (!window) {
        const QString item = actor.menuItem();
        QAction* action = window_->findChild<QAction*>(item);
        if (!action) return QStringLiteral("the main window has no menu item %1").arg(item);
        ctx.begin(*window_, QStringLiteral("menu ") + item);
        action->trigger();
        window = openWindowOf(actor);
        if (!window) return QStringLiteral("the menu item %1 opened no %2").arg(item, actor.windowName());
        if (!QTest::qWaitForWindowExposed(window, 2000)) log_.note(actor.windowName() + QStringLiteral(" was not exposed"));
        actor.opened(ctx, *window);
        return {};
    }
    const int choice = random_.weighted({8, 3, 89});
    if (choice == 0 || (choice == 1 && window == window_.get())) {
        ctx.begin(*window, QStringLiteral("switch to the window"));
        window->raise();
        window->activateWindow();
        QApplication::setActiveWindow(window);
        return {};
    }
    if (choice == 1) {
        ctx.begin(*window, QStringLiteral("close the window"));
        if (random_.percent(50)) QTest::keyClick(window, Qt::Key_Escape);
        if (window->isVisible()) window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return {};
    }
    acting_ = &actor;
    QString problem = actor.act(ctx, *window);
    acting_ = nullptr;
    return problem;
}

QString RandomSession::checkOtherWindows()
{
    ActorContext ctx = context();
    for (const auto& actor : actors_)
        if (QWidget* window = openWindowOf(*actor))
            if (QString problem = actor->check(ctx, *window); !problem.isEmpty())
                return actor->windowName() + QStringLiteral(": ") + problem;
    return {};
}

}  // namespace random_session
