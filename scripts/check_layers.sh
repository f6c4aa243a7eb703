#!/usr/bin/env bash
# Checks the layers of src/ (a compiler alone lets any file include any installed Qt header):
#   - no file under src/core includes a gui header ("gui/...") or a header of a Qt GUI module
#     (Widgets, Gui, Charts, PrintSupport, SerialPort, OpenGL...): the header names are read from
#     the Qt installation, with a short hand list when it is not found;
#   - no file under src/tool includes a gui header;
#   - no include cycle between folders (a folder is the directory of a file under src/, such as
#     core/store or gui/main; an edge is an `#include "folder/file.h"` into another folder).
# Usage: scripts/check_layers.sh [ROOT]   (ROOT: the tree to check, default the repository)
set -euo pipefail
root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
cd "$root"
[ -d src ] || { echo "check_layers: no src/ in $root" >&2; exit 2; }

gui_modules="QtWidgets QtGui QtCharts QtPrintSupport QtSerialPort QtOpenGL QtOpenGLWidgets
QtSvg QtSvgWidgets QtQuick QtQuickWidgets QtMultimedia QtMultimediaWidgets QtDataVisualization"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# The forbidden header names: every header of the GUI modules found in the Qt installation.
# SARVO_QT_HEADERS overrides where they are looked for.
dirs="${SARVO_QT_HEADERS:-$(qtpaths6 --query QT_INSTALL_HEADERS 2>/dev/null || true)
/usr/include/x86_64-linux-gnu/qt6 /usr/include/qt6}"
: >"$tmp/names"
for dir in $dirs; do
    if [ -d "$dir/QtWidgets" ]; then
        for m in $gui_modules; do
            if [ -d "$dir/$m" ]; then ls "$dir/$m"; fi
        done >"$tmp/names"
        break
    fi
done
if [ ! -s "$tmp/names" ]; then
    echo "check_layers: Qt headers not found; using a short list of GUI classes" >&2
    printf '%s\n' QWidget QDialog QMainWindow QLabel QPushButton QMessageBox QTableView \
        QTableWidget QLineEdit QComboBox QMenu QAction QApplication QGuiApplication QPainter \
        QPixmap QImage QColor QFont QIcon QPrinter QPrintDialog QChart QChartView QSerialPort \
        QSerialPortInfo QSystemTrayIcon QClipboard QKeyEvent QValidator >"$tmp/names"
fi

includes() { # includes DIR: "file:line:header" for every #include under DIR
    [ -d "$1" ] || return 0
    grep -rnE --include='*.cpp' --include='*.h' \
        '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"][^>"]+[>"]' "$1" |
        sed -E 's/^([^:]*:[0-9]+):[^<"]*[<"]([^>"]+)[>"].*/\1:\2/' || true
}

failed=0
report() { # report TITLE: prints $tmp/out under TITLE and fails the run when it is not empty
    if [ -s "$tmp/out" ]; then
        echo "check_layers: $1"
        sed 's/^/  /' "$tmp/out"
        failed=1
    fi
}

includes src/core | awk -F: -v modules="$gui_modules" '
    NR == FNR { name[$0] = 1; next }
    BEGIN { n = split(modules, m, /[ \n]+/); for (i = 1; i <= n; i++) mod[m[i]] = 1 }
    {
        h = $3; first = h; sub(/\/.*/, "", first); base = h; sub(/.*\//, "", base)
        if (first == "gui" || mod[first] || (h !~ /\// && name[base]))
            print $1 ":" $2 ": includes " h
    }' "$tmp/names" - >"$tmp/out"
report "core includes a GUI header (core links Qt Core only; move the code to src/gui):"

includes src/tool | awk -F: '$3 ~ /^gui\// { print $1 ":" $2 ": includes " $3 }' >"$tmp/out"
report "sarvo-tool includes a gui header (it builds on core only):"

# Folder graph: "from to file:line" for every include of a header in another folder of src/.
find src -type d | sed 's|^src/||' >"$tmp/folders"
includes src | awk -F: '
    NR == FNR { folder[$0] = 1; next }
    {
        from = $1; sub(/^src\//, "", from); sub(/\/[^\/]*$/, "", from)
        to = $3; if (!sub(/\/[^\/]*$/, "", to)) next
        if (to != from && folder[to]) print from, to, $1 ":" $2
    }' "$tmp/folders" - >"$tmp/edges"
# tsort names the folders of each loop it finds in order, after "input contains a loop".
cut -d' ' -f1,2 "$tmp/edges" | sort -u | tsort >/dev/null 2>"$tmp/tsort" || true
awk '
    NR == FNR { k = $1 " " $2; if (!count[k]++) first[k] = $3; next }
    /input contains a loop/ { flush(); n = 0; next }
    { sub(/^tsort: /, ""); loop[n++] = $0 }
    END { flush() }
    function flush(  i, a, b, k, text) {
        if (n == 0) return
        text = "cycle:"
        for (i = 0; i < n; i++) text = text " " loop[i] " ->"
        print text " " loop[0]
        for (i = 0; i < n; i++) {
            a = loop[i]; b = loop[(i + 1) % n]; k = a " " b
            if (!count[k]) { k = b " " a; b = a; a = loop[(i + 1) % n] }
            printf "  %s -> %s: %s", a, b, first[k]
            if (count[k] > 1) printf " and %d more", count[k] - 1
            print ""
        }
    }' "$tmp/edges" "$tmp/tsort" >"$tmp/out"
report "include cycles between folders (a lower folder must not include a higher one):"

if [ "$failed" -eq 0 ]; then
    echo "check_layers: ok"
fi
exit "$failed"
