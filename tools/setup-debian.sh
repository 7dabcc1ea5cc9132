#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need, when missing.
# As root it runs apt-get itself; otherwise it prints the exact command and fails.
set -euo pipefail

packages=(
  cmake g++ make            # toolchain
  qtbase5-dev               # Qt 5.15 Core, Gui, Widgets, Sql, Test, moc and rcc
  libqt5sql5-sqlite libqt5sql5-psql  # Qt SQL's drivers: the local history (SQLite), the shared one (PostgreSQL)
  libpq-dev pkg-config      # libpq: checking a history server's connection string
  postgresql                # a PostgreSQL server the history tests start in the build tree, and stop
  dfu-util                  # the program embedded into the tool; dfu-suffix checks our DfuSe file
  libusb-1.0-0-dev          # libusb: the tool's USB hotplug events; libusb.h for the emulated USB bus of the tests
  fonts-freefont-otf         # FreeSans, the window font
  qttools5-dev-tools qttools5-dev  # lupdate and lrelease, and CMake's Qt5LinguistTools: the translations
  fonts-noto-cjk            # Noto Sans CJK: the Japanese and Chinese glyphs the window font lacks
  qttranslations5-l10n      # Qt's own texts (the buttons of its message boxes and file dialogs) translated
  xvfb xauth xdotool libx11-dev  # end-to-end tests and the headless demo on a virtual display
  python3-pyatspi at-spi2-core dbus-daemon  # the end-to-end test of what a screen reader gets (AT-SPI)
  procps                    # ps and pgrep: the end-to-end tests end what the tool started
  build-essential debhelper dpkg-dev git lintian  # the Debian package, built and checked by the install test
  appstream desktop-file-utils  # validating its AppStream metainfo and desktop entry
  clang libclang-rt-14-dev llvm-14  # fuzzing: clang, libFuzzer and the sanitizers' runtimes, symbolized reports
)
# Packages a caller needs besides (tools/coverage.sh: gcovr).
packages+=("$@")

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing Debian packages. Install them as root with:" >&2
  echo "  apt-get install -y --no-install-recommends ${missing[*]}" >&2
  exit 1
fi
echo "Installing ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${missing[@]}"
