#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, and the locale with
# a decimal comma that the tests check the settings file against; quick when all
# are there. With --fuzz also clang and libFuzzer, which only `make fuzz` needs.
set -euo pipefail

packages=(
  g++ cmake ninja-build make pkg-config
  googletest libgtest-dev
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libgl-dev
  fonts-dejavu-core
  clang-format clang-tidy
  locales
  # the art generator writes the scalable icon; packaging and its checks
  qt6-svg-dev
  # the statistics window's credits chart (its CMake files need Qt's OpenGL ones)
  qt6-charts-dev libqt6opengl6-dev
  dpkg-dev file desktop-file-utils appstream groff-base gzip
)
# A locale that writes numbers with a decimal comma.
comma_locale=de_DE.UTF-8

if [ "${1:-}" = "--fuzz" ]; then
  packages+=(clang-14 libclang-rt-14-dev llvm-14)
fi

as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  elif command -v sudo >/dev/null 2>&1; then
    sudo "$@"
  else
    echo "Please run as root:" >&2
    echo "  $*" >&2
    exit 1
  fi
}

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
  echo "Generating the locale $comma_locale"
  as_root localedef -i de_DE -f UTF-8 "$comma_locale"
fi
