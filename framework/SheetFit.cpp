#include "SheetFit.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// The sheet being opened on this thread, if any.
thread_local CSheetFitting* t_pOpening = nullptr;

constexpr int kApplyNow = 0x3021;
constexpr int kSheetButtons[] = {IDOK, IDCANCEL, kApplyNow, IDHELP};

RECT RectIn(HWND hWnd, HWND hParent) {
    RECT rect{};
    ::GetWindowRect(hWnd, &rect);
    ::MapWindowPoints(nullptr, hParent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void Resize(HWND hWnd, int cx, int cy) {
    RECT rect{};
    ::GetWindowRect(hWnd, &rect);
    ::SetWindowPos(hWnd, nullptr, 0, 0, rect.right - rect.left + cx, rect.bottom - rect.top + cy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

SIZE DialogTemplateUnits(HINSTANCE hInstance, LPCSTR lpszTemplate) {
    const HRSRC found = ::FindResourceA(hInstance, lpszTemplate, RT_DIALOG);
    const HGLOBAL loaded = found != nullptr ? ::LoadResource(hInstance, found) : nullptr;
    const auto* bytes =
        static_cast<const BYTE*>(loaded != nullptr ? ::LockResource(loaded) : nullptr);
    const DWORD size = found != nullptr ? ::SizeofResource(hInstance, found) : 0;
    // DLGTEMPLATE keeps cx and cy at bytes 14 and 16; DLGTEMPLATEEX, marked by 0xFFFF in its
    // second word, at 22 and 24.
    const bool extended = size >= 26 && bytes[2] == 0xFF && bytes[3] == 0xFF;
    const std::size_t at = extended ? 22 : 14;
    if (bytes == nullptr || size < at + 4) {
        return SIZE{0, 0};
    }
    short cx = 0;
    short cy = 0;
    std::memcpy(&cx, bytes + at, sizeof cx);
    std::memcpy(&cy, bytes + at + 2, sizeof cy);
    return SIZE{cx, cy};
}

void FitSheetToPages(HWND hPage, const std::vector<SIZE>& pageUnits) {
    const HWND page = hPage;
    const HWND hSheet = ::GetParent(page);
    const HWND tab = reinterpret_cast<HWND>(::SendMessageA(hSheet, PSM_GETTABCONTROL, 0, 0));
    if (tab == nullptr) {
        return;
    }
    SIZE needed{0, 0};
    for (const SIZE& units : pageUnits) {
        RECT pixels{0, 0, units.cx, units.cy};
        ::MapDialogRect(page, &pixels);
        needed.cx = std::max(needed.cx, pixels.right);
        needed.cy = std::max(needed.cy, pixels.bottom);
    }
    RECT display = RectIn(tab, hSheet);
    ::SendMessageA(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    const int cx = std::max(0, static_cast<int>(needed.cx - (display.right - display.left)));
    const int cy = std::max(0, static_cast<int>(needed.cy - (display.bottom - display.top)));
    if (cx == 0 && cy == 0) {
        return;
    }
    Resize(hSheet, cx, cy);
    Resize(tab, cx, cy);
    Resize(page, cx, cy);
    for (const int id : kSheetButtons) {
        if (const HWND button = ::GetDlgItem(hSheet, id)) {
            const RECT place = RectIn(button, hSheet);
            ::SetWindowPos(button, nullptr, place.left + cx, place.top + cy, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
}

CSheetFitting::CSheetFitting(std::vector<SIZE> pageUnits)
    : m_pageUnits(std::move(pageUnits)), m_pOuter(t_pOpening) {
    t_pOpening = this;
}

CSheetFitting::~CSheetFitting() {
    t_pOpening = m_pOuter;
}

void CSheetFitting::PageCreated(HWND hPage) {
    if (t_pOpening != nullptr && !t_pOpening->m_bFitted) {
        t_pOpening->m_bFitted = true;
        FitSheetToPages(hPage, t_pOpening->m_pageUnits);
        CentreOnScreen(::GetParent(hPage));
    }
}

void CentreOnScreen(HWND hWnd) {
    RECT rect{};
    ::GetWindowRect(hWnd, &rect);
    ::SetWindowPos(hWnd, nullptr, (::GetSystemMetrics(SM_CXSCREEN) - (rect.right - rect.left)) / 2,
                   (::GetSystemMetrics(SM_CYSCREEN) - (rect.bottom - rect.top)) / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
