#!/usr/bin/env bash
# Measures the real program under Xvfb and prints the figures (it asserts
# nothing about them):
#  - start-up: from launching the program to its window on the screen (mapped)
#    and to the end of the window's first painted frame, with the match dealt,
#    against a bare window of the same size launched in turn with it (the
#    floor Qt and the X server cost), and when each start-up step ended;
#  - resident memory after a whole match played with zero pauses;
#  - the longest GUI-thread frame during that match;
#  - the same for a match against three "Majstor" seats (CompPlays 3, four
#    players each for himself), whose searches run off the GUI thread, with
#    the count of frames over 50 ms;
#  - a match by keys with the cards flying at normal speed in a window of the
#    whole 1920 x 1080 screen: flight frames per second, the longest gap
#    between flight frames and paint while cards flew (and the processor
#    time of those paints), the longest frame and
#    the resident memory at that size.
# The frame figures come from the program's opt-in probe (ZAVIKO_FRAME_LOG).
#
#   scripts/perf.sh [build-dir] [start-up runs] [other build-dir]   (default: build 12)
#
# With another build folder (one holding bin/Zaviko and bin/libzucards.so, a
# copy of an earlier build's, say), that program is measured in the same runs,
# launched in turn with this one and the bare window, so a change is measured
# against what it changed under the same load.
#
# PERF_STARTUP_ONLY=1 measures the start-up alone and skips the matches;
# PERF_FLIGHTS_ONLY=1 plays only the match with the cards flying;
# PERF_LOOK=modern measures the game drawn in "Savremeni" ("Izgled stola").
set -uo pipefail

here=$(dirname "$(readlink -f "$0")")
# shellcheck source=scripts/e2e_lib.sh
source "$here/e2e_lib.sh"
# shellcheck source=scripts/e2e_match.sh
source "$here/e2e_match.sh"

frame_value() { awk -v key="$1" '$1 == key { print $2 }' "$2"; }

# The settings line of the look measured: none for "Klasicni", the default.
LOOK_LINE=""
[[ "${PERF_LOOK:-}" == modern ]] && LOOK_LINE="Look=1"

# One start: the program is launched straight from this shell, so the clock
# starts as close to its exec as a script can.
startup_run()
{
    local dir=$1 steps=$2 frames=$WORK/start-frames t0 mapped="" w
    rm -f "$frames" "$dir/Zaviko.log"
    t0=$(date +%s%3N)
    ZAVIKO_FRAME_LOG=$frames "$dir/Zaviko" &
    APP_PID=$!
    while [[ -z "$mapped" ]]; do
        alive || fail "the program ended at start"
        (($(now_ms) - t0 < 10000)) || fail "no window within 10 s"
        for w in $(xdotool search --onlyvisible --pid "$APP_PID" 2> /dev/null); do
            [[ $(xdotool getwindowgeometry "$w") == *"Geometry: ${CLIENT_W}x"* ]] \
                && { MAIN=$w; mapped=$(now_ms); }
        done
    done
    local d
    d=$(wait_dialog 5) || fail "no start prompt"
    xdotool windowfocus "$d" 2> /dev/null
    xdotool key Escape
    sleep 0.2
    close_and_check > /dev/null
    local painted
    painted=$(frame_value first_frame_done_epoch_ms "$frames")
    # Each start-up step's end, in ms from the launch, in the order noted.
    awk -v t0="$t0" '$1 ~ /^step_.*_epoch_ms$/ { sub(/^step_/, "", $1); sub(/_epoch_ms$/, "", $1);
        print $1, $2 - t0 }' "$frames" >> "$steps"
    echo "first_paint $((painted - t0))" >> "$steps"
    echo "$((mapped - t0)) $((painted - t0)) $(frame_value first_frame_cpu_ms "$frames")"
}

