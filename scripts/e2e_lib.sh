# shellcheck shell=bash
# Helpers for driving the real program in an X server with xdotool, sourced by
# scripts/e2e.sh and scripts/perf.sh. They run inside xvfb-run (no window
# manager: the main window sits at 0,0 without a frame).
#
# The caller sets OUT (screenshot folder) and calls read_layout before use.
# Coordinates follow the window's fixed layout, which the program reports:
# the client area under the menu bar, the human's hand and its tight step
# (HumanCardsTight=1), the two table rows of six slots centred on the window.

# Sets CLIENT_W, CLIENT_H, CARD_W, CARD_H, HAND_TOP, HAND_STEP, TALON_W,
# SLOT_STEP and ROW_STEP from `Zaviko --print-layout` of build folder $1.
read_layout()
{
    local report name
    report=$(QT_QPA_PLATFORM=offscreen "$1/bin/Zaviko" --print-layout 2> /dev/null) \
        || fail "Zaviko --print-layout failed"
    for name in CLIENT_W CLIENT_H CARD_W CARD_H HAND_TOP HAND_STEP TALON_W SLOT_STEP ROW_STEP; do
        [[ "$report" =~ (^|$'\n')$name=[0-9]+($'\n'|$) ]] || fail "the layout report has no $name"
    done
    eval "$report"
}

GREEN='#008000'

SHOT_NO=0
LAST_SHOT=""
APP_PID=""
MAIN=""
MENU_H=0

# Screenshot of the whole screen into $OUT, numbered in the order taken.
# NO_SHOTS=1 takes none: a measured run's figures must not include the X
# server copying the whole screen for a grabber no player runs.
shot()
{
    [[ -n "${NO_SHOTS:-}" ]] && { LAST_SHOT="(no screenshots in this run)"; return 0; }
    SHOT_NO=$((SHOT_NO + 1))
    LAST_SHOT=$(printf '%s/%02d-%s.png' "$OUT" "$SHOT_NO" "$1")
    import -window root "$LAST_SHOT" 2> /dev/null || LAST_SHOT="(screenshot failed: $1)"
}

