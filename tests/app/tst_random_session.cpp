// A long random session on the real main window, headless, reproducible from
// a seed (random_session.h). One row per seed; every seed opens its own window
// in its own locale (full stop, Thai, or comma as the decimal separator).
//
//   tst_app_random_session [--seed N|random] [--seeds K] [--actions M]
//                          [--yes-percent P] [--hang-seconds S] [--print-actions]
//                          [QtTest options]
//
// or the environment: BLOWCOUNT_SESSION_SEED, BLOWCOUNT_SESSION_SEEDS,
// BLOWCOUNT_SESSION_ACTIONS. Defaults: seeds 1 to 3, 1,500 actions each.
// A failure prints its seed, the number of the failing action and the actions
// before it; --seed N --seeds 1 --actions <that number> replays it.
#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <map>
#include <mutex>

#include "app/chart_loader.h"
#include "app/chart_windows.h"
#include "app/interface_font.h"
#include "app/main_window.h"
#include "app/report_printing.h"
#include "calc/messages.h"
#include "defined_boxes.h"
#include "modal_answerer.h"
#include "random_session.h"
#include "tab_watch.h"

using namespace random_session;

namespace {

struct Settings {
    std::uint64_t seed = 1;
    int seeds = 3;
    long actions = 1500;
    int yesPercent = 4;
    int hangSeconds = 60;
    bool printActions = false;
};

Settings settings;

QLocale localeOf(std::uint64_t seed)
{
    switch (seed % 3) {
    case 0: return QLocale(QLocale::German, QLocale::Germany);  // comma
    case 1: return QLocale(QLocale::English, QLocale::UnitedStates);
    default: return QLocale(QLocale::Thai, QLocale::Thailand);
    }
}

// Qt's warnings (the offscreen platform's among them) counted, not printed
// one by one across thousands of actions.
std::mutex warningsMutex;
std::map<QString, int> warnings;
QtMessageHandler previousHandler = nullptr;

void countWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg || type == QtDebugMsg) {
        std::lock_guard lock(warningsMutex);
        ++warnings[message];
        return;
    }
    previousHandler(type, context, message);
}

void printWarnings()
{
    std::lock_guard lock(warningsMutex);
    for (const auto& [message, count] : warnings)
        std::fprintf(stdout, "  Qt said %d times: %s\n", count, message.toUtf8().constData());
    warnings.clear();
}

}  // namespace

class RandomSessionTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { previousHandler = qInstallMessageHandler(countWarnings); }
    void cleanupTestCase() { qInstallMessageHandler(previousHandler); }

    // The detectors the session relies on tell a fault from a good state.
    void checks_tell_faults_apart()
    {
        for (const char* bad : {"inf", "-INF", "NaN", "1.#INF", "-nan(ind)", "Infinity", "ค่า = inf  ซม."})
            QVERIFY2(showsInfOrNan(QString::fromUtf8(bad)), bad);
        for (const char* good : {"Engineering News Formular", "Ultimate Bearing Capacity (Qu) = 120  ตัน",
                                 "Unable to start Web browser !", "1.234568E+07", "Janbu's Formular", ""})
            QVERIFY2(!showsInfOrNan(QString::fromUtf8(good)), good);

        const BoxLook check{"กรุณาตรวจสอบ", QString::fromUtf8(calc::messages::kIncomplete), QMessageBox::Question, QMessageBox::Ok};
        QCOMPARE(classify(check), BoxKind::Incomplete);
        BoxLook drop = check;
        drop.text = QString::fromStdString(calc::messages::dropTooHigh(144, ","));
        QCOMPARE(classify(drop), BoxKind::DropTooHigh);
        drop.text = QString::fromStdString(calc::messages::dropTooHigh(1e9, "."));
        QCOMPARE(classify(drop), BoxKind::DropTooHigh);
        drop.text = "ระยะยกลูกตุ้มมากเกินไป หัวเข็มอาจระเบิดได้ ควรน้อยกว่า   ซม. ควรลดลงมาอีก";  // no number
        QCOMPARE(classify(drop), BoxKind::Unknown);
        BoxLook failure = check;
        failure.text = QString::fromUtf8(app::kPrintFailure);
        QCOMPARE(classify(failure), BoxKind::PrintFailure);
        BoxLook wrongIcon = check;
        wrongIcon.icon = QMessageBox::Warning;
        QCOMPARE(classify(wrongIcon), BoxKind::Unknown);
        BoxLook wrongButtons = check;
        wrongButtons.buttons = QMessageBox::Ok | QMessageBox::Cancel;
        QCOMPARE(classify(wrongButtons), BoxKind::Unknown);
        const BoxLook leave{"ยืนยัน", "คุณต้องการจบการทำงานทั้งหมด  ใช่หรือไม่? ", QMessageBox::Question, QMessageBox::Yes | QMessageBox::No};
        QCOMPARE(classify(leave), BoxKind::LeaveConfirmation);
        const BoxLook browser{"Vostraleen_Blowcount", "Unable to start Web browser !", QMessageBox::NoIcon, QMessageBox::Ok};
        QCOMPARE(classify(browser), BoxKind::BrowserFailure);

        // On a window put by hand into states the program must never reach.
        app::MainWindow window;
        TabWatch hiley(window, calc::Formula::Hiley);
        QVERIFY(hiley.checkPairs().isEmpty());
        QVERIFY(hiley.checkButtonsAndFrames().isEmpty());
        hiley.boxes[2]->setChecked(true);
        hiley.boxes[3]->setChecked(true);
        QVERIFY(!hiley.checkPairs().isEmpty());
        QVERIFY(!hiley.checkBoxes().isEmpty());
        hiley.print->show();
        QVERIFY(!hiley.checkButtonsAndFrames().isEmpty());
        hiley.everOk = true;
        hiley.print->hide();
        QVERIFY(!hiley.checkButtonsAndFrames().isEmpty());
        hiley.print->show();
        QVERIFY(hiley.checkButtonsAndFrames().isEmpty());
        hiley.results.front()->setText("x");
        QVERIFY(!hiley.checkResults().isEmpty());
        hiley.fields.front()->setText("1");
        QVERIFY(!hiley.checkFields().isEmpty());
    }

    // A modal window that is none of the program's is closed and reported,
    // so that a session fails instead of waiting for it.
    void strange_modal_windows_fail_the_session_without_a_hang()
    {
        SessionRandom random(1);
        ActionLog log;
        ModalAnswerer answerer(random, log, QDir::tempPath(), 0);
        QMessageBox warning(QMessageBox::Warning, "Qt", "Something else", QMessageBox::Ok);
        QElapsedTimer took;
        took.start();
        warning.exec();
        QDialog plain;
        plain.setWindowTitle("Plain");
        QCOMPARE(plain.exec(), int(QDialog::Rejected));
        QVERIFY(took.elapsed() < 2000);
        const QStringList violations = answerer.takeViolations();
        QCOMPARE(violations.size(), 2);
        QVERIFY2(violations[0].contains("Something else"), qPrintable(violations[0]));
        QVERIFY2(violations[1].contains("Plain"), qPrintable(violations[1]));
        QCOMPARE(answerer.seen().size(), std::size_t(2));
        QCOMPARE(answerer.seen()[0].kind, BoxKind::Unknown);
    }

    void session_data()
    {
        QTest::addColumn<quint64>("seed");
        for (int i = 0; i < settings.seeds; ++i) {
            const std::uint64_t seed = settings.seed + static_cast<std::uint64_t>(i);
            QTest::addRow("seed %llu", static_cast<unsigned long long>(seed)) << static_cast<quint64>(seed);
        }
    }
    void session()
    {
        QFETCH(quint64, seed);
        QTemporaryDir output;
        QVERIFY(output.isValid());
        // Each seed starts with no sections of the user's and no recent files,
        // in a folder of its own (QtTest's test mode would otherwise put them
        // in one folder shared by every run).
        QTemporaryDir config;
        QVERIFY(config.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
        SessionOptions options;
        options.seed = seed;
        options.actions = settings.actions;
        options.locale = localeOf(seed);
        options.outputFolder = output.path();
        options.yesPercent = settings.yesPercent;

        const QString replay = QStringLiteral("%1 --seed %2 --seeds 1 --actions N")
                                   .arg(QCoreApplication::arguments().value(0))
                                   .arg(seed);
        std::fprintf(stdout, "Random session: seed %llu, %ld actions, locale %s (replay: %s)\n",
                     static_cast<unsigned long long>(seed), settings.actions, options.locale.name().toUtf8().constData(),
                     replay.toUtf8().constData());
        std::fflush(stdout);

        ActionLog log;
        log.setEcho(settings.printActions);
        Watchdog watchdog(log, settings.hangSeconds);
        watchdog.setHeader(QStringLiteral("seed %1, locale %2").arg(seed).arg(options.locale.name()));
        QString fault;
        SessionFigures figures;
        {
            RandomSession session(options, log, watchdog);
            fault = session.run();
            figures = session.figures();
        }
        log.flush();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const QWidgetList left = QApplication::topLevelWidgets();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        std::fprintf(stdout, "Seed %llu: %s\n", static_cast<unsigned long long>(seed), figures.summary().toUtf8().constData());
        printWarnings();
        if (!fault.isEmpty()) {
            const QString report = QStringLiteral("seed %1, action %2 of %3: %4\nLast actions:\n%5Replay: %6 (N = %2)")
                                       .arg(seed)
                                       .arg(figures.actions)
                                       .arg(settings.actions)
                                       .arg(fault, log.lastActions(), replay);
            QFAIL(qPrintable(report));
        }
        QVERIFY2(left.isEmpty(), qPrintable(QStringLiteral("%1 windows outlived the main window, the first a %2")
                                                .arg(left.size())
                                                .arg(left.isEmpty() ? QString() : QString::fromLatin1(left.first()->metaObject()->className()))));
    }
};