# The floor: a bare window of the same size with a menu bar and a status bar,
# launched the same way; prints the ms to its window on the screen.
bare_run()
{
    local t0 mapped="" w pid
    t0=$(date +%s%3N)
    "$BUILD/bin/zaviko_bare_window" &
    pid=$!
    while [[ -z "$mapped" ]]; do
        kill -0 "$pid" 2> /dev/null || fail "the bare window ended at start"
        (($(now_ms) - t0 < 10000)) || fail "no bare window within 10 s"
        for w in $(xdotool search --onlyvisible --pid "$pid" 2> /dev/null); do
            [[ $(xdotool getwindowgeometry "$w") == *"Geometry: ${CLIENT_W}x"* ]] && mapped=$(now_ms)
        done
    done
    kill "$pid"
    wait "$pid" 2> /dev/null
    echo "$((mapped - t0))"
}

# The median time of each start-up step's end, and what the step took, from
# the steps file $1.
report_steps()
{
    echo "  start-up steps (median ms from launch at the step's end / the step's own share):"
    awk '{ if (!($1 in seen)) { seen[$1] = 1; order[++n] = $1 } v[$1, ++c[$1]] = $2 }
        END {
            prev = 0
            for (i = 1; i <= n; i++) {
                k = order[i]; m = c[k]
                for (a = 1; a <= m; a++) s[a] = v[k, a]
                for (a = 1; a <= m; a++) for (b = a + 1; b <= m; b++)
                    if (s[b] < s[a]) { t = s[a]; s[a] = s[b]; s[b] = t }
                med = s[int((m + 1) / 2)]
                printf "    %-28s %5d / %4d\n", k, med, med - prev
                prev = med
            }
        }' "$1"
}

# One program's start-up figures from its runs: its name, then the mapped,
# painted and processor times as "m p c" lines in file $2, the bare window's
# median in $3 and its steps file in $4.
report_startup()
{
    local name=$1 game floor=$3
    local mapped painted cpu
    mapped=$(awk '{ print $1 }' "$2")
    painted=$(awk '{ print $2 }' "$2")
    cpu=$(awk '{ print $3 }' "$2")
    # shellcheck disable=SC2086 # one figure a word
    game=$(median $mapped)
    echo "  ${name}median: mapped $game ms, first frame painted" \
        "$(median $painted) ms (target < 150 ms), processor time $(median $cpu) ms"
    awk -v n="$name" -v g="$game" -v f="$floor" \
        'BEGIN { printf "%sratio startup_vs_bare_window %.2f\n", n, g / f }'
    report_steps "$4"
}

measure_startup()
{
    local runs=$1 i line other b bare=() floor
    rm -f "$WORK/steps" "$WORK/runs" "$WORK/other-steps" "$WORK/other-runs"
    prepare_folder "$BUILD" "$WORK/start"
    EXTRA_SETTINGS=$LOOK_LINE write_settings "$WORK/start" 0 0
    if [[ -n "$OTHER" ]]; then
        prepare_folder "$OTHER" "$WORK/other"
        EXTRA_SETTINGS=$LOOK_LINE write_settings "$WORK/other" 0 0
    fi
    echo "Start-up, $runs runs each of the game and of a bare window, in turn (ms from launch):" \
        "window mapped / first frame painted / processor time used by then; bare window mapped"
    [[ -n "$OTHER" ]] && echo "  (\"other\": $OTHER/bin/Zaviko, launched in turn with them)"
    for ((i = 1; i <= runs; i++)); do
        LOG=$WORK/start/Zaviko.log
        line=$(startup_run "$WORK/start" "$WORK/steps") && [[ -n "$line" ]] \
            || fail "start-up run $i failed"
        echo "$line" >> "$WORK/runs"
        other=""
        if [[ -n "$OTHER" ]]; then
            LOG=$WORK/other/Zaviko.log
            other=$(startup_run "$WORK/other" "$WORK/other-steps") && [[ -n "$other" ]] \
                || fail "start-up run $i of the other program failed"
            echo "$other" >> "$WORK/other-runs"
            other="; other ${other// / \/ }"
        fi
        b=$(bare_run) && [[ -n "$b" ]] || fail "bare window run $i failed"
        bare+=("$b")
        echo "  run $i: ${line// / \/ }${other}; bare $b"
    done
    floor=$(median "${bare[@]}")
    echo "  median bare window mapped: $floor ms"
    report_startup "" "$WORK/runs" "$floor" "$WORK/steps"
    [[ -n "$OTHER" ]] && report_startup "other " "$WORK/other-runs" "$floor" "$WORK/other-steps"
    return 0
}

