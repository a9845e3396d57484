// The capacity check's actor: the record's drop height and set typed, the
// set's form chosen, the graph's blow range changed, print, PDF and close.
// After every action of the session each formula's line must be calc's
// capacity check of the record shown with that tab as it stands.
#include <QCoreApplication>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include "app/formula_tab.h"
#include "app/main_window.h"
#include "calc/capacity.h"
#include "calc/numbers.h"
#include "chart_actors.h"
#include "random_texts.h"

namespace random_session {

namespace {

const char* const kPdfFailure = "ไม่สามารถบันทึกไฟล์ PDF ได้";

QString utf8(const std::string& text) { return QString::fromStdString(text); }

QString number(double value)
{
    return utf8(calc::numberText(value, QLocale().decimalPoint().toStdString()));
}

class CapacityActor : public WindowActor {
public:
    QString windowName() const override { return QStringLiteral("CapacityWindow"); }
    QString menuItem() const override { return QStringLiteral("capacitycheck"); }
    int weight() const override { return 7; }

    QString act(ActorContext& ctx, QWidget& window) override
    {
        const auto nothing = [] {};
        switch (ctx.random.weighted({20, 28, 10, 10, 6, 6, 3})) {
        case 0: {
            ctx.begin(window, QStringLiteral("edit recordheight"));
            const QString text = ctx.random.percent(15) ? QString() : number(ctx.random.between(10, 500) / 2.0);
            editField(ctx, *child<QLineEdit>(window, QStringLiteral("recordheight")), text, nothing);
            return {};
        }
        case 1: {
            ctx.begin(window, QStringLiteral("edit recordvalue"));
            const bool perFoot = child<QRadioButton>(window, QStringLiteral("recordblows30"))->isChecked();
            QString text = perFoot ? number(ctx.random.between(1, 300)) : number(ctx.random.between(1, 500) / 100.0);
            if (ctx.random.percent(6)) text = QStringLiteral("0");
            if (ctx.random.percent(6)) text = plausibleNumber(ctx.random, QLocale().decimalPoint().front());
            editField(ctx, *child<QLineEdit>(window, QStringLiteral("recordvalue")), text, nothing);
            return {};
        }
        case 2: {
            auto* radio = child<QRadioButton>(window, ctx.random.percent(50) ? QStringLiteral("recordset10") : QStringLiteral("recordblows30"));
            ctx.begin(window, QStringLiteral("click ") + radio->objectName());
            QTest::mouseClick(radio, Qt::LeftButton, {}, radio->rect().center());
            if (!radio->isChecked()) return radio->objectName() + QStringLiteral(" is not chosen after a click");
            return {};
        }
        case 3: return editBlows(ctx, window);
        case 4: {
            auto* print = child<QPushButton>(window, QStringLiteral("capacityprint"));
            ctx.begin(window, QStringLiteral("click capacityprint"));
            const bool enabled = print->isEnabled();
            QTest::mouseClick(print, Qt::LeftButton);
            return checkPrinted(ctx, enabled);
        }
        case 5: {
            auto* pdf = child<QPushButton>(window, QStringLiteral("capacitypdf"));
            ctx.begin(window, QStringLiteral("click capacitypdf"));
            const FileChoice choice = chooseFile(ctx, QStringLiteral("capacity"), QStringLiteral("pdf"));
            const bool enabled = pdf->isEnabled();
            QTest::mouseClick(pdf, Qt::LeftButton);
            QString fault = checkSaved(ctx, choice, enabled, QString::fromUtf8(kPdfFailure));
            if (choice.kind == FileChoice::NewFile) QFile::remove(choice.path);
            return fault;
        }
        default: {
            ctx.begin(window, QStringLiteral("click capacityclose"));
            QPointer<QWidget> open(&window);
            QTest::mouseClick(child<QPushButton>(window, QStringLiteral("capacityclose")), Qt::LeftButton);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (open && open->isVisible()) return QStringLiteral("capacityclose left the window open");
            return {};
        }
        }
    }

