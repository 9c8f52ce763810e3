#!/usr/bin/env bash
# Installs the Debian packages the simulated build and its tests need, and with "windows" the
# cross-compiler of the Windows build; silent when all are present.
set -euo pipefail

packages=(cmake ninja-build g++ libgtest-dev libgmock-dev libedit-dev libpng-dev)
[ "${1:-}" = windows ] && packages=(g++-mingw-w64-i686)

"$(dirname "$0")/apt-install.sh" "${packages[@]}"
