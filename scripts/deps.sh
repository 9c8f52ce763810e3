#!/usr/bin/env bash
# Installs the Debian packages the simulated build and its tests need, and with "windows" the
# cross-compilers of the 32-bit and 64-bit Windows builds; silent when all are present.
set -euo pipefail

packages=(cmake ninja-build g++ libgtest-dev libgmock-dev libedit-dev libpng-dev libfreetype-dev
          fonts-ipafont-gothic)
[ "${1:-}" = windows ] && packages=(g++-mingw-w64-i686 g++-mingw-w64-x86-64)

"$(dirname "$0")/apt-install.sh" "${packages[@]}"
