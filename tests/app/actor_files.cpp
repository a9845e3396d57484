// The main window's pile-file commands as a random session uses them: open
// (the menu item or Ctrl+O) of files the session saved, good files written
// here, and the bad kinds a pile file can be (not JSON, cut short, a wrong
// version, a number where a text belongs, an unknown acceptance formula,
// binary junk, empty, a folder, a missing file); save and save as into new
// files, over old ones, into a folder that does not exist; the recent files.
// After each: a save that succeeded reads back, in a fresh reader, exactly as
// the window holds it; a refused save wrote nothing and left an old file as it
// was; a refused open changed nothing and said why; an open that succeeded
// shows exactly what the file holds.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTest>
#include <map>
#include <optional>
#include <variant>

#include "app/main_window.h"
#include "app/menu_bar.h"
#include "calc/formula_names.h"
#include "calc/outcome.h"
#include "calc/pile_file.h"
#include "calc/pile_sections.h"
#include "random_texts.h"
#include "window_actor.h"

namespace random_session {

namespace {

const QString kQuestion = QStringLiteral("save changes question");
const QString kOpenFailure = QStringLiteral("open failure");
const QString kSaveFailure = QStringLiteral("save failure");
const QString kOpenFailed = QStringLiteral("ไม่สามารถเปิดไฟล์ได้\n");
const QString kSaveFailed = QStringLiteral("ไม่สามารถบันทึกไฟล์ได้\n");

std::string separator() { return QLocale().decimalPoint().toStdString(); }

calc::PileFileResult load(const QString& path) { return calc::loadPileFile(QFile::encodeName(path).toStdString(), separator()); }

QString absolute(const QString& path) { return QFileInfo(path).absoluteFilePath(); }

QString withSuffix(const QString& path)
{
    return QFileInfo(path).suffix().isEmpty() ? path + QString::fromUtf8(calc::kPileFileSuffix) : path;
}

QString qs(const std::string& text) { return shown(QString::fromStdString(text), 40); }

// The first difference between what the window holds and what was expected.
QString difference(const calc::PileDocument& shown, const calc::PileDocument& expected)
{
    if (shown.decimalSeparator != expected.decimalSeparator) return QStringLiteral("the decimal separator");
    for (const calc::FormulaInfo& info : calc::formulas()) {
        const calc::PileTab& a = shown.tab(info.formula);
        const calc::PileTab& b = expected.tab(info.formula);
        for (std::size_t i = 0; i < std::max(a.texts.size(), b.texts.size()); ++i) {
            const std::string x = i < a.texts.size() ? a.texts[i] : "(none)", y = i < b.texts.size() ? b.texts[i] : "(none)";
            if (x != y)
                return QStringLiteral("%1 field %2 is \"%3\", not \"%4\" (%5 and %6 bytes)")
                    .arg(info.name).arg(i).arg(qs(x), qs(y), QString::fromLatin1(QByteArray::fromStdString(x).toHex()),
                         QString::fromLatin1(QByteArray::fromStdString(y).toHex()));
        }
        if (a.boxes != b.boxes) return QStringLiteral("the boxes or the section of %1").arg(info.name);
    }
    if (shown.records.size() != expected.records.size())
        return QStringLiteral("%1 records, not %2").arg(shown.records.size()).arg(expected.records.size());
    for (std::size_t i = 0; i < shown.records.size(); ++i)
        if (shown.records[i] != expected.records[i])
            return QStringLiteral("record %1 (%2, not %3)").arg(i).arg(qs(shown.records[i].mark), qs(expected.records[i].mark));
    if (shown.acceptance != expected.acceptance || shown.acceptanceGiven != expected.acceptanceGiven)
        return QStringLiteral("the acceptance settings");
    return {};
}

// A document a user could have saved: some texts, boxes, sections and records.
calc::PileDocument goodDocument(SessionRandom& random)
{
    const bool comma = random.percent(20);
    const std::string sep = comma ? "," : ".";
    calc::PileDocument document = calc::initialDocument(sep);
    for (const calc::FormulaInfo& info : calc::formulas()) {
        calc::PileTab& tab = document.tab(info.formula);
        for (std::string& text : tab.texts)
            if (random.percent(40))
                text = (random.percent(80) ? plausibleNumber(random, QLatin1Char(sep[0])) : randomPaste(random, QLatin1Char(sep[0])))
                           .left(200).toStdString();
        if (!info.hasPileBoxes) continue;
        const int material = random.below(3), section = random.below(5);
        tab.boxes.reinforced = material == 1;
        tab.boxes.prestressed = material == 2;
        tab.boxes.square = section == 1;
        tab.boxes.round = section == 2;
        if (section == 3) tab.boxes.section = random.pick(std::vector(calc::builtInSections().begin(), calc::builtInSections().end()));
        if (section == 4) tab.boxes.section = calc::PileSection{"ไอ โรงงาน", "ไอ โรงงาน", "25×25", "401.5"};
        if (tab.boxes.section) {
            for (const calc::FieldSymbol& f : info.fields)
                if (std::string(f.symbol) == "D") tab.texts[static_cast<std::size_t>(f.index)] = tab.boxes.section->size;
        }
    }
    for (int i = random.below(4); i > 0; --i) {
        calc::PileRecord record;
        record.mark = "P-" + std::to_string(i);
        record.location = random.percent(50) ? "A/" + std::to_string(i) : "ฐานราก F" + std::to_string(i);
        record.date = "2026-05-0" + std::to_string(i);
        record.depth = "18" + sep + "3";
        record.blows = {"12", "15", std::to_string(random.between(1, 40))};
        record.sets = {"1" + sep + "9", std::to_string(random.between(1, 5))};
        document.records.push_back(record);
    }
    if (random.percent(30)) {
        document.acceptanceGiven = true;
        document.acceptance.formula = random.pick(std::vector<std::string>{"hiley", "janbu", "strictest"});
        document.acceptance.project = "อาคาร ก";
    }
    return document;
}

bool write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

enum class Command { Open, Save, SaveAs, SaveAsMissingFolder, Recent };

struct Target {
    bool existed = false;
    bool folder = false;
    QByteArray bytes;
};

Target snapshot(const QString& path)
{
    const QFileInfo info(path);
    Target t{info.exists(), info.isDir(), {}};
    if (info.isFile()) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) t.bytes = file.readAll();
    }
    return t;
}

