# shellcheck shell=bash
# A network table in two real windows, sourced by scripts/e2e.sh: the host
# opens a two-player table from the menu by keys, the guest's program is
# started with the invitation link (as the desktop starts it for a zaviko://
# link) and joins with Enter, the host starts with Enter, both windows show
# the match, then the host closes its window mid-hand and the guest is told.

# Waits for the visible main window of process $1; prints its id.
main_window_of()
{
    local deadline=$(($(now_ms) + 10000)) w
    while (($(now_ms) < deadline)); do
        for w in $(xdotool search --onlyvisible --pid "$1" 2> /dev/null); do
            [[ $(xdotool getwindowgeometry "$w") == *"Geometry: ${CLIENT_W}x"* ]] && {
                echo "$w"
                return 0
            }
        done
        sleep 0.05
    done
    return 1
}

# Waits for the visible window of process $1 titled $2; prints its id.
window_named()
{
    local deadline=$(($(now_ms) + 10000)) w
    while (($(now_ms) < deadline)); do
        w=$(xdotool search --all --onlyvisible --pid "$1" --name "^$2\$" 2> /dev/null | head -n 1)
        [[ -n "$w" ]] && { echo "$w"; return 0; }
        sleep 0.05
    done
    return 1
}

# Clicks window $1 at $2, $3 pixels from its right and bottom edges (a
# dialog's buttons sit at its bottom right).
click_button()
{
    local geometry w h
    geometry=$(xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: \([0-9]*x[0-9]*\).*/\1/p')
    w=${geometry%x*} h=${geometry#*x}
    xdotool mousemove --window "$1" $((w - $2)) $((h - $3)) click 1
}

# Answers with "Da" a question other than window $2 that process $1 shows
# (the local match's start prompt, when a computer would open it).
answer_others()
{
    local w
    sleep 0.3
    for w in $(APP_PID=$1 dialogs); do
        [[ "$w" != "$2" ]] && press_enter "$w"
    done
    return 0
}

network_table()
{
    echo "Network table: opened, joined by the link, started, closed by the host"
    local host=$WORK/net-host guest=$WORK/net-guest link d
    local host_pid host_main guest_pid guest_main
    prepare_folder "$BUILD" "$host"
    prepare_folder "$BUILD" "$guest"
    write_settings "$host" 0 0
    write_settings "$guest" 0 0
    sed -i 's/^NumberOfPlayers=0/NumberOfPlayers=2/; s/^S=Igrac/S=Domacin/' "$host/Zaviko.ini"
    sed -i 's/^S=Igrac/S=Gost/' "$guest/Zaviko.ini"

    LOG=$host/Zaviko.log
    start_program "$host"
    host_pid=$APP_PID host_main=$MAIN
    # A computer opening the local match asks first; that question is let be.
    d=$(wait_dialog 2) && press_enter "$d"
    key_in_main alt+i
    xdotool key m o
    d=$(wait_dialog 5) || fail "Igra | Igra preko mreze | Otvori sto... opened no dialog"
    shot net-open-table
    press_enter "$d"
    wait_log "Otvoren sto preko mreze" 10 || fail "the host's log names no invitation"
    link=$(grep -o 'zaviko://[^ ]*' "$LOG" | tail -n 1 | tr -d '\r')
    echo "  invitation $link"
    shot net-waiting-room

    (cd "$guest" && exec ./Zaviko "$link") &
    guest_pid=$!
    guest_main=$(main_window_of "$guest_pid") || fail "the guest's window did not come"
    APP_PID=$guest_pid MAIN=$guest_main
    d=$(window_named "$guest_pid" "Pridruzi se stolu") || fail "the link opened no join dialog"
    shot net-join-by-link
    # "Pridruzi se", clicked until the guest sits in the waiting room.
    local tries=0
    until xdotool search --all --onlyvisible --pid "$guest_pid" --name "^Sto za igru preko mreze$" \
        > /dev/null 2>&1; do
        ((tries++ < 20)) || fail "the join dialog did not lead to the waiting room"
        answer_others "$guest_pid" "$d"
        click_button "$d" 138 23
        sleep 0.3
    done

    # Both seats filled: the host's Enter starts the match.
    APP_PID=$host_pid MAIN=$host_main
    d=$(window_named "$host_pid" "Sto za igru preko mreze") || fail "the host's waiting room is gone"
    sleep 0.5
    # "Pocni partiju", left of "Napusti sto" at the room's bottom right.
    click_button "$d" 155 24
    local deadline=$(($(now_ms) + 10000))
    until [[ -z "$(APP_PID=$host_pid dialogs)" && -z "$(APP_PID=$guest_pid dialogs)" ]]; do
        (($(now_ms) < deadline)) || fail "the waiting rooms did not give way to the match"
        sleep 0.05
    done
    sleep 0.5
    shot net-match-started

    # The host closes mid-hand and says yes to leaving; the guest is told why.
    key_in_main alt+F4
    confirm_until 8 '! alive' || fail "the host's window did not close"
    wait_exit 1 || fail "the host's program did not end"
    APP_PID=$guest_pid MAIN=$guest_main LOG=$guest/Zaviko.log
    d=$(wait_dialog 10) || fail "the guest was not told that the table ended"
    shot net-host-closed
    press_enter "$d"
    close_and_check
}
