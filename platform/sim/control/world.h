// The simulated machine as tests and corvane-sim control it: its user's mouse and keyboard,
// its converters, its clock, its screen and the system's events. Exactly one World exists at
// a time; the simulated Win32 functions serve it. The program itself never includes this.
//
// What each DLL keeps (the tray icon, the registry, the windows, ...) is read from that DLL's
// state header: sim::Shell32().tray, sim::Advapi32().registry, sim::User32().messageBoxes.
#pragma once

#include "platform/sim/control/input.h"
#include "platform/sim/converter/converter.h"
#include "platform/sim/display/screen.h"
#include "platform/sim/interaction.h"
#include "platform/sim/language.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

namespace sim {

struct Machine;

ChipConfig MainModelConfig();

class World {
  public:
    World();
    ~World();
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    static World& Current();

    // The virtual clock, in milliseconds since the simulated boot.
    DWORD Now() const;
    void Advance(DWORD milliseconds);
    // Delivers every queued message and due timer, as a message loop would.
    void Pump();
    // Lets time pass with the message loop running: timers fire as they fall due.
    void RunFor(DWORD milliseconds);

    // The user's language, for resources and system texts, and locale (GetUserDefaultLCID).
    void SetLanguage(Language language);
    void SetUserLocale(LCID locale);

    // The primary screen, and the same with the desktop's windows painted as they are now.
    void SetScreenSize(int width, int height);
    const Screen& RepaintedScreen();
    // What the PC sends the converter: the screen as shown, or black while the display
    // sleeps (the power plan's idle time passed with no input and nobody asking for it).
    const Image& PictureSent();

    // Converters on the bus.
    Converter& Plug(const ChipConfig& config = MainModelConfig());
    void Plug(Converter& converter);
    void Unplug(Converter& converter);
    void LosePower(); // a suspend: every attached converter loses its registers
    std::vector<Converter*> AttachedConverters() const;
    std::size_t ConverterCount() const;
    // Frees the unplugged converters no handle refers to any more (nobody can plug those
    // back), so that a long session of plugging and unplugging stays small.
    void ForgetUnpluggedConverters();
    void KeepTraffic(bool keep);

    // Who is at the machine: the user at modal moments, and who watches.
    void SetUser(InteractionDriver* user);
    void SetObserver(Observer* observer);

    // The system's events; the user's mouse and keyboard are `input`.
    void Suspend();
    // Windows always says the machine woke (PBT_APMRESUMEAUTOMATIC), and then, when a user is
    // there, that it resumed for them (PBT_APMRESUMESUSPEND).
    void Resume(bool userPresent = true);
    void ChangeDisplay(int width, int height);
    void EndSession(bool cancelledByAnotherProgram);
    // An installer or an update asks running programs to close (the Restart Manager's way):
    // a session end with ENDSESSION_CLOSEAPP, after which the program must end by itself.
    void CloseApplications();
    void SwitchPowerSaving(UINT setAction, BOOL on); // another program turns one on or off
    // What another program does while Corvane waits for the shell's answer in its next
    // Shell_NotifyIcon: Windows hands a thread the messages others send it while it waits in
    // a send of its own, so they can arrive in the middle of its start-up.
    void WhileCorvaneNextWaitsForTheShell(std::function<void()> otherProgram);
    // Explorer restarts: the notification area starts empty and says so to every window.
    void RestartShell();
    // Another program holds a named object (the second start's mutex).
    void HoldNamedObject(const char* name);

    Input input{*this};

  private:
    void BroadcastDeviceChange(Converter& converter, UINT event);
    void EndSessionWith(bool cancelledByAnotherProgram, LPARAM reason);

    std::unique_ptr<Machine> m_machine;
    Image m_pictureSent; // the last picture sent, its memory kept for the next
};

} // namespace sim
