// The main window's pile files: open, save, save as, the recent files, the
// title with the modified marker and the question before changes are lost.
#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QUndoStack>
#include <optional>
#include <variant>

#include "app/file_dialogs.h"
#include "app/formula_tab.h"
#include "app/main_window.h"
#include "app/maker.h"
#include "app/message_boxes.h"
#include "app/recent_files.h"
#include "app/records_store.h"
#include "calc/pile_file.h"

namespace app {

namespace {

std::string decimalSeparator() { return QLocale().decimalPoint().toStdString(); }

QString qs(const std::string& text) { return QString::fromStdString(text); }

enum class SaveStep { Open, Write, Commit };

// Why a save through `file` failed at `step`, in the user's words, with the
// system's where it gives one.
QString saveFailureReason(const QSaveFile& file, SaveStep step)
{
    QString reason;
    switch (step) {
    case SaveStep::Open: reason = QStringLiteral("เขียนไฟล์ในโฟลเดอร์นี้ไม่ได้"); break;
    case SaveStep::Write: reason = QStringLiteral("เขียนไฟล์ไม่ครบ พื้นที่ในดิสก์อาจเต็ม"); break;
    case SaveStep::Commit:
        switch (file.error()) {
        case QFileDevice::RenameError: reason = QStringLiteral("แทนที่ไฟล์เดิมไม่ได้"); break;
        case QFileDevice::WriteError:
        case QFileDevice::ResourceError: reason = QStringLiteral("เขียนไฟล์ไม่ครบ พื้นที่ในดิสก์อาจเต็ม"); break;
        default: reason = QStringLiteral("เขียนไฟล์ในโฟลเดอร์นี้ไม่ได้"); break;
        }
        break;
    }
    if (file.error() == QFileDevice::UnspecifiedError || file.errorString().isEmpty()) return reason;
    return reason + QStringLiteral(" (") + file.errorString() + QLatin1Char(')');
}

}  // namespace

bool MainWindow::openFile(const QString& path)
{
    const calc::PileFileResult result =
        calc::loadPileFile(QFile::encodeName(path).toStdString(), decimalSeparator());
    if (const auto* error = std::get_if<calc::PileFileError>(&result)) {
        showOpenFailure(this, qs(calc::thaiReason(*error)));
        return false;
    }
    const auto& document = std::get<calc::PileDocument>(result);
    loading_ = true;
    for (FormulaTab* page : pages_) {
        const calc::PileTab& tab = document.tab(page->formula());
        page->setInputs(tab.texts, tab.boxes);
        page->resetResults();
    }
    records_->replaceAll(document.records, document.acceptance, document.acceptanceGiven);
    loading_ = false;
    resetStates();
    setFile(path);
    return true;
}

void MainWindow::openWithDialog()
{
    if (!mayDropChanges()) return;
    const QString path = askPath(this, FileDialog::Open, startFolder());
    if (!path.isEmpty()) openFile(path);
}

void MainWindow::openRecent(int index)
{
    const QString path = menu_.recent.at(static_cast<std::size_t>(index))->data().toString();
    if (path.isEmpty() || !mayDropChanges()) return;
    if (!openFile(path) && !QFileInfo::exists(path)) showRecentFiles(forgetRecentFile(path));
}

bool MainWindow::save()
{
    return filePath_.isEmpty() ? saveAs() : saveTo(filePath_);
}

bool MainWindow::saveAs()
{
    QString path = askPath(this, FileDialog::SaveAs, filePath_.isEmpty() ? startFolder() : filePath_);
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) path += QString::fromUtf8(calc::kPileFileSuffix);
    return saveTo(path);
}

calc::PileDocument MainWindow::document() const
{
    calc::PileDocument document;
    document.decimalSeparator = decimalSeparator();
    for (const FormulaTab* page : pages_) {
        const calc::TabInputs inputs = page->inputs();
        document.tab(page->formula()) = {inputs.texts, inputs.boxes};
    }
    document.records = records_->records();
    document.acceptance = records_->acceptance();
    document.acceptanceGiven = records_->acceptanceGiven();
    return document;
}

bool MainWindow::hasUnsavedChanges() const
{
    return filePath_.isEmpty() ? !records_->undoStack()->isClean() : isWindowModified();
}

bool MainWindow::saveTo(const QString& path)
{
    const calc::PileDocument document = this->document();
    if (const auto field = calc::unsavableField(document)) {
        showSaveFailure(this, qs(calc::thaiUnsavableReason(*field)));
        return false;
    }
    if (const auto reason = calc::thaiUnsavableRecords(document)) {
        showSaveFailure(this, qs(*reason));
        return false;
    }
    const std::string text = calc::writePileFile(document);

    // The file on disk is replaced only once the whole text is written.
    QSaveFile file(path);
    std::optional<SaveStep> failed;
    if (!file.open(QIODevice::WriteOnly)) failed = SaveStep::Open;
    else if (file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()))
        failed = SaveStep::Write;
    else if (!file.commit()) failed = SaveStep::Commit;
    if (failed) {
        const QString reason = saveFailureReason(file, *failed);
        file.cancelWriting();
        showSaveFailure(this, reason);
        return false;
    }
    records_->markSaved();
    setFile(path);
    return true;
}

bool MainWindow::mayDropChanges()
{
    if (!hasUnsavedChanges()) return true;
    switch (askSaveChanges(this)) {
    case SaveAnswer::Save: return save();
    case SaveAnswer::Discard: return true;
    case SaveAnswer::Cancel: return false;
    }
    return false;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (mayDropChanges()) event->accept();
    else event->ignore();
}

void MainWindow::markModified()
{
    if (!loading_ && !filePath_.isEmpty()) setWindowModified(true);
}

void MainWindow::setFile(const QString& path)
{
    filePath_ = QFileInfo(path).absoluteFilePath();
    setWindowTitle(QFileInfo(path).fileName() + QStringLiteral("[*] - ") + QString::fromUtf8(maker::kProductName));
    setWindowModified(false);
    showRecentFiles(rememberRecentFile(filePath_));
}

void MainWindow::showRecentFiles(const QStringList& files)
{
    for (std::size_t i = 0; i < menu_.recent.size(); ++i) {
        QAction* item = menu_.recent[i];
        const auto at = static_cast<qsizetype>(i);
        const bool shown = at < files.size();
        item->setVisible(shown);
        item->setData(shown ? files[at] : QString());
        if (!shown) continue;
        QString name = QFileInfo(files[at]).fileName();
        item->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(name.replace(QLatin1Char('&'), QStringLiteral("&&"))));
        item->setToolTip(QDir::toNativeSeparators(files[at]));
    }
    menu_.recentSeparator->setVisible(!files.isEmpty());
}

void MainWindow::resetStates()
{
    engineeringNews_ = {};
    hiley_ = {};
    danish_ = {};
    janbu_ = {};
}

QString MainWindow::startFolder() const
{
    if (!filePath_.isEmpty()) return QFileInfo(filePath_).absolutePath();
    const QStringList files = recentFiles();
    if (!files.isEmpty()) return QFileInfo(files.front()).absolutePath();
    return QDir::homePath();
}

}  // namespace app
