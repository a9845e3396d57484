#include "app/status_bar.h"

#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QStatusBar>

#include "app/icons.h"
#include "app/maker.h"
#include "app/twips.h"

namespace app {

namespace {

// Panel widths in twips; the two wide panels share what the window leaves
// after the date in the same proportion.
constexpr int kDateWidth = 2117, kNameWidth = 13538, kPictureWidth = 7033;

QLabel* addPanel(QStatusBar* bar, const char* name, int stretch)
{
    auto* panel = new QLabel(bar);
    panel->setObjectName(QString::fromUtf8(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->addWidget(panel, stretch);
    return panel;
}

}  // namespace

void buildStatusBar(QMainWindow* window)
{
    auto* bar = new QStatusBar(window);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    window->setStatusBar(bar);

    QLabel* date = addPanel(bar, "Panel1", 0);
    date->setFixedWidth(twipsToPixels(kDateWidth));
    date->setText(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));

    QLabel* name = addPanel(bar, "Panel2", kNameWidth / 100);
    name->setText(QString::fromUtf8(maker::kProductName));
    name->setToolTip(QString::fromUtf8(maker::kProductName));

    QLabel* picture = addPanel(bar, "Panel3", kPictureWidth / 100);
    const int height = name->fontMetrics().height();
    picture->setPixmap(icons::pileGlyph(height));
}

}  // namespace app
