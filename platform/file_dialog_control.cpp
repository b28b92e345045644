#include "file_dialog_control.h"

#include <QApplication>
#include <QDir>

#include "file_type_filter.h"
#include "focus_return.h"
#include "save_file_dialog.h"

namespace {

constexpr std::int32_t kSaveDialog = 1;

// A text setting of the window's description; absent counts as empty.
QString Setting(const char* utf8) {
    return utf8 != nullptr ? QString::fromUtf8(utf8) : QString();
}

void ApplyFileTypes(QFileDialog& dialog, const FileDialogSettings& settings) {
    const QList<FileType> types = ParseFileFilter(Text::FromQString(Setting(settings.filter)));
    if (types.isEmpty()) return;
    QStringList filters;
    for (const FileType& type : types)
        filters.append(NameFilterFor(type));
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters[InitialFileType(settings.initialFilter, filters.size())]);
}

}  // namespace

FileDialogControl::FileDialogControl(QObject* parent, const FileDialogSettings& settings)
    : QObject(parent), settings_(settings), fileName_(Text::FromBytes("", 0)) {}

bool FileDialogControl::Open() {
    if (settings_.kind != kSaveDialog) return false;
    // The dialog belongs to the window the user is working in: the one Save was clicked in.
    QWidget* owner = QApplication::activeWindow();
    if (owner == nullptr) owner = qobject_cast<QWidget*>(parent());
    const FocusReturn focusReturn(owner != nullptr ? owner->window() : nullptr);

    SaveFileDialog dialog(owner, settings_.pathMustExist);
    dialog.setWindowModality(Qt::WindowModal);
    const QString title = Setting(settings_.title);
    if (!title.isEmpty()) dialog.setWindowTitle(title);
    const QString folder = Setting(settings_.initialFolder);
    if (!folder.isEmpty()) dialog.setDirectory(folder);
    ApplyFileTypes(dialog, settings_);
    // The dialog adds the extension to a typed name before it asks about an existing file,
    // so the question is about the file that will be written.
    const QString extension = Setting(settings_.defaultExtension);
    if (!extension.isEmpty()) dialog.setDefaultSuffix(extension);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !settings_.promptOverwrite);
    // The kept path is handed over whole, however long: the name goes to the name field
    // and its folder is where the dialog opens.
    if (!fileName_.IsEmpty()) dialog.selectFile(fileName_.ToQString());

    const bool confirmed = dialog.exec() == QDialog::Accepted;
    const QStringList chosen = dialog.selectedFiles();
    if (!confirmed || chosen.isEmpty() || chosen.first().isEmpty()) return false;
    fileName_ = Text::FromQString(QDir::toNativeSeparators(chosen.first()));
    return true;
}
