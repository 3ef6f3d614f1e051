// Modal message boxes and file dialogs, owned by the main window.

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <vector>

#include "platform/qt/qt_backend.h"
#include "platform/save_dialog_rules.h"

namespace kalvenor::platform {
namespace {

QMessageBox::Icon iconFor(MessageBoxIcon icon) {
    switch (icon) {
        case MessageBoxIcon::Question:
            return QMessageBox::Question;
        case MessageBoxIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageBoxIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QString nameFilter(const FileFilter& filter) {
    // "*.*" means every file to the classic dialogs; here it would hide names without a dot.
    const std::string pattern = filter.pattern == "*.*" ? "*" : filter.pattern;
    return toQString(filter.description) + " (" + toQString(pattern) + ")";
}

bool hasWildcard(const QString& name) {
    return name.contains('*') || name.contains('?');
}

}  // namespace

MessageBoxResult messageBox(WindowHandle owner, std::string_view text, std::string_view caption,
                            MessageBoxStyle style) {
    QWidget* parent = owner != nullptr ? owner->widget.get() : nullptr;
    // The buttons of each kind, the default first; closing the box counts as the last.
    struct Choice {
        QMessageBox::StandardButton button;
        MessageBoxResult result;
    };
    std::vector<Choice> choices;
    switch (style.buttons) {
        case MessageBoxButtons::Ok:
            choices = {{QMessageBox::Ok, MessageBoxResult::Ok}};
            break;
        case MessageBoxButtons::YesNo:
            choices = {{QMessageBox::Yes, MessageBoxResult::Yes}, {QMessageBox::No, MessageBoxResult::No}};
            break;
        case MessageBoxButtons::SaveDiscardCancel:
            // Qt's own words for them, in the translations the program loads (保存 / 変更を破棄 /
            // キャンセル).
            choices = {{QMessageBox::Save, MessageBoxResult::Save},
                       {QMessageBox::Discard, MessageBoxResult::Discard},
                       {QMessageBox::Cancel, MessageBoxResult::Cancel}};
            break;
    }
    QMessageBox::StandardButtons buttons;
    for (const Choice& choice : choices) {
        buttons |= choice.button;
    }
    QMessageBox box(iconFor(style.icon), toQString(caption), toQString(text), buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(choices.front().button);
    const int chosen = box.exec();
    for (const Choice& choice : choices) {
        if (chosen == choice.button) {
            return choice.result;
        }
    }
    return choices.back().result;
}

namespace {

// One showing of the dialog; the overwrite question is ours (save_dialog_rules.h), in the same
// words as on every backend.
std::optional<std::string> showFileDialogOnce(WindowHandle owner, FileDialogKind kind, std::string_view title,
                                              std::span<const FileFilter> filters,
                                              std::string_view initialPath) {
    QFileDialog dialog(owner != nullptr ? owner->widget.get() : nullptr, toQString(title));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(kind == FileDialogKind::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // No check that the file exists: the loader reports a name it cannot open.
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList names;
    for (const FileFilter& filter : filters) {
        names.append(nameFilter(filter));
    }
    dialog.setNameFilters(names);
    if (!names.isEmpty()) {
        dialog.selectNameFilter(names.front());
    }
    // The initial path is the last file chosen, or a pattern such as "*.gd" that only filters.
    const QFileInfo initial(QFile::decodeName(std::string(initialPath).c_str()));
    if (!initialPath.empty() && !hasWildcard(initial.fileName())) {
        dialog.selectFile(initial.filePath());
    } else if (!initialPath.empty() && initial.path() != ".") {
        dialog.setDirectory(initial.path());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return QFile::encodeName(dialog.selectedFiles().front()).toStdString();
}

}  // namespace

std::optional<std::string> fileDialog(WindowHandle owner, FileDialogKind kind, std::string_view title,
                                      std::span<const FileFilter> filters, std::string_view initialPath) {
    if (kind == FileDialogKind::Open) {
        return showFileDialogOnce(owner, kind, title, filters, initialPath);
    }
    return runSaveDialog(owner, filters, std::string(initialPath), [&](std::string_view initial) {
        return showFileDialogOnce(owner, kind, title, filters, initial);
    });
}

}  // namespace kalvenor::platform
