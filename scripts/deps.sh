#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the demo need.
# Idempotent: does nothing when all are present.
set -euo pipefail

packages=(
  cmake g++ make pkg-config python3
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64 libz-mingw-w64-dev
  libgtest-dev libgmock-dev googletest zlib1g-dev liblz4-dev
  clang libclang-rt-14-dev
  wine wine64 xvfb xauth imagemagick fonts-wine liblnk-utils
  fp-utils zip unzip libarchive-tools p7zip-full time
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
echo "deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q "${missing[@]}"
