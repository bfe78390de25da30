#!/usr/bin/env bash
# Runs a program on a live accessibility bus, as a screen reader's desktop
# has it: an X server (Xvfb), a D-Bus session, and the AT-SPI bus and
# registry of Debian's at-spi2-core. Qt's bridge is switched on as when a
# screen reader runs.
#
#   scripts/with-a11y-bus.sh program [arguments...]
set -euo pipefail

launcher=/usr/libexec/at-spi-bus-launcher
for need in xvfb-run dbus-run-session dbus-send; do
    command -v "$need" > /dev/null || { echo "$need is missing (scripts/install-deps.sh)" >&2; exit 1; }
done
[[ -x $launcher ]] || { echo "at-spi2-core is missing (scripts/install-deps.sh)" >&2; exit 1; }

inner='
    '"$launcher"' --launch-immediately 2> /dev/null &
    bus=$!
    trap "kill $bus 2> /dev/null" EXIT
    # The bus answers once it is up; a slow machine takes a moment.
    for _ in $(seq 100); do
        dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
            org.a11y.Bus.GetAddress > /dev/null 2>&1 && break
        sleep 0.1
    done
    QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
'
# dbus-daemon says once that it cannot raise its file limit; that is harmless.
exec xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- bash -c "$inner" bash "$@" \
    2> >(grep -v "Failed to set fd limit" >&2)
