// The notification-area icon and the icons it shows.
#include "platform/resource_tables.h"
#include "platform/sim/include/win32_api.h"
#include "platform/sim/interaction.h"
#include "platform/sim/shell32/shell32_state.h"

#include <cstring>
#include <utility>

namespace {

constexpr std::uintptr_t kIconBase = 0x20000;

std::string Bounded(const char* text, std::size_t size) {
    return std::string(text, strnlen(text, size));
}

} // namespace

HICON LoadIconA(HINSTANCE instance, LPCSTR name) {
    if (!IS_INTRESOURCE(name)) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    const WORD id = LOWORD(reinterpret_cast<ULONG_PTR>(name));
    // The program's icons, and the system's own when no instance is given.
    const bool known = instance == nullptr ? id == 32512 : IsIconResource(id);
    if (!known) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<HICON>(kIconBase + id);
}

// Icons only: the program loads no bitmaps or cursors of its own. Every size is the icon.
HANDLE LoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int, int, UINT) {
    if (type != IMAGE_ICON) {
        SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
        return nullptr;
    }
    return LoadIconA(instance, name);
}

HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name) {
    return LoadIconA(instance, name);
}

BOOL Shell_NotifyIconA(DWORD message, PNOTIFYICONDATAA data) {
    if (auto sent = std::exchange(sim::Shell32().sentWhileWaiting, nullptr)) {
        sent();
    }
    sim::TrayIcon& tray = sim::Shell32().tray;
    if (data == nullptr || data->cbSize < 88) {
        return FALSE;
    }
    if (message == NIM_ADD) {
        if (tray.present) {
            return FALSE;
        }
        tray = sim::TrayIcon{};
        tray.present = true;
        tray.window = data->hWnd;
        tray.id = data->uID;
    } else if (!tray.present || tray.window != data->hWnd || tray.id != data->uID) {
        return FALSE;
    }
    sim::Observer* observer = sim::Watcher();
    if (message == NIM_DELETE) {
        tray.present = false;
        if (observer != nullptr) {
            observer->TrayRemoved();
        }
        return TRUE;
    }
    if (data->uFlags & NIF_MESSAGE) {
        tray.callbackMessage = data->uCallbackMessage;
    }
    if (data->uFlags & NIF_ICON) {
        const auto value = reinterpret_cast<std::uintptr_t>(data->hIcon);
        tray.iconResource = value > kIconBase ? static_cast<int>(value - kIconBase) : 0;
    }
    if (data->uFlags & NIF_TIP) {
        tray.tip = Bounded(data->szTip, sizeof data->szTip);
    }
    if ((data->uFlags & NIF_INFO) && data->cbSize >= NOTIFYICONDATAA_V2_SIZE) {
        tray.balloons.push_back(sim::Balloon{Bounded(data->szInfoTitle, sizeof data->szInfoTitle),
                                             Bounded(data->szInfo, sizeof data->szInfo),
                                             data->dwInfoFlags, data->uTimeout});
        if (tray.balloons.size() > sim::TrayIcon::kBalloonsKept) {
            tray.balloons.pop_front();
        }
    }
    if (observer != nullptr) {
        if (message == NIM_ADD) {
            observer->TrayAdded(tray.iconResource, tray.tip);
        } else if (data->uFlags & NIF_ICON) {
            observer->TrayIconChanged(tray.iconResource);
        }
        if ((data->uFlags & NIF_INFO) && data->cbSize >= NOTIFYICONDATAA_V2_SIZE) {
            observer->BalloonShown(tray.balloons.back());
        }
    }
    return TRUE;
}
