#!/usr/bin/env bash
# A whole hand of the real game played by keys alone under Debian's screen
# reader, as a blind player hears it. In an X server (Xvfb) with a D-Bus
# session it starts the accessibility bus (at-spi2-core) and says a screen
# reader runs, speech-dispatcher with espeak-ng speaking into ALSA's null
# device, Orca with its debug output in a file, and then the game built in
# <build-dir>. xdotool presses the keys: the arrows, space, Escape, the number
# keys and the keys that read the game; it also tries a capture the marked
# cards do not allow and a key off the human's turn.
#
# scripts/a11y_check.py then reads Orca's "SPEECH OUTPUT" lines, what the
# game sent to speech-dispatcher (its protocol log) and the game's own log, and
# fails unless every move of every seat, the turn changes, a mark, the refused
# capture and key and the end of the hand with each seat's points were heard,
# in the order they happened, once each.
#
# The transcript and the logs go to <build-dir>/a11y/.
#
#   scripts/a11y.sh [build-dir]      (default: build)
set -uo pipefail

here=$(dirname "$(readlink -f "$0")")
# shellcheck source=scripts/e2e_lib.sh
source "$here/e2e_lib.sh"
# shellcheck source=scripts/e2e_match.sh
source "$here/e2e_match.sh"

# The Debian packages of the screen reader's side.
A11Y_PACKAGES=(orca speech-dispatcher espeak-ng speech-dispatcher-espeak-ng python3-speechd)

fail()
{
    shot failure
    echo "a11y FAILED: $*" >&2
    echo "last screenshot: $LAST_SHOT" >&2
    [[ -n "$APP_PID" ]] && kill "$APP_PID" 2> /dev/null
    exit 1
}

# Waits up to $2 s for the file $1 to hold a line matching $3.
wait_file()
{
    local deadline=$(($(now_ms) + $2 * 1000))
    until grep -q -- "$3" "$1" 2> /dev/null; do
        (($(now_ms) < deadline)) || return 1
        sleep 0.1
    done
}

start_bus()
{
    /usr/libexec/at-spi-bus-launcher --launch-immediately 2> /dev/null &
    local _
    for _ in $(seq 100); do
        dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
            org.a11y.Bus.GetAddress > /dev/null 2>&1 && break
        sleep 0.1
    done
    # What a desktop says when its screen reader runs: toolkits switch their
    # accessibility on, and the game its speech.
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.freedesktop.DBus.Properties.Set string:org.a11y.Status \
        string:ScreenReaderEnabled variant:boolean:true > /dev/null \
        || fail "the accessibility bus did not answer"
}

# speech-dispatcher for this run only: its own socket under XDG_RUNTIME_DIR,
# espeak-ng into ALSA's null device, and every message its clients send
# written to the protocol log.
start_speech()
{
    local conf=$WORK/speechd
    cp -r /etc/speech-dispatcher "$conf"
    cat >> "$conf/speechd.conf" << EOF
Timeout 0
LogLevel 4
LogDir "$OUT"
CustomLogFile "protocol" "$OUT/speechd-protocol.log"
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
EOF
    # A client that loses this server must not start another one.
    mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher"
    echo DisableAutoSpawn > "$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
    speech-dispatcher --run-single --config-dir "$conf" --timeout 0 > "$OUT/speechd.out" 2>&1 &
    SPEECHD_PID=$!
    local deadline=$(($(now_ms) + 10000))
    until [[ -S $XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock ]]; do
        (($(now_ms) < deadline)) || fail "speech-dispatcher did not start"
        sleep 0.1
    done
}

start_orca()
{
    orca --user-prefs "$WORK/orca" --debug-file "$OUT/orca-debug.txt" > "$OUT/orca.out" 2>&1 &
    ORCA_PID=$!
    wait_file "$OUT/orca-debug.txt" 30 "SPEECH OUTPUT" || fail "Orca said nothing within 30 s"
}

# Keys at a person's pace: each goes through the screen reader's keyboard
# listener before it reaches the game.
keys_in_main()
{
    xdotool windowfocus "$MAIN" 2> /dev/null
    sleep 0.05
    xdotool key --delay 150 "$@"
}

# Presses keys in the main window and gives the speech a moment.
say_keys()
{
    keys_in_main "$@"
    sleep 0.4
}

# On the first turn of the human with a table card and a hand card of other
# values: marks the table card, tries to take it with the hand card (refused,
# the marks stay), then clears the marks with Escape.
refused_capture()
{
    ((TABLE_OK)) || return 1
    local i j
    for j in "${!TABLE[@]}"; do
        [[ -n "${TABLE[j]}" ]] || continue
        for i in "${!HAND[@]}"; do
            [[ -n "${HAND[i]}" && "${HAND[i]%?}" != "${TABLE[j]%?}" ]] || continue
            echo "  marks ${TABLE[j]}, tries ${HAND[i]}, then Escape"
            mark_by_keys "$j"
            sleep 0.4
            say_keys "$(hand_number "$i")"
            say_keys Escape
            REFUSED_DONE=1
            return 0
        done
    done
    return 1
}

