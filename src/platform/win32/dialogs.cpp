// Modal message boxes and the common file dialogs, owned by the main window.

#include <windows.h>
// after windows.h, which it needs
#include <commdlg.h>

#include <vector>

#include "platform/save_dialog_rules.h"
#include "platform/win32/win32_backend.h"
#include "records/win32/wide_text.h"

namespace kalvenor::platform {
namespace {

HWND ownerOf(WindowHandle owner) {
    return owner != nullptr ? owner->hwnd : nullptr;
}

UINT messageBoxFlags(MessageBoxStyle style) {
    UINT flags = style.buttons == MessageBoxButtons::YesNo ? MB_YESNO : MB_OK;
    if (style.icon == MessageBoxIcon::Question) {
        flags |= MB_ICONQUESTION;
    } else if (style.icon == MessageBoxIcon::Exclamation) {
        flags |= MB_ICONEXCLAMATION;
    }
    if (style.systemModal) {
        flags |= MB_SYSTEMMODAL;
    }
    return flags;
}

// "Game Data\0*.gd\0ALL FORMAT\0*.*\0\0", as the dialogs take their filters.
std::wstring filterList(std::span<const FileFilter> filters) {
    std::wstring list;
    for (const FileFilter& filter : filters) {
        list += win32::widen(filter.description);
        list += L'\0';
        list += win32::widen(filter.pattern);
        list += L'\0';
    }
    list += L'\0';
    return list;
}

}  // namespace

MessageBoxResult messageBox(WindowHandle owner, std::string_view text, std::string_view caption,
                            MessageBoxStyle style) {
    const int chosen = MessageBoxW(ownerOf(owner), win32::widen(text).c_str(), win32::widen(caption).c_str(),
                                   messageBoxFlags(style));
    if (style.buttons == MessageBoxButtons::Ok) {
        return MessageBoxResult::Ok;
    }
    return chosen == IDYES ? MessageBoxResult::Yes : MessageBoxResult::No;
}

namespace {

// One showing of the system's dialog. The overwrite question and the extension are ours
// (save_dialog_rules.h), in the same words as on every backend.
std::optional<std::string> showFileDialog(WindowHandle owner, FileDialogKind kind, std::string_view title,
                                          std::span<const FileFilter> filters, std::string_view initialPath) {
    // Room for the longest path the wide API takes.
    std::vector<wchar_t> file(32768, L'\0');
    const std::wstring initial = win32::widen(initialPath);
    initial.copy(file.data(), std::min(initial.size(), file.size() - 1));
    const std::wstring filterText = filterList(filters);
    const std::wstring titleText = win32::widen(title);

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = ownerOf(owner);
    dialog.lpstrFilter = filters.empty() ? nullptr : filterText.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrTitle = titleText.c_str();
    // No check that the file exists: the loader reports a name it cannot open.
    dialog.Flags = OFN_HIDEREADONLY;
    const BOOL chosen = kind == FileDialogKind::Save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    if (!chosen) {
        return std::nullopt;
    }
    return win32::narrow(file.data());
}

}  // namespace

std::optional<std::string> fileDialog(WindowHandle owner, FileDialogKind kind, std::string_view title,
                                      std::span<const FileFilter> filters, std::string_view initialPath) {
    if (kind == FileDialogKind::Open) {
        return showFileDialog(owner, kind, title, filters, initialPath);
    }
    return runSaveDialog(owner, filters, std::string(initialPath), [&](std::string_view initial) {
        return showFileDialog(owner, kind, title, filters, initial);
    });
}

}  // namespace kalvenor::platform
