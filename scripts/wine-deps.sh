#!/usr/bin/env bash
# What the Wine stage needs beyond the build: 32-bit Wine, an X server and its tools,
# Japanese fonts, a font with Arial's measures (the dialogs are laid out in Arial), and the
# two locales Wine takes its language from. Quiet when all is there.
set -euo pipefail

packages=(wine wine64 wine32:i386 xvfb xdotool imagemagick fonts-ipafont-gothic fonts-liberation
    x11-utils locales)

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
"$(dirname "$0")/apt-install.sh" "${packages[@]}"
for locale in ja_JP en_US; do
    locale -a | grep -qix "$locale.utf8" || $sudo localedef -i "$locale" -f UTF-8 "$locale.UTF-8"
done
