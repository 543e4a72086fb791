#include "app/filedialogs.h"

#include "app/commandguard.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFileInfo>
#include <QFileSystemModel>
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

// Qt's completion selects in the listing what the typed name names with the default
// extension ("emails.txt" for "emails") before that extension is dropped, and a selection
// wins over the typed name: any other file than `path` is deselected, so the name counts.
void keepOnlySelected(const QAbstractItemView& listing, const QString& path)
{
    QItemSelectionModel& selection = *listing.selectionModel();
    for (const QModelIndex& row : selection.selectedRows())
        if (row.data(QFileSystemModel::FilePathRole).toString() != path)
            selection.select(row, QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
}

std::optional<QString> runModally(QFileDialog& dialog)
{
    const int result = dialog.exec();
    closeCompletionLists(dialog);
    if (result != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

// Lends a dialog to the window whose command shows it, while it runs: a window manager
// activates and raises the dialog's parent when it closes, which is to be the window that
// asked, not the main window that owns the shared dialogs. A hidden window (the seed window
// that a "Done" click closes) keeps no focus to give back.
class LentDialog {
public:
    explicit LentDialog(QFileDialog& dialog)
        : m_dialog(dialog)
        , m_owner(dialog.parentWidget())
    {
        QWidget* asking = commandWindow();
        if (asking && asking->isVisible() && asking != m_owner)
            m_dialog.setParent(asking, m_dialog.windowFlags());
    }
    ~LentDialog()
    {
        if (m_dialog.parentWidget() != m_owner)
            m_dialog.setParent(m_owner, m_dialog.windowFlags());
    }
    LentDialog(const LentDialog&) = delete;
    LentDialog& operator=(const LentDialog&) = delete;

private:
    QFileDialog& m_dialog;
    QWidget* m_owner;
};

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
    auto* listing = m_dialog->findChild<QAbstractItemView*>(QStringLiteral("listView"));
    if (mode == QFileDialog::AcceptOpen && typed && listing)
        QObject::connect(typed, &QLineEdit::textChanged, m_dialog,
                         [dialog = m_dialog, listing, defaultSuffix](const QString& name) {
                             const QFileInfo asTyped(dialog->directory(), name);
                             dialog->setDefaultSuffix(asTyped.isFile() ? QString() : defaultSuffix);
                             if (asTyped.isFile())
                                 keepOnlySelected(*listing, asTyped.absoluteFilePath());
                         });
}

bool PersistentFileDialog::execute()
{
    if (!m_fileName.isEmpty())
        m_dialog->selectFile(m_fileName);
    const LentDialog lent(*m_dialog);
    const std::optional<QString> chosen = runFileDialog(*m_dialog);
    if (!chosen)
        return false;
    m_fileName = *chosen;
    return true;
}