class FilesActor : public WindowActor {
public:
    QString windowName() const override { return QStringLiteral("Form2"); }
    QString menuItem() const override { return {}; }
    int weight() const override { return 10; }
    QString act(ActorContext& ctx, QWidget& window) override;
    QString check(ActorContext&, QWidget&) override { return {}; }
    QString boxName(const BoxLook& look) const override
    {
        const bool check = look.title == QString::fromUtf8(calc::kCheckTitle) && look.icon == QMessageBox::Question
                           && look.buttons == QMessageBox::StandardButtons(QMessageBox::Ok);
        if (check && look.text.startsWith(kOpenFailed) && look.text.size() > kOpenFailed.size()) return kOpenFailure;
        if (check && look.text.startsWith(kSaveFailed) && look.text.size() > kSaveFailed.size()) return kSaveFailure;
        if (look.title == QStringLiteral("ยืนยัน") && look.text == QStringLiteral("บันทึกการเปลี่ยนแปลงหรือไม่")
            && look.icon == QMessageBox::Question
            && look.buttons == (QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel))
            return kQuestion;
        return {};
    }
    void reset() override {}

private:
    QString fileToOpen(ActorContext& ctx, QString& what);
    QString judge(ActorContext& ctx, Command command, const QString& answer, const QString& openPath);

