#pragma once
// The maker's web pages and the one way the program opens them: through the
// desktop's handler for web addresses, never a shell command line, so nothing
// in an address can run a command.
#include <QUrl>
#include <functional>

class QWidget;

namespace app {

enum class WebPage {
    Home,           // the site root
    ProductFamily,  // /vostraleen
    Software,       // /software
    Shopping,       // /shopping
};

QUrl webAddress(WebPage page);

// Hands an address to the browser; false when that fails.
using UrlOpener = std::function<bool(const QUrl&)>;

// Puts `opener` in place of the desktop's (QDesktopServices::openUrl) and
// returns the one it replaces.
UrlOpener setUrlOpener(UrlOpener opener);

// Opens the page in the user's browser. When that fails, a box owned by
// `owner` says "Unable to start Web browser !"; the program goes on.
void openWebPage(QWidget* owner, WebPage page);

}  // namespace app
