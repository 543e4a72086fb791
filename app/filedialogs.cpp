#include "app/filedialogs.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFileInfo>
#include <QLineEdit>

namespace {

FileDialogRunner& installedRunner()
{
    static FileDialogRunner runner;
    return runner;
}

// A completion list still open when a typed name is confirmed with Return would stay on
// screen after the dialog closes, holding the mouse and keyboard until dismissed.
void closeCompletionLists(const QFileDialog& dialog)
{
    for (QCompleter* completer : dialog.findChildren<QCompleter*>())
        completer->popup()->hide();
}

std::optional<QString> runModally(QFileDialog& dialog)
{
    const int result = dialog.exec();
    closeCompletionLists(dialog);
    if (result != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

void setFileDialogRunner(FileDialogRunner runner)
{
    installedRunner() = std::move(runner);
}

std::optional<QString> runFileDialog(QFileDialog& dialog)
{
    return installedRunner() ? installedRunner()(dialog) : runModally(dialog);
}

PersistentFileDialog::PersistentFileDialog(QWidget* parent, const QString& objectName,
                                           QFileDialog::AcceptMode mode,
                                           const QStringList& nameFilters,
                                           const QString& defaultSuffix,
                                           const QString& initialFileName)
    : m_dialog(new QFileDialog(parent))
    , m_fileName(initialFileName)
{
    m_dialog->setObjectName(objectName);
    m_dialog->setOption(QFileDialog::DontUseNativeDialog);
    m_dialog->setAcceptMode(mode);
    // The open dialog takes a typed name of a missing file: the load then reports it.
    m_dialog->setFileMode(QFileDialog::AnyFile);
    m_dialog->setOption(QFileDialog::DontConfirmOverwrite);
    m_dialog->setSizeGripEnabled(true);
    if (!nameFilters.isEmpty())
        m_dialog->setNameFilters(nameFilters);
    m_dialog->setDefaultSuffix(defaultSuffix);
    // Qt adds the default extension to every typed name without a dot, even to a file that
    // exists as typed, such as "emails": the open dialog offers it only while the typed name
    // is no existing file.
    auto* typed = m_dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (mode == QFileDialog::AcceptOpen && typed)
        QObject::connect(typed, &QLineEdit::textChanged, m_dialog,
                         [dialog = m_dialog, defaultSuffix](const QString& name) {
                             const QFileInfo asTyped(dialog->directory(), name);
                             dialog->setDefaultSuffix(asTyped.isFile() ? QString() : defaultSuffix);
                         });
}

bool PersistentFileDialog::execute()
{
    if (!m_fileName.isEmpty())
        m_dialog->selectFile(m_fileName);
    const std::optional<QString> chosen = runFileDialog(*m_dialog);
    if (!chosen)
        return false;
    m_fileName = *chosen;
    return true;
}