    std::vector<QString> saved_;  // files this session saved
    // Before the action.
    calc::PileDocument before_;
    QString pathBefore_;
    bool unsavedBefore_ = false;
    std::map<QString, Target> targets_;
};

QString FilesActor::fileToOpen(ActorContext& ctx, QString& what)
{
    SessionRandom& r = ctx.random;
    const QString path = ctx.newPath(QStringLiteral("open"), QStringLiteral("blowcount"));
    const std::string good = calc::writePileFile(goodDocument(r));
    const int kind = r.weighted({15, 30, 6, 6, 6, 5, 5, 5, 5, 4, 4, 4, 5});
    QByteArray bytes;
    switch (kind) {
    case 0:
        if (!saved_.empty()) {
            what = QStringLiteral("a file saved here");
            return r.pick(saved_);
        }
        [[fallthrough]];
    case 1: what = QStringLiteral("a good file"); bytes = QByteArray::fromStdString(good); break;
    case 2:
        what = QStringLiteral("a file cut short");
        bytes = QByteArray::fromStdString(good.substr(0, static_cast<std::size_t>(r.between(1, static_cast<int>(good.size()) - 3))));
        break;
    case 3: what = QStringLiteral("not JSON"); bytes = "Blow Count pile\nD = 30\n"; break;
    case 4:
        what = QStringLiteral("a wrong version");
        bytes = QByteArray::fromStdString(good).replace("\"version\": ", r.pick(std::vector<QByteArray>{
                                                                              "\"version\": 9", "\"version\": -", "\"version\": \"2\", \"x\": "}));
        break;
    case 5: what = QStringLiteral("a number too large"); bytes = R"({"format": "blowcount-pile", "version": 1e999})"; break;
    case 6:
        what = QStringLiteral("a number for a text");
        bytes = R"({"format": "blowcount-pile", "version": 1, "tabs": {"hiley": {"fields": {"D": 30}}}})";
        break;
    case 7:
        what = QStringLiteral("an unknown formula");
        bytes = R"({"format": "blowcount-pile", "version": 2, "acceptance": {"formula": "newton", "sets_required": "1"}})";
        break;
    case 8:
        what = QStringLiteral("binary junk");
        for (int i = r.between(1, 3000); i > 0; --i) bytes.append(static_cast<char>(r.below(256)));
        break;
    case 9: what = QStringLiteral("an empty file"); break;
    case 10:
        what = QStringLiteral("a folder");
        QDir().mkpath(path);
        return path;
    case 11: what = QStringLiteral("a missing file"); return path;
    default: {
        what = QStringLiteral("any file of the folder");
        const QStringList all = QDir(ctx.folder).entryList(QDir::Files, QDir::Name);
        if (!all.isEmpty()) return QDir(ctx.folder).filePath(all[r.below(static_cast<int>(all.size()))]);
        bytes = QByteArray::fromStdString(good);
    }
    }
    if (!write(path, bytes)) return {};
    return path;
}

