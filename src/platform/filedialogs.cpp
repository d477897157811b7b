#include "filedialogs.h"

#include "dialoginsidescreen.h"
#include "platform/errorreport.h"
#include "platform/filenames.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <utility>

namespace platform {

namespace {

FileChooser& installedChooser()
{
    static FileChooser chooser;
    return chooser;
}

// The dialog window, answering every name it is given: Qt's own dialog
// silently ignores a name longer than its folder takes.
class FileDialogWindow : public QFileDialog {
public:
    FileDialogWindow(const FileDialog& dialog, QWidget* parent)
        : QFileDialog(parent), dialog_(dialog)
    {
        const bool saving = dialog.kind == FileDialog::Kind::Save;
        setWindowTitle(saving ? QCoreApplication::translate("FileDialog", "Save As")
                              : QCoreApplication::translate("FileDialog", "Open"));
        setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        setNameFilter(dialog.filter);
        setDefaultSuffix(dialog.defaultExtension);
        setDirectory(dialog.initialDir);
        // The desktop's own dialog would answer names itself (or not at all).
        setOption(QFileDialog::DontUseNativeDialog);
        // The game asks about replacing once the name is final.
        if (saving && dialog.keepsExtension)
            setOption(QFileDialog::DontConfirmOverwrite);
    }

    QString chosenFile() const
    {
        const QStringList files = selectedFiles();
        if (files.isEmpty())
            return {};
        return dialog_.keepsExtension ? withExtension(files.constFirst(), dialog_.defaultExtension)
                                      : files.constFirst();
    }

    void accept() override
    {
        const QStringList files = selectedFiles();
        if (acceptMode() != QFileDialog::AcceptSave || files.isEmpty() ||
            QFileInfo(files.constFirst()).isDir()) {
            QFileDialog::accept();
            return;
        }
        const QString file = chosenFile();
        if (const QString why = whyNameDoesNotFit(file, 0); !why.isEmpty()) {
            reportError(
                QCoreApplication::translate(
                    "FileDialog", "This name cannot be used: %1.  Please choose a shorter name.")
                    .arg(why));
            return;
        }
        if (dialog_.keepsExtension && QFileInfo::exists(file)) {
            QMessageBox question(
                QMessageBox::Question, windowTitle(),
                QCoreApplication::translate("FileDialog",
                                            "\"%1\" already exists.  Do you want to replace it?")
                    .arg(shownName(QFileInfo(file).fileName())),
                QMessageBox::Yes | QMessageBox::No, this);
            question.setObjectName(QStringLiteral("ReplaceQuestion"));
            DialogInsideScreen placed(question);
            if (question.exec() != QMessageBox::Yes)
                return;
        }
        QFileDialog::accept();
    }

private:
    FileDialog dialog_;
};

QString runDialogWindow(const FileDialog& dialog, QWidget* parent)
{
    FileDialogWindow window(dialog, parent);
    DialogInsideScreen placed(window);
    if (window.exec() != QDialog::Accepted)
        return {};
    return window.chosenFile();
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