# The keys that read the game, once each, on the human's turn.
read_keys()
{
    echo "  reads the game by keys"
    local k
    # The table, the hand, the last moves, the scores, the deck, the turn, and
    # the last words again.
    for k in s i r l o b k; do say_keys "$k"; done
    READ_DONE=1
    TURNS_HEARD=$(turns_heard)
}

# How often the game has said that the human is on turn.
turns_heard()
{
    grep -c -- "DATA:|Na potezu: $ME\."$'\r'"\?$" "$OUT/speechd-protocol.log" 2> /dev/null
}

# The human moves when the game has said it is his turn, as a listener does.
human_on_turn()
{
    [[ "$(hand_count)" -gt 0 ]] || return 1
    local heard
    heard=$(turns_heard)
    ((heard > TURNS_HEARD)) || return 1
    TURNS_HEARD=$heard
}

# Plays until the end-of-hand dialog; a key off the human's turn is pressed
# once, while a computer moves.
play_hand()
{
    local deadline=$(($(now_ms) + 150 * 1000)) d
    LOG_CHANGED=$(now_ms)
    REFUSED_DONE=0 READ_DONE=0 OFF_TURN_DONE=0 TURNS_HEARD=0
    while (($(now_ms) < deadline)); do
        alive || fail "the program ended during the hand"
        read_log
        d=$(dialogs | head -n 1)
        if [[ -n "$d" ]]; then
            [[ $(xdotool getwindowname "$d" 2> /dev/null) == "Pokupljene karte" ]] && return 0
            STRAY_BOXES=$((STRAY_BOXES + 1))
            shot "message-$STRAY_BOXES"
            press_enter "$d"
            continue
        fi
        (($(now_ms) - LOG_CHANGED > 20000)) && fail "nothing happened for 20 s"
        if human_on_turn; then
            ((READ_DONE)) || read_keys
            ((REFUSED_DONE)) || refused_capture
            human_move
        elif ((!OFF_TURN_DONE && MY_MOVES > 0)) && [[ -n "$ON_TURN" ]] && ((ON_TURN != 0)); then
            echo "  presses 1 while ${SEATS[ON_TURN]} is on turn"
            say_keys 1
            OFF_TURN_DONE=1
        else
            sleep 0.03
        fi
    done
    fail "the hand did not end within 150 s"
}

# Ends what this run started, also when it fails.
stop_services()
{
    # Orca first and for good: left running it would start a speech server
    # of its own once this run's is gone.
    if [[ -n "${ORCA_PID:-}" ]]; then
        kill "$ORCA_PID" 2> /dev/null
        local _
        for _ in $(seq 20); do
            kill -0 "$ORCA_PID" 2> /dev/null || break
            sleep 0.1
        done
        kill -9 "$ORCA_PID" 2> /dev/null
        wait "$ORCA_PID" 2> /dev/null
    fi
    [[ -n "${SPEECHD_PID:-}" ]] && kill "$SPEECHD_PID" 2> /dev/null
    [[ -n "${BOT_PID:-}" ]] && kill "$BOT_PID" 2> /dev/null
    [[ -n "${SERVER_PID:-}" ]] && kill "$SERVER_PID" 2> /dev/null
    ORCA_PID="" SPEECHD_PID="" BOT_PID="" SERVER_PID=""
}

