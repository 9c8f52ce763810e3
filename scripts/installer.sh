#!/usr/bin/env bash
# installer.sh BUILD_DIR [VERSION]: writes build/Corvane-<version>.msi from a Windows build
# (build/windows for the 32-bit program people install; build/windows-x64 where the tests
# need it) with wixl, from installer/Corvane.wxs. The version is the program's own, from
# res/version.h, unless one is given (the upgrade test builds a newer one).
set -euo pipefail
cd "$(dirname "$0")/.."
# wixl takes its source paths relative to where it runs.
build=$(realpath --relative-to=. "${1:-build/windows}")
file_version=$(sed -n 's/^#define CORVANE_FILE_VERSION_TEXT "\(.*\)"$/\1/p' res/version.h | tr -d ' ' | tr ',' '.')
version=${2:-$file_version}
# Windows Installer compares three fields; the fourth (the build) counts there as the third.
IFS=. read -r major minor patch build_number <<<"$version"
msi_version="$major.$minor.$((patch * 1000 + ${build_number:-0}))"
if grep -q x86_64 "$build/CMakeCache.txt" 2>/dev/null; then
    arch=x64 program_files=ProgramFiles64Folder win64=yes
else
    arch=x86 program_files=ProgramFilesFolder win64=no
fi
scripts/apt-install.sh wixl msitools
suffix=$([ "$arch" = x64 ] && echo "-x64" || true)
out="build/Corvane-$version$suffix.msi"
wixl -a "$arch" -D Version="$msi_version" -D ProgramFiles="$program_files" -D Win64="$win64" \
    -D BuildDir="$build" -D ResourceDir="$build/resources" -o "$out" installer/Corvane.wxs
# What wixl cannot write: the condition that leaves the start at logon out.
msibuild "$out" -i installer/Condition.idt
echo "installer: $out ($(stat -c %s "$out") bytes, version $msi_version, $arch)"
