// rcgen OUTPUT_FOLDER: writes corvane.rc, its icons and its manifest for the resource
// compiler, from the same tables the simulated Windows serves.
#include "Icons.h"
#include "RcWriter.h"

#include <fstream>
#include <iostream>
#include <string>

namespace {

const char kManifest[] = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<assembly xmlns="urn:schemas-microsoft-com:asm.v1" manifestVersion="1.0">
  <assemblyIdentity type="win32" name="Velmora.Corvane" version="1.10.0.2" processorArchitecture="x86"/>
  <description>Corvane</description>
  <dependency>
    <dependentAssembly>
      <assemblyIdentity type="win32" name="Microsoft.Windows.Common-Controls" version="6.0.0.0"
                        processorArchitecture="x86" publicKeyToken="6595b64144ccf1df" language="*"/>
    </dependentAssembly>
  </dependency>
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

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: rcgen OUTPUT_FOLDER\n";
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    std::ofstream script(folder + "corvane.rc", std::ios::binary | std::ios::trunc);
    WriteResourceScript(script);
    const bool written = static_cast<bool>(script) &&
                         Write(folder + "icon128.ico", MakeIcon(IconKind::Ready, true)) &&
                         Write(folder + "icon132.ico", MakeIcon(IconKind::Ready, false)) &&
                         Write(folder + "icon133.ico", MakeIcon(IconKind::NoDevice, false)) &&
                         Write(folder + "corvane.manifest", kManifest);
    if (!written) {
        std::cerr << "rcgen: cannot write into " << folder << "\n";
        return 1;
    }
    return 0;
}
