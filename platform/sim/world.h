// The simulated machine. Exactly one World exists at a time; the simulated Win32 functions
// serve the current one. Tests create a World, arrange it, and observe it.
#pragma once

#include "converter.h"
#include "registry.h"
#include "win32_types.h"

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

    // Converters on the bus.
    Converter& Plug(const ChipConfig& config = MainModelConfig());
    void Plug(Converter& converter);
    void Unplug(Converter& converter);
    void LosePower(); // a suspend: every attached converter loses its registers
    std::vector<Converter*> AttachedConverters() const;

    // Faults of the device setup services.
    void FailClassDevs(DWORD error) { m_classDevsError = error; }
    void FailDetailQuery(DWORD memberIndex, DWORD error) { m_detailErrors[memberIndex] = error; }
    void ReportDetailSize(DWORD memberIndex, DWORD size) { m_detailSizes[memberIndex] = size; }

    std::size_t LiveLocalAllocations() const { return m_localAllocations.size(); }

    // HKEY_CURRENT_USER, and every message box shown, in order.
    Registry registry;
    std::vector<MessageBoxShown> messageBoxes;

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
    DWORD m_now = 0;
    Language m_language = Language::English;
    LCID m_userLocale = 0x0409;
    int m_screenWidth = 1024;
    int m_screenHeight = 768;
    std::vector<std::unique_ptr<Converter>> m_converters;
    DWORD m_classDevsError = 0;
    std::map<DWORD, DWORD> m_detailErrors;
    std::map<DWORD, DWORD> m_detailSizes;
    std::set<void*> m_localAllocations;
    std::uintptr_t m_nextHandle = 0x100;
};

} // namespace sim
