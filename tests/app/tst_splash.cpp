// The splash window: its controls, the tick algorithm (label texts, orange and
// red boxes, the centred text and its colours) and the road to the main window.
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include "app/load_strip.h"
#include "app/splash_window.h"
#include "app/start.h"
#include "gui_fixture.h"

using namespace testing_gui;

namespace {

// Fires the splash timer once by hand, as its interval would.
void tick(app::SplashWindow& splash, int times = 1)
{
    auto* timer = find<QTimer>(&splash, "Timer1");
    for (int i = 0; i < times; ++i) QMetaObject::invokeMethod(timer, "timeout");
}

// Whether a pixel of the image, left of `beforeX`, is close to `colour`
// (antialiased glyph edges blend it with the background).
bool hasColour(const QImage& image, const QColor& colour, int beforeX = -1)
{
    const int width = beforeX < 0 ? image.width() : qMin(beforeX, image.width());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < width; ++x) {
            const QColor c = image.pixelColor(x, y);
            if (qAbs(c.red() - colour.red()) + qAbs(c.green() - colour.green()) + qAbs(c.blue() - colour.blue()) < 40)
                return true;
        }
    return false;
}

const QColor kOrange(255, 192, 128), kRed(255, 0, 0), kDarkRed(192, 0, 0);

}  // namespace

class SplashTest : public QObject {
    Q_OBJECT

private slots:
    void controls_and_product_timing()
    {
        app::SplashWindow splash({});
        QCOMPARE(splash.objectName(), QString("Form1"));
        QCOMPARE(splash.windowTitle(), QString("เริ่ม"));
        QCOMPARE(find<QTimer>(&splash, "Timer1")->interval(), 25);
        QVERIFY(find<QTimer>(&splash, "Timer1")->isActive());
        QCOMPARE(find<QLabel>(&splash, "Label1")->text(), QString("Load Program..."));
        QCOMPARE(find<QLabel>(&splash, "Label2")->text(), QString("http://www.quelmara.example"));
        QVERIFY(!find<QLabel>(&splash, "Image1")->pixmap().isNull());
        find(&splash, "Picture1");
    }

    void label_texts_at_their_ticks_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("text");
        QTest::newRow("24") << 24 << "Load Program...";
        QTest::newRow("25") << 25 << "ยินดีต้อนรับ";
        QTest::newRow("34") << 34 << "ยินดีต้อนรับ";
        QTest::newRow("35") << 35 << "สู่ Quelmara";
        QTest::newRow("45") << 45 << "เรามีบริการมากมาย ";
        QTest::newRow("79") << 79 << "เรามีบริการมากมาย ";
        QTest::newRow("80") << 80 << "ขอบคุณครับ ";
        QTest::newRow("100") << 100 << "ขอบคุณครับ ";
    }
    void label_texts_at_their_ticks()
    {
        QFETCH(int, ticks);
        QFETCH(QString, text);
        app::SplashWindow splash({}, std::chrono::hours(1));
        splash.show();
        tick(splash, ticks);
        auto* label = find<QLabel>(&splash, "Label1");
        QCOMPARE(label->text(), text);
        QVERIFY2(label->fontMetrics().horizontalAdvance(text) <= label->width(), "the text fits its label");
    }

    void strip_boxes_and_text_colour_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<bool>("red");
        QTest::addColumn<bool>("darkRedText");
        QTest::newRow("79: orange only") << 79 << false << false;
        QTest::newRow("80: red box, text still plain") << 80 << true << false;
        QTest::newRow("81: dark red text") << 81 << true << true;
        QTest::newRow("100: full strip") << 100 << true << true;
    }
    void strip_boxes_and_text_colour()
    {
        QFETCH(int, ticks);
        QFETCH(bool, red);
        QFETCH(bool, darkRedText);
        app::SplashWindow splash({}, std::chrono::hours(1));
        splash.show();
        tick(splash, ticks);
        if (splash.screen()->logicalDotsPerInchX() != 96) QSKIP("pixel places are for 96 dpi");
        const QImage strip = find<app::LoadStrip>(&splash, "Picture1")->canvas().toImage();
        const int filled = ticks * strip.width() / 100;
        const int redStart = 5000 / 15;
        QCOMPARE(strip.pixelColor(0, 0), kOrange);
        if (filled + 1 < strip.width()) QVERIFY(strip.pixelColor(filled + 1, 0) != kOrange);
        QCOMPARE(hasColour(strip, kRed), red);
        QVERIFY(!hasColour(strip, kRed, qMin(filled, redStart) - 1));
        if (ticks > 80) QCOMPARE(strip.pixelColor(filled - 1, 0), kRed);
        // The text stands left of the red part.
        QCOMPARE(hasColour(strip, kDarkRed, redStart - 1), darkRedText);
        QCOMPARE(hasColour(strip, splash.palette().color(QPalette::WindowText), redStart - 1), !darkRedText);
    }

    void tick_101_opens_the_main_window_and_closes()
    {
        int opened = 0;
        app::SplashWindow splash([&] { ++opened; }, std::chrono::hours(1));
        splash.show();
        tick(splash, 100);
        QCOMPARE(opened, 0);
        QVERIFY(splash.isVisible());
        tick(splash);
        QCOMPARE(opened, 1);
        QVERIFY(!splash.isVisible());
        QVERIFY(!find<QTimer>(&splash, "Timer1")->isActive());
    }

    void the_splash_reaches_the_main_window()
    {
        QPointer<app::SplashWindow> splash = app::start(std::chrono::milliseconds(1));
        QVERIFY(QTest::qWaitFor([] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == "Form2" && w->isVisible()) return true;
            return false;
        }, 10000));
        QTRY_VERIFY(splash.isNull());  // closed and deleted
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "Form2") w->close();
    }
};

BLOWCOUNT_GUI_TEST_MAIN(SplashTest)
#include "tst_splash.moc"
