#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the benchmarks need,
# only when one of them is missing. Safe to run on every build: when all are
# installed it runs no package manager and needs no root.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  libreadline-dev
  qt6-base-dev qt6-svg-dev fonts-dejavu-core
  libmuparser-dev
  clang libclang-rt-14-dev
  libx11-dev
  xvfb xdotool imagemagick at-spi2-core python3-pyatspi dbus-daemon
  python3 libxml2-utils desktop-file-utils shared-mime-info
)

# Every installed package name, and every name an installed package
# provides (a virtual package such as libqt6svg6-dev counts as installed
# when a package providing it is).
installed=$(dpkg-query -W -f='${db:Status-Abbrev} ${Package} ${Provides}\n' 2>/dev/null |
  awk '$1 == "ii" { for (i = 2; i <= NF; ++i) if ($i !~ /^[(=<>]/ && $i !~ /\)$/) { sub(/,$/, "", $i); sub(/:.*/, "", $i); print $i } }' |
  sort -u)

missing=()
for p in "${packages[@]}"; do
  grep -qxF "$p" <<<"$installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Need root (or sudo) to install: ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