QString FilesActor::act(ActorContext& ctx, QWidget& window)
{
    app::MainWindow& main = ctx.main;
    SessionRandom& r = ctx.random;
    const app::MenuActions& menu = main.menuActions();
    before_ = main.document();
    pathBefore_ = main.filePath();
    unsavedBefore_ = main.hasUnsavedChanges();
    targets_.clear();

    std::vector<QAction*> recent;
    for (QAction* item : menu.recent)
        if (item->isVisible() && !item->data().toString().isEmpty()) recent.push_back(item);
    auto command = static_cast<Command>(r.weighted({45, 15, 22, 6, recent.empty() ? 0 : 12}));
    QString answer, openPath, what;
    QAction* item = nullptr;
    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers = Qt::ControlModifier;
    switch (command) {
    case Command::Open:
        openPath = answer = r.percent(5) ? QString() : fileToOpen(ctx, what);
        item = menu.fileopen;
        key = Qt::Key_O;
        break;
    case Command::Save:
    case Command::SaveAs:
        if (r.percent(5)) what = QStringLiteral("cancelled");
        else if (r.percent(15) && !saved_.empty()) answer = r.pick(saved_), what = QStringLiteral("over a file saved before");
        else if (r.percent(10)) answer = ctx.newPath(QStringLiteral("nosuffix"), {}).chopped(1), what = QStringLiteral("no suffix");
        else if (r.percent(5)) {
            answer = ctx.newPath(QStringLiteral("folder"), QStringLiteral("blowcount"));
            QDir().mkpath(answer);
            what = QStringLiteral("onto a folder");
        }
        else answer = ctx.newPath(QStringLiteral("saved"), QStringLiteral("blowcount")), what = QStringLiteral("a new file");
        item = command == Command::Save ? menu.filesave : menu.filesaveas;
        key = Qt::Key_S;
        if (command == Command::SaveAs) modifiers |= Qt::ShiftModifier;
        break;
    case Command::SaveAsMissingFolder:
        answer = QDir(ctx.newPath(QStringLiteral("missing"), QStringLiteral("d"))).filePath(QStringLiteral("x.blowcount"));
        what = QStringLiteral("into a missing folder");
        item = menu.filesaveas;
        break;
    case Command::Recent:
        item = r.pick(recent);
        openPath = item->data().toString();
        answer = ctx.newPath(QStringLiteral("saved"), QStringLiteral("blowcount"));  // if asked where to save first
        what = QFileInfo(openPath).fileName();
        if (r.percent(10) && openPath.startsWith(ctx.folder)) {
            QFile::remove(openPath);
            what += QStringLiteral(" (removed)");
        }
        break;
    }
    for (const QString& path : {pathBefore_, answer.isEmpty() ? QString() : withSuffix(answer)})
        if (!path.isEmpty()) targets_[path] = snapshot(path);

    const bool byKey = key != Qt::Key_unknown && r.percent(30);
    ctx.begin(window, QStringLiteral("%1 %2: %3").arg(byKey ? QKeySequence(key | modifiers).toString() : item->objectName(),
                                                        what, answer.isEmpty() ? QStringLiteral("(no file)") : answer));
    ctx.answerer.setFileAnswer(answer);
    if (byKey) {
        main.raise();
        main.activateWindow();
        QApplication::setActiveWindow(&main);
        QTest::keyClick(main.focusWidget() ? main.focusWidget() : &main, key, modifiers);
    } else {
        item->trigger();
    }
    return judge(ctx, command, answer, openPath);
}