fail()
{
    shot failure
    echo "e2e FAILED: $*" >&2
    echo "last screenshot: $LAST_SHOT" >&2
    # What was on the screen, since the screenshot stays on the machine that ran.
    local w
    for w in $(xdotool search --onlyvisible --name '.' 2> /dev/null); do
        echo "  window $w of pid $(xdotool getwindowpid "$w" 2> /dev/null):" \
            "\"$(xdotool getwindowname "$w" 2> /dev/null)\"" \
            "$(xdotool getwindowgeometry "$w" 2> /dev/null | sed -n 's/.*Geometry: //p')" >&2
    done
    # The game logs of every window, kept beside the screenshots, and their
    # last lines (of those written to lately) in the output, where a run on
    # another machine shows them.
    local log name
    for log in "${WORK:-/nonexistent}"/*/Zaviko.log; do
        [[ -f "$log" ]] || continue
        name=$(basename "$(dirname "$log")")
        cp "$log" "$OUT/$name.log"
        (($(date +%s) - $(stat -c %Y "$log") < 120)) \
            && tail -n 12 "$log" | tr -d '\r' | sed "s/^/  $name: /" >&2
    done
    # Again last, where a run's shortened output still shows it.
    echo "e2e FAILED: $*" >&2
    [[ -n "${E2E_HOLD:-}" ]] && sleep "$E2E_HOLD"
    [[ -n "$APP_PID" ]] && kill "$APP_PID" 2> /dev/null
    exit 1
}

now_ms() { date +%s%3N; }

alive() { kill -0 "$APP_PID" 2> /dev/null; }

# Starts the program in folder $1 (extra environment in the rest) and waits
# for its main window: the visible window of the client area's width, or of
# WINDOW_W when set (a window the settings make larger).
start_program()
{
    local dir=$1
    shift
    (cd "$dir" && exec env "$@" ./Zaviko) &
    APP_PID=$!
    MAIN=""
    local deadline=$(($(now_ms) + 10000))
    while [[ -z "$MAIN" ]]; do
        alive || fail "the program ended before showing its window"
        (($(now_ms) < deadline)) || fail "no main window within 10 s"
        sleep 0.05
        local w
        for w in $(xdotool search --onlyvisible --pid "$APP_PID" 2> /dev/null); do
            [[ $(xdotool getwindowgeometry "$w") == *"Geometry: ${WINDOW_W:-$CLIENT_W}x"* ]] && MAIN=$w
        done
    done
    # A window of another size is played by keys alone: no coordinates.
    [[ -n "${WINDOW_W:-}" ]] && return 0
    local height
    height=$(xdotool getwindowgeometry "$MAIN" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')
    MENU_H=$((height - CLIENT_H))
    ((MENU_H > 0 && MENU_H < 60)) || fail "unexpected window height $height"
}

# The program's visible windows other than the main one: message boxes and
# dialogs (Qt's 1 px helper windows are not visible).
dialogs()
{
    local w
    for w in $(xdotool search --onlyvisible --pid "$APP_PID" 2> /dev/null); do
        [[ "$w" != "$MAIN" ]] && echo "$w"
    done
}

# Answers a message box or dialog with its default button.
press_enter()
{
    input_lock
    keys_to "$1" Return
    input_unlock
}

# Keys (xdotool key's arguments, from $2 on) to window $1, where the X focus
# delivers them. The focus is checked last thing before the keys: with no
# window manager, a window the other program of the network table shows
# takes the focus for itself, and a key meant here would answer it.
keys_to()
{
    local w=$1 _
    shift
    xdotool windowfocus "$w" 2> /dev/null
    sleep 0.05
    for _ in 1 2 3 4 5; do
        [[ "$(xdotool getwindowfocus 2> /dev/null)" == "$w" ]] && break
        xdotool windowfocus "$w" 2> /dev/null
        sleep 0.02
    done
    xdotool key "$@"
}

# Two players driven at once in one X server (the network table) take turns
# at the keyboard focus and the pointer: a focus and its keys are one step.
# Without INPUT_LOCK (one window) these do nothing.
input_lock() { [[ -z "${INPUT_LOCK:-}" ]] || flock 9; }
input_unlock() { [[ -z "${INPUT_LOCK:-}" ]] || flock -u 9; }

# Waits up to $2 seconds for a dialog; prints its id.
wait_dialog()
{
    local deadline=$(($(now_ms) + $1 * 1000)) d
    while (($(now_ms) < deadline)); do
        d=$(dialogs | head -n 1)
        [[ -n "$d" ]] && { echo "$d"; return 0; }
        alive || return 1
        sleep 0.05
    done
    return 1
}

click_at() # x y [button], window coordinates
{
    ((${KEYS_ONLY:-0} == 0)) || fail "a mouse click in a match played by keys"
    input_lock
    xdotool mousemove --window "$MAIN" "$1" "$2" click "${3:-1}"
    input_unlock
}

key_in_main()
{
    input_lock
    keys_to "$MAIN" "$1"
    input_unlock
}

# First x in [$2, $3) on window row $1 whose pixel is not the table's green;
# prints -1 when the whole stretch is green.
first_card_x()
{
    import -window "$MAIN" -depth 8 -crop "$(($3 - $2))x1+$2+$1" +repage txt:- 2> /dev/null \
        | awk -v from="$2" -v green="$GREEN" -F'[,: ]+' \
            'NR > 1 && $0 !~ green { print from + $1; found = 1; exit }
             END { if (!found) print -1 }'
}

# First y in [$2, $3) on window column $1 that is not green, or -1.
first_card_y()
{
    import -window "$MAIN" -depth 8 -crop "1x$(($3 - $2))+$1+$2" +repage txt:- 2> /dev/null \
        | awk -v from="$2" -v green="$GREEN" -F'[,: ]+' \
            'NR > 1 && $0 !~ green { print from + $2; found = 1; exit }
             END { if (!found) print -1 }'
}

# Whether window point $1,$2 shows the table's cloth: the green of the
# classic table or of the felt, lit or in a card's shadow, where no card is.
cloth_at()
{
    local r g b
    read -r r g b < <(import -window "$MAIN" -depth 8 -crop "1x1+$1+$2" +repage txt:- 2> /dev/null \
        | sed -n '2s/^[^(]*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p')
    [[ -n "$b" ]] && ((g > r + 20 && g > b + 20))
}

# Waits until the program has ended, up to $1 seconds; sets APP_RC.
wait_exit()
{
    local deadline=$(($(now_ms) + $1 * 1000))
    while alive; do
        (($(now_ms) < deadline)) || return 1
        sleep 0.05
    done
    wait "$APP_PID" && APP_RC=0 || APP_RC=$?
    return 0
}

# Waits up to $2 s for the log to hold more than $3 (default 0) lines matching $1.
wait_log()
{
    local deadline=$(($(now_ms) + $2 * 1000))
    until (($(grep -c -- "$1" "$LOG" 2> /dev/null) > ${3:-0})); do
        (($(now_ms) < deadline)) || return 1
        sleep 0.05
    done
}

# Up to $1 seconds until the command $2 succeeds, answering with its default
# button ("Da") every question that comes up meanwhile.
confirm_until()
{
    local deadline=$(($(now_ms) + $1 * 1000)) d
    while (($(now_ms) < deadline)); do
        eval "$2" && return 0
        d=$(dialogs | head -n 1)
        [[ -n "$d" ]] && press_enter "$d"
        sleep 0.05
    done
    return 1
}

# Closes the window with its shortcut, as a player would, and checks that
# the program ends soon, cleanly, with the log's session closed. A match
# under way asks first; the answer is "Da", which saves it.
close_and_check()
{
    local started
    started=$(now_ms)
    key_in_main alt+F4
    confirm_until 8 '! alive' || fail "the program did not end within 8 s after Alt+F4"
    wait_exit 1 || fail "the program did not end after Alt+F4"
    echo "  ended $(($(now_ms) - started)) ms after Alt+F4, status $APP_RC"
    ((APP_RC == 0)) || fail "the program ended with status $APP_RC"
    tail -n 3 "$LOG" | grep -q "Log fajl zatvoren" || fail "the log does not say the session closed"
    APP_PID=""
}

# Answers the start prompt; a computer first is let begin.
accept_start()
{
    local d
    d=$(wait_dialog 5) || fail "no start prompt"
    shot "$1"
    press_enter "$d"
}

# A settings file for the run: zero or given pauses, the log on, fixed names,
# four players each for himself, clockwise, one deck, the tight hand; the
# computers' strength is $4 (CompPlays, 0 when not given). EXTRA_SETTINGS,
# when set, adds its lines to "GameOptions". Without a WindowSize of its own
# the window opens at its smallest, as a kept size too small for it does (a
# first start would take 80% of the screen), so the coordinates of the
# layout report hold.
write_settings()
{
    local size="WindowSize=1x1"
    [[ "${EXTRA_SETTINGS:-}" == *WindowSize=* ]] && size=""
    cat > "$1/Zaviko.ini" << EOF
[PlayerNames]
S=Igrac
W=Zapad
N=Sever
E=Istok

[GameOptions]
NumberOfPlayers=0
NumberOfDecks=0
CompPlays=${4:-0}
CompPlayDelay=$2
CompWaitForPlay=$3
Clockwise=1
CompCardsTight=0
HumanCardsTight=1
CanViewMyCollectedCards=1
CanViewOtherCollectedCards=1
Log=1
${size}
${EXTRA_SETTINGS:-}
EOF
}

# A folder with the program, its card library and help page beside it.
prepare_folder()
{
    local build=$1 dir=$2
    mkdir -p "$dir"
    cp "$build/bin/Zaviko" "$build/bin/libzucards.so" "$dir/"
    [[ -e "$build/bin/Zaviko.hlp" ]] && cp "$build/bin/Zaviko.hlp" "$dir/"
    return 0
}
