#!/usr/bin/env bash
# Installs a built tree into a temporary prefix and checks it as a desktop sees
# it: every file in its place, the desktop entry and metainfo accepted by their
# validators, and the program started through its launcher from a moved,
# read-only installation under Xvfb, showing its main window with the icon and
# writing nothing into its installation (settings go to the per-user folder).
#
#   scripts/install-check.sh [build-dir]      (default: build)
set -euo pipefail

# The top-level windows of the class Qt gives the program (its name).
program_windows()
{
    xwininfo -root -children | awk '/\("Zaviko" "Zaviko"\)/ { print $1 }'
}

# Runs inside xvfb-run: starts the program, finds its window, stops it.
probe()
{
    local pid rc window=""
    "$1" &
    pid=$!
    for _ in $(seq 50); do
        sleep 0.1
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid" && rc=0 || rc=$?
            echo "the program ended before showing a window (status $rc)"
            return 1
        fi
        window=$(program_windows | head -n 1)
        [[ -n "$window" ]] && break
    done
    local fault=""
    if [[ -z "$window" ]]; then
        fault="no window of the program appeared"
    else
        sleep 1 # a program that fails just after showing its window fails here
        kill -0 "$pid" 2>/dev/null || fault="the program ended within a second"
    fi
    if [[ -z "$fault" ]]; then
        local title type icon count
        title=$(xprop -id "$window" WM_NAME)
        type=$(xprop -id "$window" _NET_WM_WINDOW_TYPE)
        icon=$(xprop -id "$window" -len 16 -f _NET_WM_ICON 32c ' = $0 x $1' _NET_WM_ICON)
        count=$(program_windows | wc -l)
        echo "window $window: $title; $type; $icon; windows of the program: $count"
        # A message box at start (say, the card library not found) is a
        # dialog window beside or instead of the main one.
        [[ "$type" == *"= _NET_WM_WINDOW_TYPE_NORMAL" && "$count" -eq 1 ]] \
            || fault="a dialog came up at start"
        [[ "$icon" == *"= "* ]] || fault="the window has no icon"
    fi
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    [[ -z "$fault" ]] || { echo "$fault"; return 1; }
}

if [[ "${1:-}" == "--probe" ]]; then
    probe "$2"
    exit
fi

build=$(cd "${1:-build}" && pwd)
self=$(readlink -f "$0")
id=org.zaviko.Zaviko
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
chmod 755 "$work"

cmake --install "$build" --prefix "$work/installed" > /dev/null
# The launcher must not depend on where the prefix was when installing.
mv "$work/installed" "$work/moved"
prefix=$work/moved

files=(bin/zaviko lib/zaviko/Zaviko lib/zaviko/libzucards.so
       "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml"
       "share/icons/hicolor/scalable/apps/$id.svg" share/man/man6/zaviko.6)
for size in 16 32 48 64 128 256; do
    files+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for f in "${files[@]}"; do
    [[ -e "$prefix/$f" ]] || { echo "missing after install: $f"; exit 1; }
done
[[ -e "$prefix/lib/zaviko/Zaviko.hlp" ]] || echo "note: no help page installed (Zaviko.hlp not built)"

desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" > /dev/null

# An installed program's folder cannot be written by its user. root writes
# anywhere, so root runs the program as nobody.
chmod -R a-w "$prefix"
touch "$work/started"
home=$work/home
runtime=$work/runtime
mkdir -p "$home" "$runtime"
chmod 700 "$runtime"
as_user=()
if [[ $(id -u) -eq 0 ]]; then
    chown 65534:65534 "$home" "$runtime"
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups --)
fi
"${as_user[@]}" env HOME="$home" XDG_CONFIG_HOME= XDG_RUNTIME_DIR="$runtime" \
    xvfb-run -a bash "$self" --probe "$prefix/bin/zaviko"

written=$(find "$prefix" -newer "$work/started")
[[ -z "$written" ]] || { echo "the program wrote into its installation: $written"; exit 1; }
if [[ -e "$home/.config/Zaviko/Zaviko.ini" ]]; then
    echo "settings kept in the per-user folder: $(ls "$home/.config/Zaviko")"
else
    echo "note: the program wrote no settings file during its first second"
fi
echo "install check passed"
