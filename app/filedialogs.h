#pragma once

#include <QFileDialog>
#include <QString>

#include <functional>
#include <optional>

// Runs a prepared file dialog: the chosen file, or nothing when cancelled. The program
// shows the dialog modally; tests install a runner that answers without a modal loop.
using FileDialogRunner = std::function<std::optional<QString>(QFileDialog&)>;
void setFileDialogRunner(FileDialogRunner runner);
std::optional<QString> runFileDialog(QFileDialog& dialog);

// A file dialog whose current file name persists between uses and is kept by a cancel.
// Qt's own dialog, not the desktop's, so every user and every test sees the same one.
class PersistentFileDialog {
public:
    PersistentFileDialog(QWidget* parent, const QString& objectName, QFileDialog::AcceptMode mode,
                         const QStringList& nameFilters, const QString& defaultSuffix,
                         const QString& initialFileName = {});

    // True when the user confirmed; fileName() then is the full path chosen. An open
    // dialog takes a typed name that exists as it stands, and adds the default extension
    // to a name without one that does not.
    bool execute();
    QString fileName() const { return m_fileName; }
    QFileDialog& dialog() { return *m_dialog; }

private:
    QFileDialog* m_dialog;
    QString m_fileName;
};
