// Modal message boxes and the common file dialogs, owned by the main window.

#include <windows.h>
// after windows.h, which it needs
#include <commdlg.h>

#include <algorithm>
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
    UINT flags = MB_OK;
    if (style.buttons == MessageBoxButtons::YesNo) {
        flags = MB_YESNO;
    } else if (style.buttons == MessageBoxButtons::SaveDiscardCancel) {
        flags = MB_YESNOCANCEL;  // the question asks "save?": Yes saves, No goes on without
    }
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

// While it lives, the first window this thread activates (the box or dialog being opened) is
// centred on `owner`, kept on the owner's screen. The system would centre a message box on the
// screen and put a file dialog where it likes.
class CentredOnOwner {
  public:
    explicit CentredOnOwner(HWND owner) {
        if (owner != nullptr && current_ == nullptr) {
            owner_ = owner;
            hook_ = SetWindowsHookExW(WH_CBT, &onEvent, nullptr, GetCurrentThreadId());
            current_ = hook_ != nullptr ? this : nullptr;
        }
    }
    ~CentredOnOwner() {
        if (hook_ != nullptr) {
            UnhookWindowsHookEx(hook_);
            current_ = nullptr;
        }
    }
    CentredOnOwner(const CentredOnOwner&) = delete;
    CentredOnOwner& operator=(const CentredOnOwner&) = delete;

  private:
    static LRESULT CALLBACK onEvent(int code, WPARAM first, LPARAM second) {
        if (code == HCBT_ACTIVATE && current_ != nullptr && !current_->done_) {
            current_->done_ = true;
            centre(reinterpret_cast<HWND>(first), current_->owner_);
        }
        return CallNextHookEx(nullptr, code, first, second);
    }

    static void centre(HWND box, HWND owner) {
        RECT boxRect{};
        RECT ownerRect{};
        if (!GetWindowRect(box, &boxRect) || !GetWindowRect(owner, &ownerRect)) {
            return;
        }
        const LONG width = boxRect.right - boxRect.left;
        const LONG height = boxRect.bottom - boxRect.top;
        LONG left = (ownerRect.left + ownerRect.right - width) / 2;
        LONG top = (ownerRect.top + ownerRect.bottom - height) / 2;
        MONITORINFO screen{};
        screen.cbSize = sizeof(screen);
        if (GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &screen)) {
            const RECT& free = screen.rcWork;
            left = std::clamp(left, free.left, std::max(free.left, free.right - width));
            top = std::clamp(top, free.top, std::max(free.top, free.bottom - height));
        }
        SetWindowPos(box, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    static inline CentredOnOwner* current_ = nullptr;  // one modal box at a time on the game's thread
    HWND owner_ = nullptr;
    HHOOK hook_ = nullptr;
    bool done_ = false;
};

}  // namespace

MessageBoxResult messageBox(WindowHandle owner, std::string_view text, std::string_view caption,
                            MessageBoxStyle style) {
    const CentredOnOwner centred(ownerOf(owner));
    const int chosen = MessageBoxW(ownerOf(owner), win32::widen(text).c_str(), win32::widen(caption).c_str(),
                                   messageBoxFlags(style));
    switch (style.buttons) {
        case MessageBoxButtons::Ok:
            return MessageBoxResult::Ok;
        case MessageBoxButtons::YesNo:
            return chosen == IDYES ? MessageBoxResult::Yes : MessageBoxResult::No;
        case MessageBoxButtons::SaveDiscardCancel:
            break;
    }
    // Escape and the close box answer Cancel.
    return chosen == IDYES  ? MessageBoxResult::Save
           : chosen == IDNO ? MessageBoxResult::Discard
                            : MessageBoxResult::Cancel;
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
    const CentredOnOwner centred(dialog.hwndOwner);
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