QString FilesActor::judge(ActorContext& ctx, Command command, const QString& answer, const QString& openPath)
{
    app::MainWindow& main = ctx.main;
    const bool consumed = !ctx.answerer.takeFileAnswer().has_value();
    const ModalSeen* question = nullptr;
    const ModalSeen* openFailure = nullptr;
    int saveFailures = 0;
    for (const ModalSeen& m : ctx.answerer.seen()) {
        if (m.name == kQuestion) question = &m;
        if (m.name == kOpenFailure) openFailure = &m;
        if (m.name == kSaveFailure) ++saveFailures;
    }
    const bool opening = command == Command::Open || command == Command::Recent;
    if (opening && (question != nullptr) != unsavedBefore_)
        return QStringLiteral("the save-changes question %1 with unsaved changes %2").arg(question ? "came" : "did not come").arg(unsavedBefore_);
    const QMessageBox::StandardButton button = question ? question->button : QMessageBox::NoButton;

    // Where a save went: the file's own path, or the path asked for.
    std::optional<QString> saveTarget;
    bool saveAsked = false;  // the answer went to a save-as dialog
    if (command == Command::Save || command == Command::SaveAs || command == Command::SaveAsMissingFolder
        || button == QMessageBox::Save) {
        saveAsked = command == Command::SaveAs || command == Command::SaveAsMissingFolder || pathBefore_.isEmpty();
        if (!saveAsked) saveTarget = pathBefore_;
        else if (!answer.isEmpty()) saveTarget = withSuffix(answer);
        if (saveAsked && !consumed) return QStringLiteral("no file was asked for to save into");
    }
    if (saveFailures > (saveTarget ? 1 : 0)) return QStringLiteral("a save failure box came up with no save");
    if (command == Command::SaveAsMissingFolder && !saveFailures)
        return QStringLiteral("a save into a missing folder did not say it failed");
    QString pathNow = pathBefore_;
    if (saveTarget) {
        const Target& old = targets_[*saveTarget];
        const QFileInfo info(*saveTarget);
        if (saveFailures) {
            if (info.exists() != old.existed || info.isDir() != old.folder || (info.isFile() && snapshot(*saveTarget).bytes != old.bytes))
                return QStringLiteral("a refused save changed %1").arg(*saveTarget);
        } else {
            const calc::PileFileResult read = load(*saveTarget);
            if (const auto* error = std::get_if<calc::PileFileError>(&read))
                return QStringLiteral("the saved file %1 does not open: %2").arg(*saveTarget, QString::fromStdString(calc::englishReason(*error)));
            if (QString d = difference(std::get<calc::PileDocument>(read), before_); !d.isEmpty())
                return QStringLiteral("the saved file %1 differs from the window: %2").arg(*saveTarget, d);
            pathNow = absolute(*saveTarget);
            if (!saved_.empty() && saved_.back() == *saveTarget) saved_.pop_back();
            saved_.push_back(*saveTarget);
        }
    }
    bool openTried = false;
    if (opening) {
        const bool goesOn = !question || button == QMessageBox::Discard || (button == QMessageBox::Save && saveTarget && !saveFailures);
        openTried = goesOn && !openPath.isEmpty() && (command == Command::Recent || !(button == QMessageBox::Save && saveAsked));
        if (goesOn && command == Command::Open && !(button == QMessageBox::Save && saveAsked) && !consumed)
            return QStringLiteral("the open command asked for no file");
    }
    if (openFailure && !openTried) return QStringLiteral("an open failure box came up with no file opened");
    if (openTried && !openFailure) {
        const calc::PileFileResult read = load(openPath);
        if (const auto* error = std::get_if<calc::PileFileError>(&read))
            return QStringLiteral("a file that does not read (%1) opened").arg(QString::fromStdString(calc::englishReason(*error)));
        ctx.session.tabsReplaced();
        if (QString d = difference(main.document(), std::get<calc::PileDocument>(read)); !d.isEmpty())
            return QStringLiteral("the window does not show the file opened: ") + d;
        if (main.filePath() != absolute(openPath)) return QStringLiteral("the window's file is %1, not the file opened").arg(main.filePath());
        return {};
    }
    if (openFailure) {
        const calc::PileFileResult read = load(openPath);
        const auto* error = std::get_if<calc::PileFileError>(&read);
        if (!error) return QStringLiteral("a file that reads was refused");
        if (openFailure->look.text != kOpenFailed + QString::fromStdString(calc::thaiReason(*error)))
            return QStringLiteral("the open failure box says \"%1\"").arg(shown(openFailure->look.text));
        if (command == Command::Recent && !QFileInfo::exists(openPath))
            for (QAction* item : main.menuActions().recent)
                if (item->isVisible() && item->data().toString() == openPath) return QStringLiteral("a missing file stays among the recent files");
    }
    if (QString d = difference(main.document(), before_); !d.isEmpty())
        return QStringLiteral("the window's document changed with no file opened: ") + d;
    if (main.filePath() != pathNow) return QStringLiteral("the window's file became %1, not %2").arg(main.filePath(), pathNow);
    return {};
}

}  // namespace

std::unique_ptr<WindowActor> makeFilesActor() { return std::make_unique<FilesActor>(); }

}  // namespace random_session