# The running game's resident memory and its peak, as "N MB (peak M MB;".
app_memory()
{
    local rss hwm
    rss=$(awk '/^VmRSS/ { print $2 }' "/proc/$APP_PID/status")
    hwm=$(awk '/^VmHWM/ { print $2 }' "/proc/$APP_PID/status")
    echo "$((rss / 1024)) MB (peak $((hwm / 1024)) MB;"
}

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# A match of the program in build folder $1, named $2 in the figures.
measure_match()
{
    local BUILD=$1 frames=$WORK/match-frames
    rm -rf "$WORK/match"
    echo "A whole match with zero pauses${2:+ ($2)}"
    COMP_PLAYS=0 run_match "$WORK/match" ZAVIKO_FRAME_LOG="$frames"
    echo "  $HAND_ENDS hands, $MY_MOVES moves by the human"
    echo "  resident memory after the match: $(app_memory) target < 45 MB)"
    close_and_check > /dev/null
    echo "  longest GUI-thread frame during the match: $(frame_value longest_frame_ms "$frames") ms" \
        "(target < 50 ms); the most processor time the GUI thread used in one frame:" \
        "$(frame_value longest_frame_cpu_ms "$frames") ms; $(frame_value frames "$frames") frames"
}

# A match against three searching computers: their moves are searched on the
# worker, so the GUI thread's frames stay as short as with the quick ones.
measure_master_match()
{
    local frames=$WORK/master-frames started
    echo "A whole match against three \"Majstor\" seats (CompPlays 3, four players), zero pauses"
    started=$(now_ms)
    COMP_PLAYS=3 run_match "$WORK/master" ZAVIKO_FRAME_LOG="$frames"
    echo "  $HAND_ENDS hands, $MY_MOVES moves by the human, $((($(now_ms) - started) / 1000)) s"
    close_and_check > /dev/null
    echo "  longest GUI-thread frame during the match: $(frame_value longest_frame_ms "$frames") ms" \
        "(target < 50 ms); frames over 50 ms: $(frame_value frames_over_50ms "$frames") of" \
        "$(frame_value frames "$frames"); the most processor time the GUI thread used in one" \
        "frame: $(frame_value longest_frame_cpu_ms "$frames") ms"
}

