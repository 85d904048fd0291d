#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo game need, when some are
# missing. Needs root for the installation; without root it only names what is missing.
# Usage: install-deps.sh [--with-fuzz] [--with-package] [--list]
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qtbase5-dev libqt5svg5-dev qttools5-dev qttools5-dev-tools qttranslations5-l10n
    zlib1g-dev libdeflate-dev libsdl2-mixer-dev
    lame
)
# Extra packages on request: for the sanitizer and fuzzing builds, and for building and checking
# the Debian package (manual pages, dependencies, metadata and package checks). --list only
# prints the names.
list_only=false
for option in "$@"; do
    case "$option" in
    --with-fuzz) packages+=(clang libclang-rt-14-dev) ;;
    --with-package)
        packages+=(help2man dpkg-dev lintian desktop-file-utils appstream libxml2-utils
            shared-mime-info) ;;
    --list) list_only=true ;;
    *)
        echo "usage: $0 [--with-fuzz] [--with-package] [--list]" >&2
        exit 2
        ;;
    esac
done
if $list_only; then
    echo "${packages[*]}"
    exit 0
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "Missing Debian packages (install them as root): ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update
apt-get install -y --no-install-recommends "${missing[@]}"
