#!/usr/bin/env bash
# Builds the Debian package of the program in its own Release build folder (build-pkg) and
# prints the path of the .deb, build-pkg/sarvo_<version>_amd64.deb, as the last line of its
# standard output (the build tells its progress on standard error).
# Needs what scripts/install-deps.sh installs (dpkg-shlibdeps comes with dpkg-dev).
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-pkg
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
# Debian's hardening flags (fortify, stack protector, relro, bind now), as a Debian build has.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
    -DSARVO_BUILD_TESTS=OFF -DSARVO_BUILD_BENCH=OFF -DSARVO_FUZZ=OFF "${launcher[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)" --target sarvo sarvo-tool sarvo_packaging_files >&2
rm -f "$build"/sarvo_*.deb
(cd "$build" && cpack -G DEB >&2)
deb=$(ls "$build"/sarvo_*.deb)
echo "$(pwd)/$deb"