    QString check(ActorContext& ctx, QWidget& window) override
    {
        const std::string separator = ctx.main.page(kFormulas[0])->inputs().decimalSeparator;
        calc::DrivingRecord record;
        record.form = child<QRadioButton>(window, QStringLiteral("recordblows30"))->isChecked() ? calc::RecordForm::BlowsPerFoot
                                                                                                 : calc::RecordForm::TenBlowSet;
        if (child<QRadioButton>(window, QStringLiteral("recordset10"))->isChecked() == (record.form == calc::RecordForm::BlowsPerFoot))
            return QStringLiteral("recordset10 and recordblows30 are both chosen, or neither");
        record.value = child<QLineEdit>(window, QStringLiteral("recordvalue"))->text().toStdString();
        if (const QString height = child<QLineEdit>(window, QStringLiteral("recordheight"))->text(); !height.isEmpty())
            record.height = height.toStdString();

        const QString recordMessage =
            calc::recordSet(record.form, record.value, separator) ? QString() : QString::fromUtf8(calc::kRecordNotPositive);
        if (const QString shown = child<QLabel>(window, QStringLiteral("recordmessage"))->text(); shown != recordMessage)
            return QStringLiteral("recordmessage shows \"%1\", not \"%2\"").arg(shown, recordMessage);

        for (calc::Formula formula : kFormulas) {
            const calc::CapacityCheck check = calc::checkCapacity(ctx.main.page(formula)->inputs(), record);
            const bool computed = check.capacity.has_value();
            const bool message = !computed && check.message && *check.message != calc::kRecordNotPositive;
            QString expected[5];  // Qu, Qu/FS, Qa, verdict, message
            if (computed) {
                const calc::CapacityTexts t = calc::capacityTexts(*check.capacity, separator);
                expected[0] = utf8(t.Qu), expected[1] = utf8(t.safeLoad), expected[2] = utf8(t.required), expected[3] = utf8(t.verdict);
            }
            if (message) expected[4] = utf8(*check.message);
            const char* names[] = {"capacityqu", "capacitysafe", "capacityrequired", "capacityverdict", "capacitymessage"};
            for (int i = 0; i < 5; ++i) {
                const QString name = QStringLiteral("%1(%2)").arg(QLatin1String(names[i])).arg(static_cast<int>(formula));
                const QLabel* label = child<QLabel>(window, name);
                if (!label) return QStringLiteral("there is no label %1").arg(name);
                if (label->text() != expected[i])
                    return QStringLiteral("%1 shows \"%2\", the capacity check gives \"%3\"").arg(name, label->text(), expected[i]);
                if (label->isVisibleTo(&window) != (i == 4 ? message : !message))
                    return QStringLiteral("%1 is %2").arg(name, label->isVisibleTo(&window) ? "shown" : "hidden");
            }
        }
        const auto* from = child<QSpinBox>(window, QStringLiteral("blowsfrom"));
        const auto* to = child<QSpinBox>(window, QStringLiteral("blowsto"));
        if (from->value() >= to->value())
            return QStringLiteral("the graph's blows run from %1 to %2").arg(from->value()).arg(to->value());
        return infOrNanShown(window);
    }

    QString boxName(const BoxLook& look) const override
    {
        if (look.title == QString::fromUtf8(calc::kCheckTitle) && look.icon == QMessageBox::Question
            && look.buttons == QMessageBox::StandardButtons(QMessageBox::Ok) && look.text == QString::fromUtf8(kPdfFailure))
            return QStringLiteral("capacity PDF not saved");
        return {};
    }

private:
    // The graph's blow range: typed over, or stepped with the arrow and page keys.
    static QString editBlows(ActorContext& ctx, QWidget& window)
    {
        auto* spin = child<QSpinBox>(window, ctx.random.percent(50) ? QStringLiteral("blowsfrom") : QStringLiteral("blowsto"));
        if (ctx.random.percent(60)) {
            const QString text = QString::number(ctx.random.percent(10) ? ctx.random.between(0, 20000) : ctx.random.between(1, 400));
            ctx.begin(window, QStringLiteral("type %1 into %2").arg(text, spin->objectName()));
            QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(spin, text);
            if (ctx.random.percent(50)) QTest::keyClick(spin, Qt::Key_Return);
        } else {
            const Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown};
            const Qt::Key key = keys[ctx.random.below(4)];
            const int times = ctx.random.between(1, 5);
            ctx.begin(window, QStringLiteral("%1 x%2 in %3").arg(QKeySequence(key).toString()).arg(times).arg(spin->objectName()));
            for (int i = 0; i < times; ++i) QTest::keyClick(spin, key);
        }
        ctx.log.note(QStringLiteral("blows %1 to %2").arg(child<QSpinBox>(window, QStringLiteral("blowsfrom"))->value())
                         .arg(child<QSpinBox>(window, QStringLiteral("blowsto"))->value()));
        return {};
    }
};

}  // namespace

std::unique_ptr<WindowActor> makeCapacityActor() { return std::make_unique<CapacityActor>(); }

}  // namespace random_session
