#include "app/web_page.h"

#include <QDesktopServices>
#include <utility>

#include "app/maker.h"
#include "app/message_boxes.h"

namespace app {

namespace {

UrlOpener& opener()
{
    static UrlOpener current = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    return current;
}

}  // namespace

QUrl webAddress(WebPage page)
{
    QString address = QString::fromUtf8(maker::kWebAddress);
    while (address.endsWith(QLatin1Char('/'))) address.chop(1);
    switch (page) {
    case WebPage::Home: break;
    case WebPage::ProductFamily: address += QStringLiteral("/vostraleen"); break;
    case WebPage::Software: address += QStringLiteral("/software"); break;
    case WebPage::Shopping: address += QStringLiteral("/shopping"); break;
    }
    return QUrl(address);
}

UrlOpener setUrlOpener(UrlOpener replacement)
{
    return std::exchange(opener(), std::move(replacement));
}

void openWebPage(QWidget* owner, WebPage page)
{
    if (!opener()(webAddress(page))) showBrowserFailure(owner);
}

}  // namespace app
