#include "app/splash_window.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include "app/icons.h"
#include "app/load_strip.h"
#include "app/maker.h"
#include "app/twips.h"

namespace app {

namespace {

constexpr int kWindowWidth = 8895, kWindowHeight = 5655;
constexpr qint16 kLastTick = 101;
constexpr float kRedFrom = 5000;  // twips: the red part of the strip starts here at tick 80
const QColor kOrange(255, 192, 128);
const QColor kRed(255, 0, 0);
const QColor kDarkRed(192, 0, 0);

}  // namespace

SplashWindow::SplashWindow(Opener openMainWindow, std::chrono::milliseconds tick, QWidget* parent)
    : QWidget(parent, Qt::Window), openMainWindow_(std::move(openMainWindow))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("เริ่ม"));
    setWindowIcon(icons::windowIcon());
    setFixedSize(twipsToPixels(kWindowWidth), twipsToPixels(kWindowHeight));

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setGeometry(twipsRect(240, 240, 8415, 3360));
    picture->setPixmap(icons::splashPicture(picture->size()));

    auto* address = new QLabel(this);
    address->setObjectName(QStringLiteral("Label2"));
    address->setGeometry(twipsRect(960, 3720, 6975, 255));
    address->setAlignment(Qt::AlignCenter);

    label1_ = new QLabel(QStringLiteral("Load Program..."), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setGeometry(twipsRect(1320, 4560, 1350, 195));

    strip_ = new LoadStrip(this);
    strip_->setObjectName(QStringLiteral("Picture1"));
    strip_->setGeometry(twipsRect(1320, 4800, 6255, 375));

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(tick);
    connect(timer_, &QTimer::timeout, this, &SplashWindow::tick);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    // Load: the strip's size, the web address, the timer.
    const QSizeF strip = strip_->sizeInTwips();
    stripWidth_ = static_cast<float>(strip.width());
    stripHeight_ = static_cast<float>(strip.height());
    address->setText(QString::fromUtf8(maker::kWebAddress));
    timer_->start();
}

void SplashWindow::tick()
{
    ++counter_;
    switch (counter_) {
    case 25: label1_->setText(QStringLiteral("ยินดีต้อนรับ")); break;
    case 35: label1_->setText(QStringLiteral("สู่ Quelmara")); break;
    case 45: label1_->setText(QStringLiteral("เรามีบริการมากมาย ")); break;
    case 80: label1_->setText(QStringLiteral("ขอบคุณครับ ")); break;
    default: break;
    }
    if (counter_ >= kLastTick) {
        timer_->stop();
        // The main window opens before the splash closes, so that the
        // program never finds itself without a window and quits.
        if (counter_ == kLastTick && openMainWindow_) openMainWindow_();
        close();
        return;
    }
    redrawStrip();
}

void SplashWindow::redrawStrip()
{
    strip_->clear();
    const float x = static_cast<float>(counter_) * stripWidth_ / 100.0f;
    strip_->fillBox({0, 0}, {x, stripHeight_}, kOrange);
    if (counter_ >= 80) strip_->fillBox({kRedFrom, 0}, {x, stripHeight_}, kRed);

    const QString number = QString::number(counter_);
    const qreal w = strip_->textWidth(number + QStringLiteral("% completed"));
    const qreal t = strip_->textHeight(QStringLiteral("0"));
    const QColor colour = counter_ > 80 ? kDarkRed : palette().color(QPalette::WindowText);
    // The blanks around the number are drawn but were not measured, so the
    // text sits a little left of the centre.
    strip_->print({stripWidth_ / 2 - w / 2, stripHeight_ / 2 - t / 2},
                  QStringLiteral(" ") + number + QStringLiteral(" ") + QStringLiteral("% completed"), colour);
}

}  // namespace app
