// The simulated machine. Exactly one World exists at a time; the simulated Win32 functions
// serve the current one. Tests create a World, arrange it, and observe it.
#pragma once

#include "platform/sim/../hook_library.h"
#include "platform/sim/advapi32/registry.h"
#include "platform/sim/control/input.h"
#include "platform/sim/converter/converter.h"
#include "platform/sim/gdi32/screen.h"
#include "platform/sim/include/win32_system_types.h"
#include "platform/sim/interaction.h"
#include "platform/sim/user32/menu.h"
#include "platform/sim/user32/window_manager.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace sim {

enum class Language { English, Japanese };

struct MessageBoxShown {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
};

struct Balloon {
    std::string title;
    std::string text;
    DWORD infoFlags;
    UINT timeout;
};

// The notification-area icon, as the user sees it.
struct TrayIcon {
    bool present = false;
    HWND window = nullptr;
    UINT id = 0;
    UINT callbackMessage = 0;
    int iconResource = 0;
    std::string tip;
    std::vector<Balloon> balloons;
};

// Told of what the user would see happen, as it happens; corvane-sim prints it.
class Observer {
  public:
    virtual ~Observer() = default;
    virtual void TrayAdded(int iconResource, const std::string& tip) = 0;
    virtual void TrayIconChanged(int iconResource) = 0;
    virtual void TrayRemoved() = 0;
    virtual void BalloonShown(const Balloon& balloon) = 0;
    virtual void MessageBoxOpened(const MessageBoxShown& box) = 0;
    virtual void DialogOpened(HWND dialog) = 0;
    virtual void DialogClosed() = 0;
    // What the program does to the screen and the pointer.
    virtual void WindowVisibilityChanged(HWND, bool) {}
    virtual void WindowTextChanged(HWND, const std::string&) {}
    virtual void CursorMovedByProgram(POINT) {}
    // A converter is on the bus, before the program hears of it.
    virtual void ConverterPlugged(Converter&) {}
};

// The screen saver and the two monitor power phases.
struct PowerSaving {
    BOOL screenSaver = TRUE;
    BOOL lowPower = TRUE;
    BOOL powerOff = TRUE;
};

struct DeviceNotificationRegistration {
    HWND window;
    GUID interfaceClass;
};

// What the hook library has been told, and what it was asked to refuse.
struct HookLibrary {
    bool running = false;
    std::vector<SHORTCUT_ENTRY*> entries;
    std::vector<std::string> calls; // "StartHook", "AddShortcut 76/6", ...
    int failAddAt = 0;              // the nth AddShortcut (from 1) returns nonzero
    bool failStart = false;
    int addsSeen = 0;
    std::set<BYTE> delivered; // shortcut keys down that delivered: their repeats deliver nothing
};

ChipConfig MainModelConfig();

class World {
  public:
    World();
    ~World();
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    static World& Current();

    // The virtual clock, in milliseconds since the simulated boot.
    DWORD Now() const { return m_now; }
    void Advance(DWORD milliseconds);

    // The user's language, for resources and system texts.
    Language GetLanguage() const { return m_language; }
    void SetLanguage(Language language) { m_language = language; }

    // The user's locale (GetUserDefaultLCID), independent of the UI language.
    LCID UserLocale() const { return m_userLocale; }
    void SetUserLocale(LCID locale) { m_userLocale = locale; }

    // The primary screen.
    int ScreenWidth() const { return m_screenWidth; }
    int ScreenHeight() const { return m_screenHeight; }
    void SetScreenSize(int width, int height);
    // The screen with the desktop's windows painted as they are now.
    const Screen& RepaintedScreen();

    // Converters on the bus.
    Converter& Plug(const ChipConfig& config = MainModelConfig());
    void Plug(Converter& converter);
    void Unplug(Converter& converter);
    void LosePower(); // a suspend: every attached converter loses its registers
    std::vector<Converter*> AttachedConverters() const;
    std::size_t ConverterCount() const { return m_converters.size(); }
    // Frees the unplugged converters no handle refers to any more (nobody can plug those
    // back), so that a long session of plugging and unplugging stays small.
    void ForgetUnpluggedConverters();
    // Whether converters keep their traffic log (tests read it; corvane-sim prints as it goes).
    void KeepTraffic(bool keep);

    // Faults of the device setup services.
    void FailClassDevs(DWORD error) { m_classDevsError = error; }
    void FailDetailQuery(DWORD memberIndex, DWORD error) { m_detailErrors[memberIndex] = error; }
    void ReportDetailSize(DWORD memberIndex, DWORD size) { m_detailSizes[memberIndex] = size; }

    std::size_t LiveLocalAllocations() const { return m_localAllocations.size(); }