# A table opened on a server of this run by zaviko-bot, which takes the other
# seat of a two-player match and starts it once the game has joined by the
# invitation link given on its command line, as the desktop starts it. The
# game's log is followed from the network match's first line.
join_bot_table()
{
    local dir=$1 port=7465 link d from
    "$BUILD/bin/zaviko-server" --port "$port" --bind 127.0.0.1 > "$OUT/server.out" 2>&1 &
    SERVER_PID=$!
    local _
    for _ in $(seq 100); do
        ss -ltnH "sport = :$port" | grep -q . && break
        sleep 0.1
    done
    # The bot thinks as a person does, so a key comes while it is on turn.
    "$BUILD/bin/zaviko-bot" --open "ws://127.0.0.1:$port/" --mode 2 --name Bot --strength 0 --think 1500 \
        > "$OUT/bot.out" 2>&1 &
    BOT_PID=$!
    for _ in $(seq 100); do
        link=$(grep -m 1 -o 'zaviko://[^ ]*' "$OUT/bot.out" 2> /dev/null) && break
        sleep 0.1
    done
    [[ -n "$link" ]] || fail "zaviko-bot opened no table"
    echo "  the bot's table: $link"
    SEATS=(Igrac Bot)
    (cd "$dir" && exec env ZAVIKO_LANGUAGE=sr_Latn QT_QPA_PLATFORM=xcb ./Zaviko "$link") &
    APP_PID=$!
    MAIN=""
    local deadline=$(($(now_ms) + 10000)) w
    while [[ -z "$MAIN" ]]; do
        (($(now_ms) < deadline)) || fail "no main window within 10 s"
        sleep 0.05
        for w in $(xdotool search --onlyvisible --pid "$APP_PID" 2> /dev/null); do
            [[ $(xdotool getwindowgeometry "$w") == *"Geometry: ${CLIENT_W}x"* ]] && MAIN=$w
        done
    done
    from=$(wc -l < "$LOG")
    # The join dialog's default button is "Pridruzi se"; the local match's
    # start question, when it comes first, is answered too.
    deadline=$(($(now_ms) + 20000))
    until grep -q "^\*\*\*\*\*\* Nova igra" <(tail -n +$((from + 1)) "$LOG"); do
        (($(now_ms) < deadline)) || fail "the network match did not begin within 20 s"
        d=$(dialogs | head -n 1)
        [[ -n "$d" ]] && press_enter "$d"
        sleep 0.3
    done
    # Only the network match's lines count.
    LOG_DONE=$(($(grep -n "^\*\*\*\*\*\* Nova igra" "$LOG" | tail -n 1 | cut -d: -f1) - 1))
    NET_FROM=$LOG_DONE
    NET_MATCH=1
}

inside()
{
    trap stop_services EXIT
    BUILD=$1 WORK=$2 OUT=$3 STAGE=${4:-local}
    read_layout "$BUILD"
    export XDG_RUNTIME_DIR=$WORK/runtime HOME=$WORK/home
    export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share
    mkdir -p "$XDG_RUNTIME_DIR" "$HOME"
    chmod 700 "$XDG_RUNTIME_DIR"
    start_bus
    start_speech
    start_orca
    echo "Accessibility bus, speech-dispatcher with espeak-ng and Orca are up"

    local dir=$WORK/game
    forget_match
    KEYS_ONLY=1
    prepare_folder "$BUILD" "$dir"
    # A second between the computers' moves, as a listener needs.
    write_settings "$dir" 1 0
    LOG=$dir/Zaviko.log
    NET_FROM=0
    if [[ $STAGE == network ]]; then
        echo "A network table: every move heard as in a match against the computer"
        join_bot_table "$dir"
    else
        start_program "$dir" ZAVIKO_LANGUAGE=sr_Latn QT_QPA_PLATFORM=xcb
        accept_start start-prompt
    fi
    echo "Plays a hand by keys"
    play_hand
    sleep 1
    shot hand-end
    echo "  $MY_MOVES moves by the human ($MY_CAPTURES captures); the hand's end"
    # The end-of-hand dialog, by keys: it closes with Escape.
    # A listener waits until the dialog has been read.
    wait_file "$OUT/orca-debug.txt" 15 "SPEECH OUTPUT: 'Pokupljene karte" \
        || fail "Orca did not read the end-of-hand dialog within 15 s"
    local d
    d=$(dialogs | head -n 1)
    xdotool windowfocus "$d" 2> /dev/null
    sleep 0.5
    xdotool key Escape
    sleep 1
    close_and_check
    stop_services
    sleep 0.5
    tail -n +$((NET_FROM + 1)) "$LOG" > "$OUT/Zaviko.log"
    /usr/bin/python3 "$here/a11y_check.py" --game-log "$OUT/Zaviko.log" \
        --speechd "$OUT/speechd-protocol.log" --orca "$OUT/orca-debug.txt" \
        --transcript "$OUT/transcript.txt" || fail "what was heard is not the hand that was played"
    echo "a11y passed; transcript in $OUT/transcript.txt"
}

if [[ "${1:-}" == "--inside" ]]; then
    shift
    inside "$@"
    exit 0
fi

bash "$here/install-deps.sh" "${A11Y_PACKAGES[@]}" || exit 1
build=$(cd "${1:-build}" && pwd) || exit 1
[[ -x $build/bin/Zaviko ]] || { echo "no $build/bin/Zaviko: build first" >&2; exit 1; }
# A hand against the computers, then a hand at a network table, each with
# its own screen reader, speech server and transcript.
for stage in local network; do
    out=$build/a11y
    [[ $stage == network ]] && out=$build/a11y/network
    rm -rf "$out"
    mkdir -p "$out"
    work=$(mktemp -d)
    # One bound over everything, so a hang fails the run instead of stalling it.
    timeout -k 5 240 xvfb-run -a -s "-screen 0 1280x1024x24" \
        dbus-run-session -- bash "$0" --inside "$build" "$work" "$out" "$stage"
    rc=$?
    rm -rf "$work"
    ((rc == 124)) && echo "a11y FAILED: the $stage run took over 240 s; see $out" >&2
    ((rc == 0)) || exit $rc
done
