#pragma once

// The open and save dialogs of the game. The dialog asks for one file name;
// cancelling gives an empty name. Tests install a chooser of their own that
// answers without a window.

#include <QString>
#include <functional>

class QWidget;

namespace platform {

struct FileDialog {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    // "Saved Files (*.sav)"
    QString filter;
    // Added to a name typed without an extension when saving ("sav").
    QString defaultExtension;
    QString initialDir;
    // The chosen name always ends in the default extension: one typed with
    // another ("trip.sav") gets it added, and the question whether to
    // replace a file is asked about the name that will be written.
    bool keepsExtension = false;
};

// The chosen file's full name, or an empty text when the player cancelled.
QString chooseFile(const FileDialog& dialog, QWidget* parent);

using FileChooser = std::function<QString(const FileDialog& dialog, QWidget* parent)>;
// Installs a chooser in place of the dialog window; an empty one restores
// the window. Returns the previous chooser.
FileChooser setFileChooser(FileChooser chooser);

} // namespace platform
