#!/usr/bin/env bash
# Builds the Debian package (scripts/package.sh) and checks it as an officer's machine meets it:
# its contents, the launcher (desktop-file-validate), the AppStream metadata (appstreamcli),
# the manual page against the commands' own help, lintian (no error); then installs it with
# apt-get, runs /usr/bin/sarvo-tool --version, starts the installed program under Xvfb from its
# launcher's command line in a fresh home folder, waits until the data folder is made and the
# main window is shown, ends it and removes the package again (also when a step fails).
# Needs root or sudo, like scripts/install-deps.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

app_id=org.sarvo.Sarvo
wait_seconds=${SARVO_PACKAGE_WAIT_SECONDS:-20}

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi

step() { echo "check_package: $*"; }
fail() {
    echo "check_package: FAILED: $*" >&2
    exit 1
}

work=$(mktemp -d)
installed=no
program_pid=
xvfb_pid=
# Ends the installed program: asked first, killed after 5 seconds.
stop_program() {
    if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then
        kill "$program_pid" 2>/dev/null || true
        for _ in $(seq 50); do
            kill -0 "$program_pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -9 "$program_pid" 2>/dev/null || true
    fi
}
cleanup() {
    stop_program
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    if [ "$installed" = yes ]; then
        DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get remove -y -qq sarvo >/dev/null &&
            step "package removed" || echo "check_package: could not remove the package sarvo" >&2
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# --- Build ---------------------------------------------------------------------------------
deb=$(scripts/package.sh | tail -n 1)
[ -f "$deb" ] || fail "scripts/package.sh made no package"
version=$(dpkg-deb -f "$deb" Version)
step "built $deb (version $version)"
[ "$(basename "$deb")" = "sarvo_${version}_$(dpkg --print-architecture).deb" ] ||
    fail "file name $(basename "$deb") is not the Debian one"
dpkg-deb -f "$deb" Package Version Architecture Maintainer Depends Recommends | sed 's/^/  /'

# --- Contents ------------------------------------------------------------------------------
tree=$work/tree
dpkg-deb -x "$deb" "$tree"
(cd "$tree" && find . -type f -o -type l) | sed 's|^\./|/|' | sort >"$work/files"
allowed='^/usr/(bin/(sarvo|sarvo-tool)|share/(sarvo/(Lang\.txt|Help/[^/]+\.html)|applications/'
allowed+="$app_id"'\.desktop|metainfo/'"$app_id"'\.metainfo\.xml|icons/hicolor/([0-9]+x[0-9]+/apps/'
allowed+="$app_id"'\.png|scalable/apps/'"$app_id"'\.svg)|man/man1/sarvo(-tool)?\.1\.gz|'
allowed+='doc/sarvo/(copyright|changelog\.gz|README\.md)))$'
if grep -Ev "$allowed" "$work/files"; then
    fail "the package holds the files above, which it should not"
fi
required=(/usr/bin/sarvo /usr/bin/sarvo-tool /usr/share/sarvo/Lang.txt
    /usr/share/sarvo/Help/Sarvo_Eng.html /usr/share/applications/$app_id.desktop
    /usr/share/metainfo/$app_id.metainfo.xml /usr/share/icons/hicolor/scalable/apps/$app_id.svg
    /usr/share/icons/hicolor/48x48/apps/$app_id.png /usr/share/man/man1/sarvo-tool.1.gz
    /usr/share/doc/sarvo/copyright /usr/share/doc/sarvo/changelog.gz)
for f in "${required[@]}"; do
    grep -qxF "$f" "$work/files" || fail "the package lacks $f"
done
for f in $(ls Help); do
    grep -qxF "/usr/share/sarvo/Help/$f" "$work/files" || fail "the package lacks Help/$f"
done
for size in 16 22 24 32 48 64 128 256; do
    png=$tree/usr/share/icons/hicolor/${size}x$size/apps/$app_id.png
    file "$png" | grep -q "PNG image data, $size x $size" || fail "$png is not a $size x $size PNG"
done
for exe in sarvo sarvo-tool; do
    file "$tree/usr/bin/$exe" | grep -q ', stripped' || fail "/usr/bin/$exe is not stripped"
done
step "contents: $(wc -l <"$work/files") files, only the programs and their data; binaries stripped"
zcat "$tree/usr/share/doc/sarvo/changelog.gz" | head -n 1 | grep -qF "sarvo ($version)" ||
    fail "the changelog's first entry is not version $version"
grep -qF "<release version=\"$version\"" "$tree/usr/share/metainfo/$app_id.metainfo.xml" ||
    fail "the metainfo names no release $version"

# --- Launcher and AppStream metadata --------------------------------------------------------
desktop=$tree/usr/share/applications/$app_id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate refused $app_id.desktop"
step "desktop-file-validate: $app_id.desktop valid"
appstreamcli validate --no-net "$tree/usr/share/metainfo/$app_id.metainfo.xml" | sed 's/^/  /' ||
    fail "appstreamcli refused the metainfo"
step "appstreamcli validate --no-net: $app_id.metainfo.xml valid"

# --- The manual page names every command and option the tool's help shows ------------------
tool=build-pkg/src/tool/sarvo-tool
man_text=$(zcat "$tree/usr/share/man/man1/sarvo-tool.1.gz" | sed 's/\\-/-/g')
commands=$("$tool" --help | awk 'NR > 1 && $1 !~ /^--/ { print $1 }')
for command in $commands; do
    grep -q "^\.SS \"$command" <<<"$man_text" || fail "the manual page has no section $command"
    for option in $("$tool" "$command" --help | grep -oE '^  (-o, )?--[a-z-]+' | grep -oE -- '--[a-z-]+'); do
        grep -qF -- "$option" <<<"$man_text" || fail "the manual page lacks $command $option"
    done
done
step "manual page: all $(wc -w <<<"$commands") commands of sarvo-tool --help and their options"
program_man=$(zcat "$tree/usr/share/man/man1/sarvo.1.gz" | sed 's/\\-/-/g')
for option in $(build-pkg/src/gui/app/sarvo --help | grep -oE '^  --[a-z-]+'); do
    grep -qF -- "$option" <<<"$program_man" || fail "the manual page of sarvo lacks $option"
done
step "manual page: every option of sarvo --help"

# --- lintian -------------------------------------------------------------------------------
lintian_out=$(lintian --fail-on error --tag-display-limit 0 "$deb") || {
    echo "$lintian_out"
    fail "lintian found errors"
}
step "lintian: no error; $(grep -c '^W:' <<<"$lintian_out" || true) warning(s)"
if [ -n "$lintian_out" ]; then
    sed 's/^/  /' <<<"$lintian_out"
fi

# --- Install and run -----------------------------------------------------------------------
# Without the recommended PostgreSQL driver: removing the package then leaves the machine as it
# was (the dependencies are among what scripts/install-deps.sh installs).
installed=yes
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "$(realpath "$deb")" \
    >"$work/apt.log" 2>&1 || {
    cat "$work/apt.log"
    fail "apt-get install refused the package"
}
step "apt-get install: installed $(dpkg-query -W -f '${Package} ${Version}' sarvo)"
tool_version=$(/usr/bin/sarvo-tool --version)
[[ "$tool_version" == "sarvo-tool $version"* ]] || fail "sarvo-tool --version printed '$tool_version'"
step "/usr/bin/sarvo-tool --version: $tool_version"

# The launcher's command line, its field codes dropped (%% stands for %).
exec_line=$(grep -m 1 '^Exec=' "/usr/share/applications/$app_id.desktop" | cut -d= -f2-)
exec_line=$(sed -E 's/%[fFuUdDnNickvm]//g; s/%%/%/g' <<<"$exec_line")
read -r -a command_line <<<"$exec_line"
step "launcher command line: ${command_line[*]}"

# A fresh home folder; the XDG folders, the run-time folder and the temporary folder (where the
# single-instance socket lives) inside it, so nothing of this machine's users is seen or touched.
home=$work/home
mkdir -p "$home/runtime" "$home/tmp"
chmod 700 "$home/runtime"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
display=:$(cat "$work/display")
(
    cd "$home"
    exec env -u XDG_DATA_HOME -u XDG_DATA_DIRS -u XDG_CONFIG_DIRS -u XDG_CACHE_HOME \
        -u XDG_STATE_HOME -u XDG_SESSION_TYPE -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
        HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home/runtime" \
        TMPDIR="$home/tmp" DISPLAY="$display" "${command_line[@]}"
) >"$work/program.log" 2>&1 &
program_pid=$!

data_dir=$home/Documents/Sarvo
window=
for _ in $(seq $((wait_seconds * 5))); do
    kill -0 "$program_pid" 2>/dev/null || break
    if [ -d "$data_dir" ] && [ -z "$window" ]; then
        # A top-level window whose name begins with "Sarvo" (the title is language line 1).
        for id in $(DISPLAY=$display xwininfo -root -tree 2>/dev/null |
            grep -oE '^ +0x[0-9a-f]+ "Sarvo[^"]*"' | grep -oE '0x[0-9a-f]+'); do
            if DISPLAY=$display xwininfo -id "$id" | grep -q 'Map State: IsViewable'; then
                window=$id
                break
            fi
        done
    fi
    [ -n "$window" ] && break
    sleep 0.2
done
if [ -z "$window" ]; then
    cat "$work/program.log"
    DISPLAY=$display xwininfo -root -tree 2>/dev/null | grep -E '^ +0x' | head -n 20 || true
    [ -d "$data_dir" ] || fail "no data folder $data_dir after $wait_seconds s"
    if [ ! -f "$data_dir/Lang.txt" ]; then
        echo "check_package: (the data folder has no Lang.txt: did the program not take" \
            "/usr/share/sarvo/Lang.txt?)" >&2
    fi
    fail "no window titled Sarvo shown after $wait_seconds s"
fi
title=$(DISPLAY=$display xwininfo -id "$window" | grep -oE '"[^"]*"' | head -n 1)
step "data folder made: ~/Documents/Sarvo ($(ls "$data_dir" | tr '\n' ' '))"
step "window shown: $window $title"
stop_program
step "program ended"
# The package is removed by cleanup on exit.
step "all checks passed"
