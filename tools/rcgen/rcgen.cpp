// rcgen OUTPUT_FOLDER: writes corvane.rc, its icons and its manifest for the resource
// compiler, from the same tables the simulated Windows serves. The manifest declares the
// program aware of each monitor's DPI (per-monitor v2; system-aware where Windows is older),
// so that on a scaled display its overlay, selection frame and coordinates are the screen's
// own pixels instead of a stretched picture.
#include "Icons.h"
#include "RcWriter.h"
#include "platform/resource_tables.h"
#include "res/resource.h"
#include "res/version.h"

#include <fstream>
#include <iostream>
#include <string>

namespace {

const char kManifest[] = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<assembly xmlns="urn:schemas-microsoft-com:asm.v1" manifestVersion="1.0">
  <assemblyIdentity type="win32" name="Velmora.Corvane" version=")" CORVANE_VERSION_TEXT
                         R"(.0" processorArchitecture="*"/>
  <description>Corvane</description>
  <dependency>
    <dependentAssembly>
      <assemblyIdentity type="win32" name="Microsoft.Windows.Common-Controls" version="6.0.0.0"
                        processorArchitecture="*" publicKeyToken="6595b64144ccf1df" language="*"/>
    </dependentAssembly>
  </dependency>
  <application xmlns="urn:schemas-microsoft-com:asm.v3">
    <windowsSettings>
      <dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true</dpiAware>
      <dpiAwareness xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">PerMonitorV2</dpiAwareness>
    </windowsSettings>
  </application>
  <trustInfo xmlns="urn:schemas-microsoft-com:asm.v3">
    <security><requestedPrivileges><requestedExecutionLevel level="asInvoker" uiAccess="false"/></requestedPrivileges></security>
  </trustInfo>
</assembly>
)";

bool Write(const std::string& path, const std::string& content) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << content;
    return static_cast<bool>(file);
}

IconKind KindOf(unsigned id) {
    switch (id) {
    case IDI_TRAY_NODEVICE:
        return IconKind::NoDevice;
    case IDI_ARROW_UP:
        return IconKind::ArrowUp;
    case IDI_ARROW_LEFT:
        return IconKind::ArrowLeft;
    case IDI_ARROW_RIGHT:
        return IconKind::ArrowRight;
    case IDI_ARROW_DOWN:
        return IconKind::ArrowDown;
    default:
        return IconKind::Ready;
    }
}

bool WriteIcons(const std::string& folder) {
    for (std::size_t i = 0; i < kIconCount; ++i) {
        const unsigned id = kIconIds[i];
        // The program's own icon also comes large, for Explorer and the Alt+Tab list.
        if (!Write(folder + IconFileName(id), MakeIcon(KindOf(id), id == IDR_MAINFRAME))) {
            return false;
        }
    }
    return true;
}

bool WriteDialogInitData(const std::string& folder) {
    for (const DialogInitFile& file : DialogInitFiles()) {
        if (!Write(folder + file.name, file.bytes)) {
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: rcgen OUTPUT_FOLDER\n";
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    std::ofstream script(folder + "corvane.rc", std::ios::binary | std::ios::trunc);
    WriteResourceScript(script);
    const bool written = static_cast<bool>(script) && WriteIcons(folder) &&
                         WriteDialogInitData(folder) &&
                         Write(folder + "corvane.manifest", kManifest);
    if (!written) {
        std::cerr << "rcgen: cannot write into " << folder << "\n";
        return 1;
    }
    return 0;
}
