# shellcheck shell=bash
# Network tables in two real windows, sourced by scripts/e2e.sh. First the
# host opens a table of four from the menu by keys, two of its seats given to
# computers, the guest's program is started with the invitation link (as the
# desktop starts it for a zaviko:// link) and joins, the host starts with
# Enter. Then each window is played by a process of its own that follows that
# window's log (the host by clicks, the guest by keys) to the game-over
# message; midway the guest's connection is cut (ss -K) on the guest's turn,
# the table's computer plays for it, and the window must come back to its
# seat by itself and say what was played. Then the host opens a second table,
# leaving the first (the guest is told), the guest joins it by pasting the
# link into "Pridruzi se...", and a few moves into the first hand the host
# closes its window: the guest is told why the table ended.

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

ROOM_TITLE="Sto za igru preko mreze"

# Waits up to $3 s (10 when not given) for the visible window of process $1
# titled $2; prints its id.
window_named()
{
    local deadline=$(($(now_ms) + ${3:-10} * 1000)) w
    while true; do
        w=$(xdotool search --all --onlyvisible --pid "$1" --name "^$2\$" 2> /dev/null | head -n 1)
        [[ -n "$w" ]] && { echo "$w"; return 0; }
        (($(now_ms) < deadline)) || return 1
        sleep 0.05
    done
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
        [[ "$w" == "$2" || "$(xdotool getwindowname "$w" 2> /dev/null)" == "$ROOM_TITLE" ]] \
            || press_enter "$w"
    done
    return 0
}

# Presses Enter in the host's room once the last seat is filled ("Pocni
# partiju" is then the default button); a second try if the first came early.
wait_default_start()
{
    for _ in 1 2 3; do
        sleep 0.5
        press_enter "$1"
        xdotool getwindowname "$1" > /dev/null 2>&1 || return 0
    done
}

# The seats in turn order (clockwise: S, W, N, E) as the host's and the
# guest's windows name them: the guest sits N, the computers W and E.
HOST_SEATS=(Domacin "racunar (Pametno)" Gost "racunar (Glupo)")
GUEST_SEATS=(Gost "racunar (Glupo)" Domacin "racunar (Pametno)")

# Opens the menu item of process $1 (main window $2) that the keys $4... reach
# and that shows the dialog titled $3, within 10 s; prints the dialog's id.
# A question that comes first (leaving a table, a local match's start) is
# answered "Da" and the keys go again. One focus for all the keys: a window
# the other program shows meanwhile takes the focus for itself.
menu_dialog()
{
    local pid=$1 main=$2 title=$3 deadline=$(($(now_ms) + 10000)) sent=0 w
    shift 3
    while (($(now_ms) < deadline)); do
        w=$(window_named "$pid" "$title" 0) && { echo "$w"; return 0; }
        w=$(APP_PID=$pid MAIN=$main dialogs | head -n 1)
        if [[ -n "$w" ]]; then
            press_enter "$w"
            sent=0
        elif (($(now_ms) - sent > 2000)); then
            input_lock
            keys_to "$main" --delay 20 "$@"
            input_unlock
            sent=$(now_ms)
        fi
        sleep 0.2
    done
    return 1
}

# The host's "Otvori sto" dialog (window $1) by keys: from the name, past the
# mode, the decks and the two check boxes to the seats; W gets "Pametno"
# (the second computer of the list), N stays a person's, E gets "Glupo" (the
# last), and Enter opens the table.
choose_seats_by_keys()
{
    keys_to "$1" --delay 30 Tab Tab Tab Tab Tab Down Down Tab Tab End
    sleep 0.2
    shot net-open-table
    press_enter "$1"
}

# The host (process $1, main window $2) starts the match from its waiting
# room once every seat is filled ("Pocni partiju" is then the default
# button), and both rooms give way to the table (the guest's process $3, main
# window $4). Sets HOST_FROM and GUEST_FROM: the lines the logs in folders $5
# and $6 had before, which the network match's lines follow.
start_from_room()
{
    HOST_FROM=$(wc -l < "$5/Zaviko.log")
    GUEST_FROM=$(wc -l < "$6/Zaviko.log")
    local d
    APP_PID=$1 MAIN=$2
    d=$(window_named "$1" "$ROOM_TITLE") || fail "the host's waiting room is gone"
    wait_default_start "$d"
    wait_rooms_gone "$1" "$3" "$4"
}

