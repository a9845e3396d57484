#pragma once
// The one way the window asks for a pile file's path: Qt's file dialog with
// the filter "Blow Count (*.blowcount)". Tests put their own asker in its
// place to give a path without a dialog.
#include <QString>
#include <functional>

class QWidget;

namespace app {

enum class FileDialog { Open, SaveAs };

// The chosen path, or an empty one when the dialog was cancelled. `start` is
// the folder or file the dialog starts at.
using PathAsker = std::function<QString(QWidget* parent, FileDialog dialog, const QString& start)>;

// Puts `asker` in place of the file dialog and returns the one it replaces.
PathAsker setPathAsker(PathAsker asker);

QString askPath(QWidget* parent, FileDialog dialog, const QString& start);

}  // namespace app
