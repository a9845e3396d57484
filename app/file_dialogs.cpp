#include "app/file_dialogs.h"

#include <QFileDialog>
#include <utility>

namespace app {

namespace {

QString fileDialog(QWidget* parent, FileDialog kind, const QString& start)
{
    const bool open = kind == FileDialog::Open;
    QFileDialog dialog(parent, open ? QStringLiteral("เปิด") : QStringLiteral("บันทึกเป็น"), start,
                       QStringLiteral("Blow Count (*.blowcount)"));
    dialog.setObjectName(open ? QStringLiteral("OpenDialog") : QStringLiteral("SaveDialog"));
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("blowcount"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

PathAsker& asker()
{
    static PathAsker current = fileDialog;
    return current;
}

}  // namespace

PathAsker setPathAsker(PathAsker replacement)
{
    return std::exchange(asker(), std::move(replacement));
}

QString askPath(QWidget* parent, FileDialog dialog, const QString& start)
{
    return asker()(parent, dialog, start);
}

}  // namespace app