# Waits until both programs' waiting rooms (host $1, guest $2 with main
# window $3) have given way to the match, within 10 s.
wait_rooms_gone()
{
    local deadline=$(($(now_ms) + 10000))
    until [[ -z "$(APP_PID=$1 dialogs)" && -z "$(APP_PID=$2 MAIN=$3 dialogs)" ]]; do
        (($(now_ms) < deadline)) || fail "the waiting rooms did not give way to the match"
        sleep 0.05
    done
    sleep 0.5
}

network_table()
{
    echo "Network table: two people and two computers, joined by the link, a drop, then a second table the host closes mid-hand"
    local host=$WORK/net-host guest=$WORK/net-guest link d
    local host_pid host_main guest_pid guest_main
    prepare_folder "$BUILD" "$host"
    prepare_folder "$BUILD" "$guest"
    write_settings "$host" 0 0
    write_settings "$guest" 0 0
    sed -i 's/^S=Igrac/S=Domacin/' "$host/Zaviko.ini"
    sed -i 's/^S=Igrac/S=Gost/' "$guest/Zaviko.ini"

    LOG=$host/Zaviko.log
    start_program "$host"
    host_pid=$APP_PID host_main=$MAIN
    # A computer opening the local match asks first; that question is let be.
    d=$(wait_dialog 2) && press_enter "$d"
    key_in_main alt+i
    xdotool key m o
    d=$(wait_dialog 5) || fail "Igra | Igra preko mreze | Otvori sto... opened no dialog"
    choose_seats_by_keys "$d"
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
    # "Pridruzi se"; clicked again only while the dialog stays (a question of
    # the local match may have come over it first).
    local room _
    for _ in 1 2 3 4 5; do
        answer_others "$guest_pid" "$d"
        click_button "$d" 138 23
        room=$(window_named "$guest_pid" "$ROOM_TITLE" 3) && break
        xdotool getwindowname "$d" > /dev/null 2>&1 || break
    done
    [[ -n "$room" ]] || room=$(window_named "$guest_pid" "$ROOM_TITLE") \
        || fail "the join dialog did not lead to the waiting room"

    # Side by side, so a click in one never lands in the other.
    xdotool windowmove "$host_main" 0 0 windowmove "$guest_main" 1100 0
    start_from_room "$host_pid" "$host_main" "$guest_pid" "$guest_main" "$host" "$guest"
    local host_from=$HOST_FROM guest_from=$GUEST_FROM
    shot net-match-started

    # The whole match: the host by clicks, the guest by keys, each followed
    # from its own window's log by a player process of its own.
    INPUT_LOCK=$WORK/input.lock
    : > "$INPUT_LOCK"
    play_net_seat "$host_pid" "$host_main" "$host/Zaviko.log" "$host_from" 0 100 0 "${HOST_SEATS[@]}" \
        > "$WORK/play-host.out" 2>&1 &
    local host_play=$!
    play_net_seat "$guest_pid" "$guest_main" "$guest/Zaviko.log" "$guest_from" 1 200 0 "${GUEST_SEATS[@]}" \
        > "$WORK/play-guest.out" 2>&1 &
    local guest_play=$!
    drop_and_return "$guest_pid" "$host/Zaviko.log" "$guest/Zaviko.log" "$link" "${HOST_SEATS[1]}"
    wait "$host_play" || fail "the host's side of the match: $(tail -n 30 "$WORK/play-host.out")"
    wait "$guest_play" || fail "the guest's side of the match: $(tail -n 30 "$WORK/play-guest.out")"
    sed 's/^/  host: /' "$WORK/play-host.out"
    sed 's/^/  guest: /' "$WORK/play-guest.out"
    unset INPUT_LOCK

    # A second table: the host leaves the first for it (the guest is told and
    # goes back to its match against the computers), the guest joins it from
    # the menu with the link pasted in.
    APP_PID=$host_pid MAIN=$host_main LOG=$host/Zaviko.log
    local opened
    opened=$(grep -c "Otvoren sto preko mreze" "$LOG")
    d=$(menu_dialog "$host_pid" "$host_main" "Otvori sto" alt+i m o) \
        || fail "the host could not open a second table"
    press_enter "$d"
    wait_log "Otvoren sto preko mreze" 10 "$opened" || fail "the second table was not opened"
    link=$(grep -o 'zaviko://[^ ]*' "$LOG" | tail -n 1 | tr -d '\r')
    echo "  second table $link"
    APP_PID=$guest_pid MAIN=$guest_main LOG=$guest/Zaviko.log
    d=$(wait_dialog 10) || fail "the guest was not told that the host left the first table"
    shot net-host-left
    press_enter "$d"
    sleep 0.5
    d=$(menu_dialog "$guest_pid" "$guest_main" "Pridruzi se stolu" alt+i m p) \
        || fail "Pridruzi se... opened no dialog"
    keys_to "$d" ctrl+a
    xdotool type --delay 5 "$link"
    shot net-join-by-menu
    press_enter "$d"
    window_named "$guest_pid" "$ROOM_TITLE" > /dev/null || fail "the guest did not reach the second table's room"
    start_from_room "$host_pid" "$host_main" "$guest_pid" "$guest_main" "$host" "$guest"
    host_from=$HOST_FROM guest_from=$GUEST_FROM

    # Three moves each, then the host closes its window mid-hand.
    INPUT_LOCK=$WORK/input.lock
    play_net_seat "$host_pid" "$host_main" "$host/Zaviko.log" "$host_from" 0 300 3 "${HOST_SEATS[@]}" \
        > "$WORK/play-host.out" 2>&1 &
    host_play=$!
    play_net_seat "$guest_pid" "$guest_main" "$guest/Zaviko.log" "$guest_from" 1 400 3 "${GUEST_SEATS[@]}" \
        > "$WORK/play-guest.out" 2>&1 &
    guest_play=$!
    wait "$host_play" || fail "the host's side of the second table: $(tail -n 30 "$WORK/play-host.out")"
    wait "$guest_play" || fail "the guest's side of the second table: $(tail -n 30 "$WORK/play-guest.out")"
    unset INPUT_LOCK
    tail -n +$((host_from + 1)) "$host/Zaviko.log" | grep -q "^Odnete karte" \
        && fail "the second table's first hand ended before the host closed"
    tail -n +$((host_from + 1)) "$host/Zaviko.log" > "$WORK/second-table.log"
    echo "  second table: $(($(moves_of Domacin "$WORK/second-table.log") + $(moves_of Gost "$WORK/second-table.log"))) moves of the people, the hand under way"
    shot net-before-host-closes

    # The host closes and says yes to leaving; the guest is told why.
    APP_PID=$host_pid MAIN=$host_main
    key_in_main alt+F4
    confirm_until 8 '! alive' || fail "the host's window did not close"
    wait_exit 1 || fail "the host's program did not end"
    APP_PID=$guest_pid MAIN=$guest_main LOG=$guest/Zaviko.log
    local back
    back=$(grep -cE "Nastavak sacuvane igre|Nova igra" "$LOG")
    d=$(wait_dialog 10) || fail "the guest was not told that the table ended"
    shot net-host-closed
    press_enter "$d"
    # A match against the computers follows: the one the guest left for this
    # table as it was kept, or a new one (with its start question) when that
    # one had not begun.
    confirm_until 10 "wait_log 'Nastavak sacuvane igre\|Nova igra' 0 $back" \
        || fail "no match against the computers after the table ended"
    d=$(wait_dialog 2) && press_enter "$d"
    sleep 0.5
    shot net-local-after-table
    close_and_check
}

