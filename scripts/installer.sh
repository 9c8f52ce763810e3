#!/usr/bin/env bash
# installer.sh BUILD_DIR [VERSION]: writes build/Corvane-<version>.msi from a Windows build
# (build/windows for the 32-bit program people install; build/windows-x64 where the tests
# need it) with wixl, from installer/Corvane.wxs. The version is the program's own
# (scripts/version.sh), unless one is given (the upgrade test builds a newer one); Windows
# Installer compares its three numbers, and shows it among the installed programs.
set -euo pipefail
cd "$(dirname "$0")/.."
# wixl takes its source paths relative to where it runs.
build=$(realpath --relative-to=. "${1:-build/windows}")
version=${2:-$(scripts/version.sh)}
if grep -q x86_64 "$build/CMakeCache.txt" 2>/dev/null; then
    arch=x64 program_files=ProgramFiles64Folder win64=yes
else
    arch=x86 program_files=ProgramFilesFolder win64=no
fi
scripts/apt-install.sh wixl msitools
suffix=$([ "$arch" = x64 ] && echo "-x64" || true)
out="build/Corvane-$version$suffix.msi"
wixl -a "$arch" -D Version="$version" -D ProgramFiles="$program_files" -D Win64="$win64" \
    -D BuildDir="$build" -D ResourceDir="$build/resources" -o "$out" installer/Corvane.wxs
# What wixl cannot write: the condition that leaves the start at logon out.
msibuild "$out" -i installer/Condition.idt
echo "installer: $out ($(stat -c %s "$out") bytes, version $version, $arch)"
