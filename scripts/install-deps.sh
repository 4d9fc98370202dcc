#!/usr/bin/env bash
# Installs what building and testing need on a fresh Debian machine (as root):
# MinGW-w64 for i686, CMake and Ninja, GoogleTest's sources, 32-bit Wine,
# Xvfb, ImageMagick and fonts for the screenshots. Does nothing when everything is there.
set -euo pipefail
need=()
command -v i686-w64-mingw32-g++ >/dev/null || need+=(g++-mingw-w64-i686 binutils-mingw-w64-i686)
command -v cmake >/dev/null || need+=(cmake)
command -v ninja >/dev/null || need+=(ninja-build)
[ -d /usr/src/googletest ] || need+=(googletest)
command -v wine >/dev/null && [ -x /usr/lib/wine/wine ] || need+=(wine wine64 wine32:i386)
dpkg -s wine32:i386 >/dev/null 2>&1 || need+=(wine32:i386)
command -v Xvfb >/dev/null || need+=(xvfb xauth)
[ -x /usr/bin/import ] || need+=(imagemagick)
fc-list 2>/dev/null | grep -qi dejavu || need+=(fonts-dejavu-core)
fc-list 2>/dev/null | grep -qi wqy || need+=(fonts-wqy-microhei)  # Chinese, Japanese, Korean texts
command -v python3 >/dev/null || need+=(python3)
[ ${#need[@]} -eq 0 ] && exit 0
echo "installing: ${need[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then dpkg --add-architecture i386; fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