# A player of the network match in a process of its own: the window of
# process $1 (main window $2, log $3 from its line $4 on), by keys when $5 is
# 1, its screenshots numbered from $6; to the game-over message when $7 is 0,
# else for $7 moves of its own. The seats in turn order from its own follow.
# PAUSE_FILE holds it between moves.
# shellcheck disable=SC2034 # the globals play_match and its helpers read
play_net_seat()
{
    exec 9>> "$INPUT_LOCK"
    forget_match
    APP_PID=$1 MAIN=$2 LOG=$3 LOG_DONE=$4 KEYS_ONLY=$5 SHOT_NO=$6 STOP_AFTER_MOVES=$7
    shift 7
    ME=$1 SEATS=("$@")
    NET_MATCH=1 PAUSE_FILE=$WORK/pause-$ME
    # Keys wait for the cards in the air, as in the local match by keys.
    ((KEYS_ONLY)) && QUIET_MS=400 DEAL_QUIET_MS=1800
    play_match "${NET_MATCH_S:-600}"
    if ((STOP_AFTER_MOVES)); then
        echo "$ME played $MY_MOVES moves"
        return 0
    fi
    echo "$ME played $MY_MOVES moves ($MY_CAPTURES captures), $HAND_ENDS hands, to the game's end"
    ((MY_MOVES > 20 && MY_CAPTURES > 0 && HAND_ENDS > 0)) || fail "$ME played too little of the match"
}