    // Named kernel objects (a mutex), shared by every process of the session. Open records a
    // handle to the name and says whether the object existed; Close drops a handle, and the
    // object goes with its last handle. Another program holding one is HoldNamedObject.
    bool OpenNamedObject(const std::string& name, HANDLE handle);
    bool CloseNamedObject(HANDLE handle);
    void HoldNamedObject(const std::string& name) { OpenNamedObject(name, NewHandle()); }

    // The user at modal moments; AbsentUser unless a test or the simulator sets one.
    InteractionDriver& User() { return *m_user; }
    void SetUser(InteractionDriver* user) { m_user = user ? user : &m_absentUser; }

    Observer* GetObserver() const { return m_observer; }
    void SetObserver(Observer* observer) { m_observer = observer; }

    // Delivers every queued message and due timer, as a message loop would.
    void Pump();
    // Lets time pass with the message loop running: timers fire as they fall due.
    void RunFor(DWORD milliseconds);

    // The system's events; the user's mouse and keyboard are `input`.
    void Suspend();
    void Resume();
    void ChangeDisplay(int width, int height);
    void EndSession(bool cancelledByAnotherProgram);
    // An installer or an update asks running programs to close (the Restart Manager's way):
    // a session end with ENDSESSION_CLOSEAPP, after which the program must end by itself.
    void CloseApplications();
    void SwitchPowerSaving(UINT setAction, BOOL on); // another program turns one on or off
    // Explorer restarts: the notification area starts empty and says so to every window.
    void RestartShell();
    void FailDeviceNotifications(DWORD error) { m_notificationError = error; }
    DWORD NotificationError() const { return m_notificationError; }
    void BroadcastDeviceChange(Converter& converter, UINT event);

    // HKEY_CURRENT_USER, and every message box shown, in order.
    Registry registry;
    std::vector<MessageBoxShown> messageBoxes;
    WindowManager windows{*this};
    Input input{*this};
    TrayIcon tray;
    PowerSaving powerSaving;
    std::vector<std::string> powerSavingCalls; // "17 0" for each set action and uiParam
    std::map<HDEVNOTIFY, DeviceNotificationRegistration> deviceNotifications;
    HookLibrary hook;
    POINT cursor{512, 384};
    bool cursorFails = false;
    std::map<HWND, HIMC> imeContexts;
    HWND imeWindow = nullptr;
    bool imeStatusWindowOpen = true;
    int threadInputAttachments = 0; // attached pairs now
    int threadInputAttachCalls = 0;
    std::map<HMENU, Menu> menus;
    int popupMenusShown = 0;
    std::map<std::string, UINT> registeredMessages; // by lower-case name
    bool menuTracking = false;                      // a popup menu is open
    bool menuEnded = false;                         // EndMenu was called while it was
    std::map<HGDIOBJ, LOGFONTA> fonts;
    std::map<HDC, DeviceContext> deviceContexts;
    Screen screen{1024, 768};

    // The state behind the simulated API.
    DWORD lastError = 0;
    struct DeviceInfoSet {
        std::vector<std::string> paths;
    };
    struct FileHandle {
        Converter* converter;
        unsigned generation;
    };
    HANDLE NewHandle();
    std::map<HANDLE, DeviceInfoSet> deviceInfoSets;
    std::map<HANDLE, FileHandle> files;
    std::map<HKEY, std::string> registryKeys;
    DWORD ClassDevsError() const { return m_classDevsError; }
    DWORD DetailError(DWORD memberIndex) const;
    const DWORD* DetailSizeOverride(DWORD memberIndex) const;
    Converter* FindAttachedConverter(const std::string& path) const;
    void* AllocateLocal(std::size_t size);
    bool FreeLocal(void* memory);

  private:
    void EndSessionWith(bool cancelledByAnotherProgram, LPARAM reason);

    DWORD m_now = 0;
    Language m_language = Language::English;
    LCID m_userLocale = 0x0409;
    int m_screenWidth = 1024;
    int m_screenHeight = 768;
    std::vector<std::unique_ptr<Converter>> m_converters;
    std::size_t m_nextInstance = 0;
    bool m_keepTraffic = true;
    DWORD m_classDevsError = 0;
    std::map<DWORD, DWORD> m_detailErrors;
    std::map<DWORD, DWORD> m_detailSizes;
    std::set<void*> m_localAllocations;
    std::map<HANDLE, std::string> m_namedObjectHandles;
    std::uintptr_t m_nextHandle = 0x100;
    AbsentUser m_absentUser;
    InteractionDriver* m_user = &m_absentUser;
    DWORD m_notificationError = 0;
    Observer* m_observer = nullptr;
};

} // namespace sim
