#!/usr/bin/env bash
# What the Wine stage needs beyond the build: 32-bit Wine, an X server and its tools,
# Japanese fonts, a font with Arial's measures (the dialogs are laid out in Arial), and the
# two locales Wine takes its language from. Quiet when all is there.
set -euo pipefail

packages=(wine wine64 wine32:i386 xvfb xdotool imagemagick fonts-ipafont-gothic fonts-liberation
    x11-utils locales)

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
fi
for locale in ja_JP en_US; do
    locale -a | grep -qix "$locale.utf8" || $sudo localedef -i "$locale" -f UTF-8 "$locale.UTF-8"
done
# Where this machine cannot run 32-bit code, the Wine stage tests the 64-bit build instead.
if ! /lib/ld-linux.so.2 --version >/dev/null 2>&1 &&
    ! dpkg-query -W -f='${Status}' g++-mingw-w64-x86-64 2>/dev/null | grep -q 'install ok installed'; then
    echo "Installing: g++-mingw-w64-x86-64"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        g++-mingw-w64-x86-64 >/dev/null
fi
