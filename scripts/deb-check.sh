#!/usr/bin/env bash
# Installs the built package on this machine with apt, starts the installed
# program under Xvfb as an ordinary user, checks its window comes up and that
# its settings land in the per-user folder when the window is closed, then
# removes the package and checks nothing of it is left but the per-user files.
#
#   scripts/deb-check.sh [out-dir]      (default: build-deb, from scripts/deb.sh)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

# Runs inside xvfb-run as the user: start, answer the start prompt, close.
if [[ "${1:-}" == "--play" ]]; then
    OUT=$2
    # shellcheck source=scripts/e2e_lib.sh
    source "$here/e2e_lib.sh"
    # The window's layout as the installed program reports it.
    layout=$(QT_QPA_PLATFORM=offscreen /usr/lib/games/zaviko/Zaviko --print-layout 2> /dev/null) \
        || fail "Zaviko --print-layout failed"
    [[ "$layout" =~ (^|$'\n')CLIENT_W=[0-9]+($'\n'|$) ]] || fail "the layout report has no CLIENT_W"
    eval "$layout"
    /usr/games/zaviko &
    APP_PID=$!
    deadline=$(($(now_ms) + 10000))
    while [[ -z "$MAIN" ]]; do
        alive || fail "the installed program ended before showing its window"
        (($(now_ms) < deadline)) || fail "no main window within 10 s"
        sleep 0.1
        # A first start sizes the window to the screen: at least the table's
        # own size, wider than any dialog.
        for w in $(xdotool search --onlyvisible --pid "$APP_PID" 2> /dev/null); do
            width=$(xdotool getwindowgeometry "$w" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
            ((${width:-0} >= CLIENT_W)) && MAIN=$w
        done
    done
    echo "  the installed program shows its window ($(xdotool getwindowgeometry "$MAIN" \
        | sed -n 's/.*Geometry: //p') on a first start)"
    d=$(wait_dialog 5) || fail "no start prompt"
    press_enter "$d"
    shot started
    key_in_main alt+F4
    confirm_until 8 '! alive' || fail "the program did not end within 8 s after Alt+F4"
    wait_exit 1 || fail "the program did not end after Alt+F4"
    ((APP_RC == 0)) || fail "the program ended with status $APP_RC"
    exit 0
fi

out=$(cd "${1:-build-deb}" && pwd)
version=$(cd "$here/.." && dpkg-parsechangelog -S Version)
deb=$out/zaviko_${version}_$(dpkg --print-architecture).deb
[[ -f "$deb" ]] || { echo "no package: $deb (make deb builds it)"; exit 1; }

sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get install -y "$deb" > "$out/apt-install.log"
files=$(dpkg -L zaviko)
for f in /usr/games/zaviko /usr/lib/games/zaviko/Zaviko /usr/lib/games/zaviko/libzucards.so \
    /usr/lib/games/zaviko/Zaviko.hlp /usr/share/applications/org.zaviko.Zaviko.desktop \
    /usr/share/metainfo/org.zaviko.Zaviko.metainfo.xml /usr/share/man/man6/zaviko.6.gz \
    /usr/share/icons/hicolor/scalable/apps/org.zaviko.Zaviko.svg /usr/games/zaviko-server \
    /usr/share/man/man6/zaviko-server.6.gz /lib/systemd/system/zaviko-server.service; do
    [[ -e "$f" ]] || { echo "missing after install: $f"; exit 1; }
done
# The table server comes installed but off: enabled only by the administrator.
if command -v systemctl > /dev/null && [[ -d /run/systemd/system ]]; then
    [[ $(systemctl is-enabled zaviko-server 2> /dev/null || true) != enabled ]] \
        || { echo "zaviko-server is enabled on install"; exit 1; }
fi
# It starts without a display and names its port.
port=$(timeout 5 /usr/games/zaviko-server --port 0 --bind 127.0.0.1 2> /dev/null | head -1 || true)
[[ "$port" =~ ^[0-9]+$ ]] || { echo "the installed zaviko-server did not start"; exit 1; }
echo "  the installed table server starts (port $port)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
home=$work/home
runtime=$work/runtime
mkdir -p "$home" "$runtime" "$work/shots"
chmod 755 "$work"
chmod 700 "$runtime"
as_user=()
if [[ $(id -u) -eq 0 ]]; then
    # root could write the program's folder; a player cannot.
    chown 65534:65534 "$home" "$runtime" "$work/shots"
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups --)
fi
"${as_user[@]}" env HOME="$home" XDG_CONFIG_HOME= XDG_RUNTIME_DIR="$runtime" \
    xvfb-run -a bash "$here/deb-check.sh" --play "$work/shots"
[[ -s "$home/.config/Zaviko/Zaviko.ini" ]] || { echo "no settings in the per-user folder"; exit 1; }
echo "  settings kept in the per-user folder: $(ls "$home/.config/Zaviko")"
written=$(find /usr/lib/games/zaviko -newer "$out/apt-install.log")
[[ -z "$written" ]] || { echo "the program wrote into its installation: $written"; exit 1; }

$sudo apt-get remove --purge -y zaviko > "$out/apt-remove.log"
left=()
while IFS= read -r f; do
    [[ -e "$f" && ! -d "$f" ]] && left+=("$f")
done <<< "$files"
[[ -e /usr/lib/games/zaviko ]] && left+=(/usr/lib/games/zaviko)
((${#left[@]} == 0)) || { echo "left after removal: ${left[*]}"; exit 1; }
[[ -s "$home/.config/Zaviko/Zaviko.ini" ]] || { echo "removal took the per-user settings"; exit 1; }
echo "package check passed: installed, played, removed; per-user files kept"
