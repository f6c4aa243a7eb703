#!/usr/bin/env bash
# Installs everything the program, its tests and its tools need on Debian 12.
# Safe to run again: packages already installed are left as they are.
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-serialport-dev qt6-charts-dev libqt6opengl6-dev libxkbcommon-dev
    # the embedded database of the dose of record (Qt SQL's SQLite driver)
    libqt6sql6-sqlite
    # the central registry: Qt SQL's PostgreSQL driver, and a server the tests start themselves
    libqt6sql6-psql postgresql-15
    googletest libgtest-dev libbenchmark-dev
    # translations: lupdate and lrelease with their CMake package, and Qt's own translations
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    # running the program and its tests without hardware or a display
    socat xvfb xauth fonts-dejavu-core imagemagick python3
    # printing: a PDF printer queue, and reading PDF text back
    cups cups-bsd printer-driver-cups-pdf poppler-utils
    # the fuzz targets
    clang
    # the formatting gate (scripts/check_format.sh)
    clang-format
    # the Debian package and its check (scripts/package.sh, scripts/check_package.sh);
    # xdg-utils opens the help pages
    dpkg-dev file lintian desktop-file-utils appstream x11-utils xdg-utils
)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi

export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${packages[@]}" >/dev/null
echo "install-deps: all packages present"