# A match by keys with the cards flying at normal speed in a window of the
# whole 1920 x 1080 screen: the flight frames (how often a flight frame was
# shown while cards flew, the longest time between two of them and the
# longest paint of the table then), the GUI thread's longest frame and the
# resident memory at that size.
measure_flights_match()
{
    local frames=$WORK/flight-frames started
    echo "A whole match by keys, cards flying (Animacija normal), window 1920 x 1080"
    started=$(now_ms)
    KEYS_ONLY=1 WINDOW_W=1920 QUIET_MS=400 DEAL_QUIET_MS=1800 MATCH_S=420
    EXTRA_SETTINGS=$'Animation=2\nWindowSize=1920x1080 maximized'${LOOK_LINE:+$'\n'$LOOK_LINE}
    COMP_PLAYS=0 run_match "$WORK/flights" ZAVIKO_FRAME_LOG="$frames"
    echo "  $HAND_ENDS hands, $MY_MOVES moves by the human, $((($(now_ms) - started) / 1000)) s"
    echo "  resident memory at 1920 x 1080 after the match: $(app_memory) target < 60 MB)"
    close_and_check > /dev/null
    echo "  flights: $(frame_value flight_frames "$frames") frames in" \
        "$(frame_value flight_seconds "$frames") s in the air," \
        "$(frame_value flight_fps "$frames") frames per second; longest time between two" \
        "flight frames $(frame_value longest_flight_frame_gap_ms "$frames") ms (gaps over 16.7 ms:" \
        "$(frame_value flight_gaps_over_17ms "$frames"), over 25 ms:" \
        "$(frame_value flight_gaps_over_25ms "$frames"); of those over 16.7 ms, held back by" \
        "the GUI thread's own work: $(frame_value flight_gaps_over_17ms_busy "$frames"); the" \
        "gaps' median $(frame_value flight_gap_p50_ms "$frames") ms, 99th percentile" \
        "$(frame_value flight_gap_p99_ms "$frames") ms, target: 99% under 16.7 ms and none over" \
        "33 ms); longest paint" \
        "of the table while cards flew $(frame_value longest_flight_paint_ms "$frames") ms" \
        "(of $(frame_value longest_flight_paint_area "$frames") pixels," \
        "$(frame_value longest_flight_paint_after_ms "$frames") ms after the first frame)" \
        "(target: every flight frame < 16 ms; paints over 16 ms:" \
        "$(frame_value flight_paints_over_16ms "$frames") of $(frame_value flight_paints "$frames"));" \
        "processor time of those paints: longest" \
        "$(frame_value longest_flight_paint_cpu_ms "$frames") ms, mean" \
        "$(frame_value mean_flight_paint_cpu_ms "$frames") ms (wall time: mean" \
        "$(frame_value mean_flight_paint_ms "$frames") ms)"
    echo "  longest GUI-thread frame during the match: $(frame_value longest_frame_ms "$frames") ms" \
        "(target < 50 ms); frames over 50 ms: $(frame_value frames_over_50ms "$frames") of" \
        "$(frame_value frames "$frames")"
    echo "  what held the GUI thread longest while cards flew (longest ms, total ms, count," \
        "receiver<its parent:event):"
    awk '$1 == "flight_event" { printf "    %7s %9s %7s  %s\n", $2, $3, $4, $5 }' "$frames"
    KEYS_ONLY=0 WINDOW_W="" QUIET_MS="" DEAL_QUIET_MS="" MATCH_S="" EXTRA_SETTINGS=""
}

if [[ "${1:-}" == "--inside" ]]; then
    BUILD=$2 WORK=$3 OUT=$4 OTHER=${6:-}
    # A grab of the whole screen holds the X server, and the game's next
    # frame waits for it: the measured matches take no screenshots.
    NO_SHOTS=1
    read_layout "$BUILD"
    export XDG_RUNTIME_DIR=$WORK/runtime
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    echo "Load average: $(cut -d ' ' -f 1-3 /proc/loadavg) on $(nproc) processors"
    if [[ -n "${PERF_FLIGHTS_ONLY:-}" ]]; then
        measure_flights_match
        exit 0
    fi
    measure_startup "$5"
    [[ -n "${PERF_STARTUP_ONLY:-}" ]] && exit 0
    measure_match "$BUILD"
    # In a shell of its own, where the match follower starts afresh.
    [[ -z "$OTHER" ]] || (source "$here/e2e_match.sh" && measure_match "$OTHER" other) || exit 1
    measure_master_match
    measure_flights_match
    exit 0
fi

build=$(cd "${1:-build}" && pwd) || exit 1
other=""
if [[ -n "${3:-}" ]]; then
    other=$(cd "$3" && pwd) || exit 1
    [[ -x "$other/bin/Zaviko" && -e "$other/bin/libzucards.so" ]] \
        || { echo "$3 holds no bin/Zaviko and bin/libzucards.so" >&2; exit 1; }
fi
out=$build/perf
rm -rf "$out"
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# -noreset: between two launches the server may have no client at all, and a
# server that resets then refuses whoever connects during its reset.
timeout -k 5 900 xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" \
    bash "$0" --inside "$build" "$work" "$out" "${2:-12}" "$other"
