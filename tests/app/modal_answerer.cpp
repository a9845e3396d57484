#include "modal_answerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QKeySequence>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>

#include "random_texts.h"

namespace random_session {

namespace {

constexpr int kStuckMs = 3000;  // a modal window still up this long after its answer is stuck
constexpr int kLongestWorkMs = 60000;  // a progress dialog still up this long is stuck

// The records window's progress over many pages, which closes when the pages
// are done.
bool isPageProgress(const QWidget* modal)
{
    return qobject_cast<const QProgressDialog*>(modal) && modal->objectName() == QStringLiteral("recordsprogress");
}

}  // namespace

ModalAnswerer::ModalAnswerer(SessionRandom& random, ActionLog& log, QString outputFolder, int yesPercent)
    : random_(random), log_(log), outputFolder_(std::move(outputFolder)), yesPercent_(yesPercent)
{
    timer_.setInterval(1);
    connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::poll);
    timer_.start();
}

void ModalAnswerer::violation(const QString& text)
{
    violations_ << text;
    log_.note(QStringLiteral("VIOLATION: ") + text);
}

void ModalAnswerer::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return;
    if (modal == answered_) {
        if (answeredAt_.elapsed() < (isPageProgress(modal) ? kLongestWorkMs : kStuckMs)) return;
        violation(QStringLiteral("a modal window (%1) stayed up %2 ms after its answer").arg(modal->windowTitle()).arg(kStuckMs));
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->done(QDialog::Rejected);
        else modal->close();
        return;
    }
    answered_ = modal;
    answeredAt_.start();
    if (checkWhileModal_) {
        const QString problem = checkWhileModal_();
        if (!problem.isEmpty()) violation(QStringLiteral("while a modal window was up: ") + problem);
    }
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        answerBox(*box);
    } else if (auto* dialog = qobject_cast<QPrintDialog*>(modal)) {
        answerPrinterDialog(*dialog);
    } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
        answerFileDialog(*files);
    } else if (isPageProgress(modal)) {
        // Left to run: the pages asked for are written.
        ModalSeen progress;
        progress.type = ModalSeen::Type::Other;
        progress.title = modal->windowTitle();
        progress.answer = QStringLiteral("left to run");
        seen_.push_back(progress);
        log_.note(QStringLiteral("progress \"%1\" left to run").arg(progress.title));
    } else {
        ModalSeen other;
        other.type = ModalSeen::Type::Other;
        other.title = modal->windowTitle();
        other.answer = QStringLiteral("closed");
        seen_.push_back(other);
        violation(QStringLiteral("a modal window that is none of the program's: %1 (%2)")
                      .arg(modal->windowTitle(), QString::fromLatin1(modal->metaObject()->className())));
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
        else modal->close();
    }
}

void ModalAnswerer::answerBox(QMessageBox& box)
{
    ModalSeen seen;
    seen.type = ModalSeen::Type::Box;
    seen.look = {box.windowTitle(), box.text(), box.icon(), box.standardButtons()};
    seen.kind = classify(seen.look);
    if (seen.kind == BoxKind::Unknown && boxNamer_) {
        seen.name = boxNamer_(seen.look);
        if (!seen.name.isEmpty()) seen.kind = BoxKind::WindowMessage;
    }
    if (seen.kind == BoxKind::Unknown)
        violation(QStringLiteral("a message box that is none of the program's: title \"%1\", text \"%2\", icon %3, buttons %4")
                      .arg(seen.look.title, shown(seen.look.text, 200))
                      .arg(int(seen.look.icon))
                      .arg(int(seen.look.buttons)));
    if (showsInfOrNan(seen.look.text)) violation(QStringLiteral("a message box shows inf or nan: ") + seen.look.text);

    // How the box is answered: a click on a button, or a key.
    QMessageBox::StandardButton button = QMessageBox::NoButton;
    int key = 0;
    if (seen.kind == BoxKind::LeaveConfirmation) {
        seen.yes = random_.below(100) < yesPercent_;
        if (seen.yes) {
            if (random_.percent(50)) key = Qt::Key_Return;  // Yes is the default button
            else button = QMessageBox::Yes;
        } else {
            if (random_.percent(30)) key = Qt::Key_Escape;
            else button = QMessageBox::No;
        }
    } else if (seen.kind == BoxKind::WindowMessage) {
        // One of the box's buttons, or Escape.
        QList<QAbstractButton*> buttons = box.buttons();
        if (buttons.isEmpty() || random_.percent(15)) {
            key = Qt::Key_Escape;
        } else {
            QAbstractButton* target = buttons[random_.below(static_cast<int>(buttons.size()))];
            button = box.standardButton(target);
        }
    } else {
        switch (random_.weighted({55, 20, 10, 15})) {
        case 0: button = QMessageBox::Ok; break;
        case 1: key = Qt::Key_Return; break;
        case 2: key = Qt::Key_Space; break;
        default: key = Qt::Key_Escape; break;
        }
    }
    if (key == Qt::Key_Space) {
        // Space presses the button that has the focus: the box's only one, OK.
        if (QAbstractButton* ok = box.button(QMessageBox::Ok)) QTest::keyClick(ok, Qt::Key_Space);
        seen.answer = QStringLiteral("Space");
    } else if (key) {
        QTest::keyClick(&box, static_cast<Qt::Key>(key));
        seen.answer = QKeySequence(key).toString();
    } else if (QAbstractButton* target = box.button(button)) {
        target->click();
        seen.answer = target->text().remove(QLatin1Char('&'));
    }
    if (seen.kind == BoxKind::WindowMessage) {
        seen.button = box.standardButton(box.clickedButton());
        if (box.isVisible()) {
            box.reject();
            seen.answer += QStringLiteral(" (then closed)");
        }
    } else if (box.isVisible()) {
        // The key did not reach a button: click the one meant.
        const QMessageBox::StandardButton meant =
            seen.kind == BoxKind::LeaveConfirmation ? (seen.yes ? QMessageBox::Yes : QMessageBox::No) : QMessageBox::Ok;
        if (QAbstractButton* target = box.button(meant)) target->click();
        else box.reject();
        seen.answer += QStringLiteral(" (then a click)");
    }
    log_.note(QStringLiteral("box [%1] \"%2\" -> %3")
                  .arg(seen.name.isEmpty() ? QString::fromLatin1(kindName(seen.kind)) : seen.name, shown(seen.look.text, 80),
                       seen.answer));
    seen_.push_back(seen);
}

