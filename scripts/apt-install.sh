#!/usr/bin/env bash
# apt-install.sh PACKAGE...: installs whichever of the Debian packages are missing; silent
# when all are there.
#
# A mirror in the middle of a sync can serve one stale index (seen: the security archive's
# i386 list). apt then leaves that list out, and a package of both architectures (wine32
# beside wine64) wants an i386 library at the amd64 one's newer security version, which it
# cannot see. The update's failure is therefore not fatal, and an install that fails after
# it is tried once more preferring the release's own versions, which both architectures have.
set -euo pipefail

missing=()
for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if [[ " ${missing[*]} " == *:i386* ]]; then
    dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
fi
updated=yes
$sudo apt-get update -qq || updated=no
install() {
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "$@" \
        "${missing[@]}" >/dev/null
}
if ! install && [ "$updated" = no ]; then
    echo "apt-install: an index could not be updated; installing the release's own versions"
    install -o APT::Default-Release="$(. /etc/os-release && echo "$VERSION_CODENAME")"
fi
