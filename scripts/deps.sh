#!/usr/bin/env bash
# Installs the Debian packages the simulated build and its tests need, and with "windows" the
# cross-compiler of the Windows build; silent when all are present.
set -euo pipefail

packages=(cmake ninja-build g++ libgtest-dev libgmock-dev libedit-dev libpng-dev)
[ "${1:-}" = windows ] && packages=(g++-mingw-w64-i686)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
