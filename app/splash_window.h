#pragma once
// Form1, the splash window: the splash picture, the maker's web address and a
// load strip that a timer fills in 100 ticks; tick 101 opens the main window
// and closes the splash.
#include <QWidget>
#include <chrono>
#include <functional>

class QLabel;
class QTimer;

namespace app {

class LoadStrip;

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    using Opener = std::function<void()>;
    static constexpr std::chrono::milliseconds kTick{25};

    explicit SplashWindow(Opener openMainWindow, std::chrono::milliseconds tick = kTick, QWidget* parent = nullptr);

    qint16 ticks() const { return counter_; }

private:
    void tick();
    void redrawStrip();

    Opener openMainWindow_;
    QLabel* label1_ = nullptr;
    LoadStrip* strip_ = nullptr;
    QTimer* timer_ = nullptr;
    qint16 counter_ = 0;
    float stripWidth_ = 0;   // twips
    float stripHeight_ = 0;  // twips
};

}  // namespace app
