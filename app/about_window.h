#pragma once
// Form3, the About window: the maker's logo, web address, e-mail address and
// telephone number, the notice of rights and a warning against copying. It
// does not block the main window and is not its child, so that it outlives it:
// the program ends only when its last window closes.
#include <QWidget>

namespace app {

class AboutWindow : public QWidget {
    Q_OBJECT
public:
    AboutWindow();
};

// Shows the About window: a new one, or the one already open brought to the
// front. It deletes itself when closed.
AboutWindow* showAboutWindow();

}  // namespace app
