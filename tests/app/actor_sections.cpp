// The section table as a random session uses it: rows typed and added, user
// rows clicked, changed and saved, deleted, the shape changed, good rows and
// bad ones (no name, a name taken, letters or zero or a negative where a size
// belongs, a wall thicker than the radius, a core wider than the side, long
// Thai). After each: the rows shown are the built-in sections and the rows
// kept, each with the area the section rules give it; a refused row shows its
// reason and changes nothing; a row taken is kept exactly as typed.
#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <variant>

#include "app/section_catalogue.h"
#include "calc/numbers.h"
#include "calc/pile_sections.h"
#include "calc/user_sections.h"
#include "defined_boxes.h"
#include "random_texts.h"
#include "window_actor.h"

namespace random_session {

namespace {

using Rows = std::vector<calc::SectionRow>;

std::string sep() { return QLocale().decimalPoint().toStdString(); }
QString q(const std::string& text) { return QString::fromStdString(text); }
std::size_t builtIns() { return calc::builtInSections().size(); }

// The row as the fields show it (numbers with the locale's separator).
calc::SectionRow typed(QWidget& w)
{
    const int shape = child<QComboBox>(w, "SectionShape")->currentIndex();
    const auto text = [&](const char* name) { return child<QLineEdit>(w, name)->text(); };
    const auto number = [&](const char* name) { return calc::replaceAll(text(name).toStdString(), sep(), "."); };
    return {text("SectionName").trimmed().toStdString(), static_cast<calc::SectionShape>(shape),
            shape == 0 ? text("SectionSize").trimmed().toStdString() : std::string(), number("SectionFirst"),
            shape == 0 ? std::string() : number("SectionSecond")};
}

QString number(SessionRandom& r)
{
    const QChar s = QLocale().decimalPoint().at(0);
    switch (r.weighted({50, 5, 5, 5, 5, 5, 5})) {
    case 0: return plausibleNumber(r, s);
    case 1: return QStringLiteral("0");
    case 2: return QStringLiteral("-") + plausibleNumber(r, s);
    case 3: return QStringLiteral("สามสิบ");
    case 4: return QStringLiteral("1e39");
    case 5: return QString();
    default: return QStringLiteral("0%100001").arg(s);
    }
}

QString longThai(SessionRandom& r)
{
    const QString word = QStringLiteral("เสาเข็มสปันโรงงานกรุงเทพ ");
    QString text;
    for (int i = r.between(4, 20); i > 0; --i) text += word;
    return text + QString::number(r.below(1000));
}

class SectionTableActor : public WindowActor {
public:
    QString windowName() const override { return QStringLiteral("SectionTable"); }
    QString menuItem() const override { return QStringLiteral("sectiontable"); }
    int weight() const override { return 6; }
    QString act(ActorContext& ctx, QWidget& window) override;
    QString check(ActorContext& ctx, QWidget& window) override;

private:
    void type(QLineEdit* field, const QString& text);
    void fill(ActorContext& ctx, QWidget& window, bool some);
    void clickRow(QTableWidget* table, int row);
    QString press(ActorContext& ctx, QWidget& window, const char* button);
};

void SectionTableActor::type(QLineEdit* field, const QString& text)
{
    QTest::mouseClick(field, Qt::LeftButton);
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    if (text.size() > 40) field->insert(text);  // pasted
    else
        for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void SectionTableActor::fill(ActorContext& ctx, QWidget& w, bool some)
{
    SessionRandom& r = ctx.random;
    if (!some || r.percent(30)) {
        const Rows rows = app::SectionCatalogue::instance().userRows();
        QString name;
        switch (r.weighted({60, 6, 4, 10, 6, 6, 4})) {
        case 0: name = QStringLiteral("สปัน %1").arg(ctx.index); break;
        case 1: name = QString(); break;
        case 2: name = QStringLiteral("   "); break;
        case 3: name = rows.empty() ? QStringLiteral("ไอ 26×26") : q(r.pick(rows).name); break;
        case 4: name = q(r.pick(std::vector(calc::builtInSections().begin(), calc::builtInSections().end())).id); break;
        case 5: name = longThai(r); break;
        default: name = QStringLiteral("I-%1 x").arg(r.below(100)); break;
        }
        type(child<QLineEdit>(w, "SectionName"), name);
    }
    if (!some || r.percent(30)) {
        auto* shape = child<QComboBox>(w, "SectionShape");
        QTest::mouseClick(shape, Qt::LeftButton);  // the list opens; a key then closes it on a choice
        if (QApplication::activePopupWidget()) {
            QTest::keyClick(shape->view(), r.pick(std::vector{Qt::Key_Up, Qt::Key_Down, Qt::Key_Down, Qt::Key_Home, Qt::Key_End}));
            QTest::keyClick(shape->view(), r.percent(90) ? Qt::Key_Return : Qt::Key_Escape);
        }
    }
    const int shape = child<QComboBox>(w, "SectionShape")->currentIndex();
    if (shape == 0 && (!some || r.percent(30)))
        type(child<QLineEdit>(w, "SectionSize"), r.percent(10) ? longThai(r) : QStringLiteral("%1×%1").arg(r.between(15, 60)));
    QString first = number(r), second = number(r);
    if (r.percent(10)) {  // a wall or core as large as the pile
        first = QStringLiteral("40");
        second = shape == 1 ? QStringLiteral("20") : QStringLiteral("40");
    } else if (shape > 0 && r.percent(60)) {
        first = QString::number(r.between(25, 100));
        second = QString::number(shape == 1 ? r.between(4, 15) : r.between(5, 20));
    }
    if (!some || r.percent(40)) type(child<QLineEdit>(w, "SectionFirst"), first);
    if (shape > 0 && (!some || r.percent(40))) type(child<QLineEdit>(w, "SectionSecond"), second);
}

void SectionTableActor::clickRow(QTableWidget* table, int row)
{
    const QModelIndex index = table->model()->index(row, 1);
    table->scrollTo(index);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(index).center());
}

// Presses Add or Edit: the typed row is kept, where the section rules take it,
// or its reason shown and nothing changed.
QString SectionTableActor::press(ActorContext& ctx, QWidget& w, const char* button)
{
    const bool adding = std::string(button) == "SectionAdd";
    auto* table = child<QTableWidget>(w, "SectionRows");
    const Rows before = app::SectionCatalogue::instance().userRows();
    const int selected = table->selectedItems().isEmpty() ? -1 : table->currentRow() - static_cast<int>(builtIns());
    const int index = adding ? -1 : (selected >= 0 && selected < static_cast<int>(before.size()) ? selected : -2);
    const calc::SectionRow row = typed(w);
    ctx.begin(w, QStringLiteral("%1 \"%2\" shape %3: %4 / %5")
                     .arg(QString::fromLatin1(button), shown(q(row.name), 30))
                     .arg(static_cast<int>(row.shape))
                     .arg(q(row.first), q(row.second)));
    QTest::mouseClick(child<QPushButton>(w, button), Qt::LeftButton);
    const Rows after = app::SectionCatalogue::instance().userRows();
    if (index == -2) return after == before ? QString() : QStringLiteral("Edit with no user row chosen changed the rows");
    std::vector<std::string> taken;
    for (std::size_t i = 0; i < before.size(); ++i)
        if (static_cast<int>(i) != index) taken.push_back(before[i].name);
    const auto made = calc::sectionOf(row, ".", taken);
    const QString message = child<QLabel>(w, "SectionMessage")->text();
    if (const auto* reason = std::get_if<std::string>(&made)) {
        if (message != q(*reason)) return QStringLiteral("a refused row shows \"%1\", not \"%2\"").arg(message, q(*reason));
        return after == before ? QString() : QStringLiteral("a refused row changed the rows kept");
    }
    Rows expected = before;
    if (index < 0) expected.push_back(row);
    else expected[static_cast<std::size_t>(index)] = row;
    if (!message.isEmpty()) return QStringLiteral("a row taken shows \"%1\"").arg(message);
    if (after != expected) return QStringLiteral("the rows kept are not the rows before with the one typed");
    return {};
}

QString SectionTableActor::act(ActorContext& ctx, QWidget& w)
{
    SessionRandom& r = ctx.random;
    auto* table = child<QTableWidget>(w, "SectionRows");
    const Rows rows = app::SectionCatalogue::instance().userRows();
    const int choice = r.weighted({35, 25, 10, 15, 10, 5});
    if (choice == 1 || choice == 2) {  // a user row chosen (now and then a built-in one)
        const bool user = !rows.empty() && r.percent(85);
        const int row = user ? static_cast<int>(builtIns()) + r.below(static_cast<int>(rows.size())) : r.below(static_cast<int>(builtIns()));
        clickRow(table, row);
    }
    switch (choice) {
    case 0: fill(ctx, w, false); return press(ctx, w, "SectionAdd");
    case 1: fill(ctx, w, true); return press(ctx, w, "SectionEdit");
    case 2: {
        const int index = table->selectedItems().isEmpty() ? -1 : table->currentRow() - static_cast<int>(builtIns());
        ctx.begin(w, QStringLiteral("SectionDelete row %1").arg(table->currentRow()));
        QTest::mouseClick(child<QPushButton>(w, "SectionDelete"), Qt::LeftButton);
        Rows expected = rows;
        if (index >= 0 && index < static_cast<int>(rows.size())) expected.erase(expected.begin() + index);
        return app::SectionCatalogue::instance().userRows() == expected ? QString()
                                                                           : QStringLiteral("Delete did not take exactly the chosen row");
    }
    case 3: {
        const int row = r.below(table->rowCount());
        const bool again = !table->selectedItems().isEmpty() && table->currentRow() == row;
        ctx.begin(w, QStringLiteral("click SectionRows row %1").arg(row));
        clickRow(table, row);
        if (again || row < static_cast<int>(builtIns())) return {};
        // A row newly chosen shows in the fields.
        if (typed(w) != rows.at(static_cast<std::size_t>(row) - builtIns()))
            return QStringLiteral("the fields do not show the row chosen");
        return {};
    }
    case 4: {
        ctx.begin(w, QStringLiteral("SectionShape"));
        auto* shape = child<QComboBox>(w, "SectionShape");
        shape->setFocus();
        QTest::keyClick(shape, r.percent(50) ? Qt::Key_Down : Qt::Key_Up);
        return {};
    }
    default:
        ctx.begin(w, QStringLiteral("SectionClose"));
        QTest::mouseClick(child<QPushButton>(w, "SectionClose"), Qt::LeftButton);
        return w.isVisible() ? QStringLiteral("SectionClose left the window open") : QString();
    }
}

QString SectionTableActor::check(ActorContext&, QWidget& w)
{
    const auto* table = child<QTableWidget>(w, "SectionRows");
    const Rows rows = app::SectionCatalogue::instance().userRows();
    if (table->rowCount() != static_cast<int>(builtIns() + rows.size()))
        return QStringLiteral("%1 rows shown, not %2 built-in and %3 kept").arg(table->rowCount()).arg(builtIns()).arg(rows.size());
    std::vector<std::string> names;
    for (int r = 0; r < table->rowCount(); ++r) {
        calc::PileSection s;
        const bool builtIn = r < static_cast<int>(builtIns());
        if (builtIn) {
            s = calc::builtInSections()[static_cast<std::size_t>(r)];
        } else {
            const calc::SectionRow& row = rows[static_cast<std::size_t>(r) - builtIns()];
            const auto made = calc::sectionOf(row, ".", names);
            if (!std::holds_alternative<calc::PileSection>(made)) return QStringLiteral("a row kept does not pass: ") + q(row.name);
            s = std::get<calc::PileSection>(made);
            names.push_back(row.name);
        }
        const QString expected[] = {q(s.id), q(s.name), q(s.size), q(calc::replaceAll(s.area, ".", sep())),
                                    builtIn ? QStringLiteral("ในโปรแกรม") : QStringLiteral("ผู้ใช้")};
        for (int c = 0; c < 5; ++c) {
            const QString text = table->model()->index(r, c).data().toString();
            if (text != expected[c]) return QStringLiteral("row %1 column %2 shows \"%3\", not \"%4\"").arg(r).arg(c).arg(shown(text), shown(expected[c]));
            if (showsInfOrNan(text)) return QStringLiteral("row %1 shows inf or nan").arg(r);
        }
    }
    if (showsInfOrNan(child<QLabel>(w, "SectionMessage")->text())) return QStringLiteral("the message shows inf or nan");
    return {};
}

}  // namespace

std::unique_ptr<WindowActor> makeSectionTableActor() { return std::make_unique<SectionTableActor>(); }

}  // namespace random_session
