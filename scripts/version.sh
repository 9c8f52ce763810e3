#!/usr/bin/env bash
# version.sh: the program's version, "MAJOR.MINOR.BUILD", as res/version.h holds it.
set -euo pipefail
cd "$(dirname "$0")/.."
number() { sed -n "s/^#define CORVANE_VERSION_$1 \([0-9]*\)$/\1/p" res/version.h; }
echo "$(number MAJOR).$(number MINOR).$(number BUILD)"
