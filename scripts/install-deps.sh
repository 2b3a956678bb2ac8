#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; quick when all are there.
# With --fuzz also clang and libFuzzer, which only `make fuzz` needs.
set -euo pipefail

packages=(
  g++ cmake ninja-build make pkg-config
  googletest libgtest-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev libgl-dev
  fonts-dejavu-core
)
if [ "${1:-}" = "--fuzz" ]; then
  packages+=(clang-14 libclang-rt-14-dev llvm-14)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
elif command -v sudo >/dev/null 2>&1; then
  sudo apt-get update -qq
  sudo DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  echo "Please install the missing packages as root:" >&2
  echo "  apt-get install ${missing[*]}" >&2
  exit 1
fi
