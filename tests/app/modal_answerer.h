#pragma once
// Answers, as a user would and at random, every modal window a random session
// brings up: the message boxes (OK by click, Enter, Space or Escape; the
// leave-program question mostly No, now and then Yes) and the printer dialogs
// (cancelled, or accepted to print into a new PDF file, or into a folder that
// is removed before the page is printed), the file dialogs (cancelled, or
// given the file the action chose) and the other windows' boxes (a button of
// theirs, or Escape). A modal window that is none of the program's, or one
// that stays up after its answer, is a violation: it is closed, so that the
// session fails instead of hanging.
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "action_log.h"
#include <QMessageBox>

#include "defined_boxes.h"
#include "session_random.h"

class QFileDialog;
class QMessageBox;
class QPrintDialog;

namespace random_session {

struct ModalSeen {
    enum class Type { Box, PrinterDialog, FileDialog, Other };
    Type type = Type::Other;
    BoxLook look;                     // a box
    BoxKind kind = BoxKind::Unknown;  // a box
    QString title;                    // a dialog's window title
    QString name;                     // a window's box, as its actor names it
    QString answer;
    QMessageBox::StandardButton button = QMessageBox::NoButton;  // a window's box: the button taken
    bool yes = false;           // the leave-program question answered Yes
    bool accepted = false;      // a printer dialog accepted
    QString path;               // the PDF file it was given; the file dialog's file
    bool folderRemoved = false; // the file's folder removed before printing
};

class ModalAnswerer : public QObject {
public:
    ModalAnswerer(SessionRandom& random, ActionLog& log, QString outputFolder, int yesPercent);

    // Runs while each modal window is up, before it is answered; a non-empty
    // result is a violation.
    void setCheckWhileModal(std::function<QString()> check) { checkWhileModal_ = std::move(check); }
    // Names a box that is none of the tabs' but one of another window's;
    // empty when it is nobody's.
    void setBoxNamer(std::function<QString(const BoxLook&)> namer) { boxNamer_ = std::move(namer); }
    // The next file dialog is given `path` (accepted), or cancelled when
    // `path` is empty; with no answer set, it is cancelled.
    void setFileAnswer(const QString& path) { fileAnswer_ = path; hasFileAnswer_ = true; }
    void clearFileAnswer() { hasFileAnswer_ = false; }
    // The answer set for the next file dialog, taken; nothing when none is set.
    std::optional<QString> takeFileAnswer()
    {
        if (!std::exchange(hasFileAnswer_, false)) return std::nullopt;
        return fileAnswer_;
    }

    const std::vector<ModalSeen>& seen() const { return seen_; }
    void clearSeen() { seen_.clear(); }
    QStringList takeViolations() { return std::exchange(violations_, {}); }

private:
    void poll();
    void answerBox(QMessageBox& box);
    void answerPrinterDialog(QPrintDialog& dialog);
    void answerFileDialog(QFileDialog& dialog);
    void violation(const QString& text);

    SessionRandom& random_;
    ActionLog& log_;
    QString outputFolder_;
    int yesPercent_;
    int files_ = 0;
    std::function<QString()> checkWhileModal_;
    std::function<QString(const BoxLook&)> boxNamer_;
    QString fileAnswer_;
    bool hasFileAnswer_ = false;
    std::vector<ModalSeen> seen_;
    QStringList violations_;
    QPointer<QWidget> answered_;
    QElapsedTimer answeredAt_;
    QTimer timer_;
};

}  // namespace random_session