# Moves by $1 in log $2: its own lines of playing a card.
moves_of() { grep -cE "^(>> $1 kupi sa|$1 stavlja na talon kartu)" "$2"; }

# Waits up to $2 s for file $1.
wait_file()
{
    local deadline=$(($(now_ms) + $2 * 1000))
    until [[ -e "$1" ]]; do
        (($(now_ms) < deadline)) || return 1
        sleep 0.05
    done
}

# The seat that made the last move in log $1.
last_mover()
{
    local line
    line=$(grep -E " (kupi sa|stavlja na talon kartu) " "$1" | tail -n 1 | tr -d '\r')
    line=${line#>> }
    line=${line%% kupi sa *}
    echo "${line%% stavlja na talon kartu *}"
}

# The guest's connection (process $1; logs of host $2 and guest $3; table
# link $4) is cut mid-match while the guest is on turn (the seat before it,
# $5, has moved), so the table's computer plays for the guest meanwhile; the
# window must come back to its seat by itself and say what was played in its
# name.
drop_and_return()
{
    local guest_pid=$1 host_log=$2 guest_log=$3 before_guest=$5 address deadline before
    address=${4#zaviko://}
    address=${address%%/*}
    deadline=$(($(now_ms) + 120000))
    until (($(moves_of Gost "$guest_log") >= 8)); do
        (($(now_ms) < deadline)) || fail "the guest made no 8 moves within 120 s"
        sleep 0.1
    done
    # The guest holds; once the seat before it has moved, it is on turn.
    touch "$WORK/pause-Gost"
    wait_file "$WORK/pause-Gost.held" 10 || fail "the guest's player did not hold"
    deadline=$(($(now_ms) + 20000))
    until [[ "$(last_mover "$host_log")" == "$before_guest" ]]; do
        (($(now_ms) < deadline)) || fail "$before_guest did not move while the guest held"
        sleep 0.05
    done
    before=$(guest_connection "$guest_pid" "$address")
    [[ -n "$before" ]] || fail "the guest has no connection to the table at $address"
    ss -K dst "${address%:*}" dport = ":${address#*:}" > /dev/null 2>&1
    sleep 0.3
    shot net-guest-dropped
    [[ "$(guest_connection "$guest_pid" "$address")" != "$before" ]] \
        || fail "the guest's connection could not be cut (ss -K)"
    echo "  guest's connection $before cut"
    deadline=$(($(now_ms) + 30000))
    until [[ -n "$(guest_connection "$guest_pid" "$address")" ]]; do
        (($(now_ms) < deadline)) || fail "the guest did not come back within 30 s"
        sleep 0.1
    done
    echo "  guest back as $(guest_connection "$guest_pid" "$address")"
    deadline=$(($(now_ms) + 10000))
    until grep -q "^Dok te nije bilo, racunar je za tebe odigrao: " "$guest_log"; do
        (($(now_ms) < deadline)) || fail "back at the table, the guest was not told what was played for it"
        sleep 0.05
    done
    echo "  $(grep "^Dok te nije bilo" "$guest_log" | tail -n 1 | tr -d '\r')"
    sleep 0.5
    shot net-guest-back
    rm -f "$WORK"/pause-*
}

# The local end of process $1's connection to the table at address $2.
guest_connection()
{
    ss -tnpH state established dst "${2%:*}" dport = ":${2#*:}" 2> /dev/null \
        | grep "pid=$1," | awk '{ print $3 }' | head -n 1
}