void ModalAnswerer::answerPrinterDialog(QPrintDialog& dialog)
{
    ModalSeen seen;
    seen.type = ModalSeen::Type::PrinterDialog;
    seen.title = dialog.windowTitle();
    const int choice = random_.weighted({35, 50, 15});
    if (choice == 0) {
        switch (random_.below(3)) {
        case 0: {
            auto* buttons = dialog.findChild<QDialogButtonBox*>();
            QPushButton* cancel = buttons ? buttons->button(QDialogButtonBox::Cancel) : nullptr;
            if (cancel) cancel->click();
            else dialog.reject();
            seen.answer = QStringLiteral("Cancel");
            break;
        }
        case 1:
            QTest::keyClick(&dialog, Qt::Key_Escape);
            seen.answer = QStringLiteral("Esc");
            break;
        default:
            dialog.reject();
            seen.answer = QStringLiteral("closed");
            break;
        }
        if (dialog.isVisible()) dialog.reject();
    } else {
        auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers"));
        auto* file = dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
        if (!printers || !file) {
            violation(QStringLiteral("the printer dialog has no printer list or file name to print into"));
            dialog.reject();
            seen.answer = QStringLiteral("closed (no file name)");
        } else {
            ++files_;
            QString folder = outputFolder_;
            if (choice == 2) {
                folder = QStringLiteral("%1/removed-%2").arg(outputFolder_).arg(files_);
                QDir().mkpath(folder);
            }
            seen.path = QStringLiteral("%1/report-%2.pdf").arg(folder).arg(files_);
            printers->setCurrentIndex(printers->count() - 1);  // print to file (PDF)
            file->setText(seen.path);
            dialog.accept();
            seen.accepted = true;
            seen.answer = QStringLiteral("print to ") + seen.path;
            if (dialog.printer()->outputFileName() != seen.path)
                violation(QStringLiteral("the printer dialog did not take the file %1 (it holds \"%2\")")
                              .arg(seen.path, dialog.printer()->outputFileName()));
            if (choice == 2) {
                QDir(folder).removeRecursively();
                seen.folderRemoved = true;
                seen.answer += QStringLiteral(", its folder then removed");
            }
        }
    }
    log_.note(QStringLiteral("printer dialog \"%1\" -> %2").arg(seen.title, seen.answer));
    seen_.push_back(seen);
}

void ModalAnswerer::answerFileDialog(QFileDialog& dialog)
{
    ModalSeen seen;
    seen.type = ModalSeen::Type::FileDialog;
    seen.title = dialog.windowTitle();
    if (!hasFileAnswer_ || fileAnswer_.isEmpty()) {
        if (random_.percent(50)) QTest::keyClick(&dialog, Qt::Key_Escape);
        if (dialog.isVisible()) dialog.reject();
        seen.answer = QStringLiteral("cancelled");
    } else {
        seen.path = fileAnswer_;
        dialog.selectFile(fileAnswer_);
        QMetaObject::invokeMethod(&dialog, "accept", Qt::DirectConnection);  // as the dialog's own button does
        seen.accepted = true;
        seen.answer = QStringLiteral("chose ") + fileAnswer_;
    }
    hasFileAnswer_ = false;
    log_.note(QStringLiteral("file dialog \"%1\" -> %2").arg(seen.title, seen.answer));
    seen_.push_back(seen);
}

}  // namespace random_session