namespace {

// Takes the session's own options out of argv, leaving QtTest's.
void readSettings(int& argc, char** argv)
{
    auto fromEnvironment = [](const char* name, auto& value) {
        const QByteArray text = qgetenv(name);
        if (!text.isEmpty()) value = static_cast<std::remove_reference_t<decltype(value)>>(text.toLongLong());
    };
    fromEnvironment("BLOWCOUNT_SESSION_SEED", settings.seed);
    fromEnvironment("BLOWCOUNT_SESSION_SEEDS", settings.seeds);
    fromEnvironment("BLOWCOUNT_SESSION_ACTIONS", settings.actions);
    bool randomSeed = qgetenv("BLOWCOUNT_SESSION_SEED") == "random";

    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const QByteArray option = argv[i];
        const bool hasValue = i + 1 < argc;
        if (option == "--seed" && hasValue) {
            const QByteArray value = argv[++i];
            randomSeed = value == "random";
            if (!randomSeed) settings.seed = value.toULongLong();
        } else if (option == "--seeds" && hasValue) {
            settings.seeds = QByteArray(argv[++i]).toInt();
        } else if (option == "--actions" && hasValue) {
            settings.actions = QByteArray(argv[++i]).toLong();
        } else if (option == "--yes-percent" && hasValue) {
            settings.yesPercent = QByteArray(argv[++i]).toInt();
        } else if (option == "--hang-seconds" && hasValue) {
            settings.hangSeconds = QByteArray(argv[++i]).toInt();
        } else if (option == "--print-actions") {
            settings.printActions = true;
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    if (randomSeed) settings.seed = static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()) % 1000000007ULL;
}

}  // namespace

int main(int argc, char* argv[])
{
    readSettings(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // A long session outlasts QtTest's five minutes per test function; the
    // session's own watchdog bounds every action instead.
    if (qEnvironmentVariableIsEmpty("QTEST_FUNCTION_TIMEOUT")) qputenv("QTEST_FUNCTION_TIMEOUT", "86400000");
    // The recent files and the user's sections are kept in a folder of the
    // session's own, never in the user's settings.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    app::useInterfaceFont();
    app::useChartModule(&app::chartWindows());
    RandomSessionTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_random_session.moc"
