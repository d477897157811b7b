#include "filedialogs.h"

#include <QFileDialog>
#include <utility>

namespace platform {

namespace {

FileChooser& installedChooser()
{
    static FileChooser chooser;
    return chooser;
}

QString runDialogWindow(const FileDialog& dialog, QWidget* parent)
{
    QFileDialog window(parent);
    const bool saving = dialog.kind == FileDialog::Kind::Save;
    window.setWindowTitle(saving ? QStringLiteral("Save As") : QStringLiteral("Open"));
    window.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    window.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    window.setNameFilter(dialog.filter);
    window.setDefaultSuffix(dialog.defaultExtension);
    window.setDirectory(dialog.initialDir);
    if (window.exec() != QDialog::Accepted || window.selectedFiles().isEmpty())
        return {};
    return window.selectedFiles().constFirst();
}

} // namespace

QString chooseFile(const FileDialog& dialog, QWidget* parent)
{
    if (installedChooser())
        return installedChooser()(dialog, parent);
    return runDialogWindow(dialog, parent);
}

FileChooser setFileChooser(FileChooser chooser)
{
    return std::exchange(installedChooser(), std::move(chooser));
}

} // namespace platform
