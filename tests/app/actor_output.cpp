// What the chart and capacity actors share: typing into a field, the answers
// to the save buttons' file dialogs and the checks of what printing and
// saving brought about.
#include <QAbstractButton>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <QTimer>

#include "chart_actors.h"
#include "random_texts.h"

namespace random_session {

void settle(QWidget& window)
{
    for (int round = 0; round < 50; ++round) {
        bool pending = false;
        for (const QTimer* timer : window.findChildren<QTimer*>(Qt::FindDirectChildrenOnly))
            pending = pending || (timer->isActive() && timer->interval() == 0);
        if (!pending) return;
        QCoreApplication::processEvents();
    }
}

void editField(ActorContext& ctx, QLineEdit& field, const QString& number, const std::function<void()>& afterKey)
{
    const auto type = [&](const QString& text) {
        for (QChar c : text) {
            QTest::keyClicks(&field, QString(c));
            afterKey();
        }
    };
    const auto key = [&](Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&field, k, modifiers);
        afterKey();
    };
    QString what;
    switch (ctx.random.weighted({55, 12, 10, 13, 10})) {
    case 0:  // a new value over the old one
        what = QStringLiteral("type \"%1\" over").arg(number);
        key(Qt::Key_A, Qt::ControlModifier);
        type(number);
        break;
    case 1:  // typed after what is there
        what = QStringLiteral("type \"%1\" at the end").arg(number);
        key(Qt::Key_End);
        type(number);
        break;
    case 2: {  // random keys, the filter deciding what they type
        const int count = ctx.random.between(1, 4);
        QStringList keys;
        for (int i = 0; i < count; ++i) {
            const TypedKey k = randomKey(ctx.random, false);
            keys << k.describe();
            if (k.named) QTest::keyClick(&field, k.key, k.modifiers);
            else QTest::sendKeyEvent(QTest::Click, &field, k.key, k.text, k.modifiers);
            afterKey();
        }
        what = QStringLiteral("keys ") + keys.join(QLatin1Char(' '));
        break;
    }
    case 3: {  // a paste over the whole text
        QString text = randomPaste(ctx.random, QLocale().decimalPoint().front());
        if (text.size() > 120) text.truncate(120);  // a table of thousands of hammers is another test's
        QGuiApplication::clipboard()->setText(text);
        what = QStringLiteral("paste \"%1\"").arg(shown(text, 40));
        key(Qt::Key_A, Qt::ControlModifier);
        key(Qt::Key_V, Qt::ControlModifier);
        break;
    }
    default: {
        const int count = ctx.random.percent(30) ? 100 : ctx.random.between(1, 3);
        what = QStringLiteral("Backspace x%1").arg(count);
        key(Qt::Key_End);
        for (int i = 0; i < count && !field.text().isEmpty(); ++i) key(Qt::Key_Backspace);
        break;
    }
    }
    ctx.log.note(QStringLiteral("%1: %2 -> \"%3\"").arg(field.objectName(), what, shown(field.text(), 60)));
}

FileChoice chooseFile(ActorContext& ctx, const QString& stem, const QString& suffix)
{
    FileChoice choice;
    switch (ctx.random.weighted({25, 60, 15})) {
    case 0: break;
    case 1:
        choice.kind = FileChoice::NewFile;
        choice.path = ctx.newPath(stem, suffix);
        break;
    default:
        choice.kind = FileChoice::MissingFolder;
        choice.path = QDir(ctx.newPath(QStringLiteral("missing"), QStringLiteral("d"))).filePath(stem + QLatin1Char('.') + suffix);
        break;
    }
    ctx.answerer.setFileAnswer(choice.path);
    return choice;
}

namespace {

QString describe(const ModalSeen& m)
{
    if (m.type == ModalSeen::Type::Box) return QStringLiteral("the box \"%1\"").arg(shown(m.look.text, 80));
    return QStringLiteral("the window \"%1\"").arg(m.title);
}

}  // namespace

QString checkSaved(ActorContext& ctx, const FileChoice& choice, bool enabled, const QString& failureText)
{
    ctx.answerer.clearFileAnswer();
    const std::vector<ModalSeen>& seen = ctx.answerer.seen();
    if (!enabled) {
        if (!seen.empty()) return QStringLiteral("a disabled save button brought up ") + describe(seen.front());
        return {};
    }
    if (seen.empty() || seen.front().type != ModalSeen::Type::FileDialog)
        return QStringLiteral("the save button brought up no file dialog");
    const bool fails = choice.kind == FileChoice::MissingFolder;
    const bool failureBox = seen.size() == 2 && seen[1].type == ModalSeen::Type::Box && seen[1].look.text == failureText;
    if (fails && !failureBox) return QStringLiteral("a file that could not be written was not told with \"%1\"").arg(failureText);
    if (!fails && seen.size() > 1) return QStringLiteral("saving brought up ") + describe(seen[1]);
    if (seen.size() > 2) return QStringLiteral("saving brought up ") + describe(seen[2]);
    if (choice.kind == FileChoice::NewFile && QFileInfo(choice.path).size() <= 0)
        return QStringLiteral("the file %1 was not written, or is empty").arg(choice.path);
    if (fails && QFile::exists(choice.path)) return QStringLiteral("a save that failed left %1").arg(choice.path);
    return {};
}

QString checkPrinted(ActorContext& ctx, bool enabled)
{
    const std::vector<ModalSeen>& seen = ctx.answerer.seen();
    if (!enabled) {
        if (!seen.empty()) return QStringLiteral("a disabled print button brought up ") + describe(seen.front());
        return {};
    }
    if (seen.empty() || seen.front().type != ModalSeen::Type::PrinterDialog)
        return QStringLiteral("the print button brought up no printer dialog");
    const ModalSeen& dialog = seen.front();
    if (!dialog.accepted) {
        if (seen.size() > 1) return QStringLiteral("a cancelled print brought up ") + describe(seen[1]);
        return {};
    }
    if (dialog.folderRemoved) {
        if (seen.size() != 2 || seen[1].kind != BoxKind::PrintFailure)
            return QStringLiteral("a print into a removed folder was not told with the print failure box");
        ctx.session.printFailureExpected();
        if (QFile::exists(dialog.path)) return QStringLiteral("a print that failed left %1").arg(dialog.path);
        return {};
    }
    if (seen.size() > 1) return QStringLiteral("printing brought up ") + describe(seen[1]);
    QFile file(dialog.path);
    if (!file.open(QIODevice::ReadOnly) || !file.read(5).startsWith("%PDF"))
        return QStringLiteral("the print accepted into %1 wrote no PDF").arg(dialog.path);
    file.close();
    QFile::remove(dialog.path);
    return {};
}

QString infOrNanShown(const QWidget& window, const QString& quoting)
{
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (label->objectName() != quoting && showsInfOrNan(label->text())) return QStringLiteral("%1 shows \"%2\"").arg(label->objectName(), label->text());
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        if (showsInfOrNan(button->text())) return QStringLiteral("%1 shows \"%2\"").arg(button->objectName(), button->text());
    return {};
}

}  // namespace random_session
