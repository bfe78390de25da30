# shellcheck shell=bash
# Plays a whole match in the real window as a person would, sourced after
# scripts/e2e_lib.sh. What is where comes from the game log (every deal and
# move is a line) and from the window's pixels; the settings of write_settings
# fix the seats' names and order (S Igrac, W Zapad, N Sever, E Istok, clockwise).
#
# The seat on turn follows from the log: the one after the last mover, and
# one further after a hand's end. Who opens a match is not logged; until the
# first move the human waits for a longer quiet spell.
#
# The table is followed from the log in its twelve slots (row * 6 + slot), in
# the order the rules fill them; a table that grows past twelve is not
# followed until the next deck, and then the human only lays cards down.

ME=Igrac
SEATS=(Igrac Zapad Sever Istok) # the clockwise round from the human
PLACEMENT=(2 3 8 9 1 4 7 10 0 5 6 11)

# What is followed of a match, from nothing: each match is followed from the
# start of its own log.
forget_match()
{
    LOG=""
    LOG_DONE=0
    LOG_CHANGED=0
    HAND=()
    TABLE=()
    TABLE_OK=0
    ON_TURN="" # index into SEATS; empty until the match's first move
    GAME_OVER=0
    HAND_ENDS=0
    MY_MOVES=0
    MY_CAPTURES=0
    REFUSED=0
    STRAY_BOXES=0
    TALON_TOP=-1
    NEED_LAYOUT=0
    HAND_LEFT=-1
    DEALT=0
    RESUMED=0
}
forget_match
# 1: the human plays by keys only (the arrows, space and the number keys),
# and a click is an error.
KEYS_ONLY=0

table_put()
{
    local i
    for i in "${PLACEMENT[@]}"; do
        [[ -z "${TABLE[i]}" ]] && { TABLE[i]=$1; return; }
    done
    TABLE_OK=0
}

table_take()
{
    local card i
    for card in "$@"; do
        for i in "${!TABLE[@]}"; do
            [[ "${TABLE[i]}" == "$card" ]] && { TABLE[i]=""; continue 2; }
        done
        TABLE_OK=0
    done
}

# The last mover's seat index gives the next one.
moved()
{
    local i
    for i in "${!SEATS[@]}"; do
        [[ "${SEATS[i]}" == "$1" ]] && ON_TURN=$(((i + 1) % ${#SEATS[@]}))
    done
}

hand_drop()
{
    local i
    for i in "${!HAND[@]}"; do
        [[ "${HAND[i]}" == "$1" ]] && { HAND[i]=""; return; }
    done
}

# One log line changes the followed state.
read_line()
{
    local line=$1 words
    case "$line" in
    *" dobio karte: "*) DEALT=1 ;;&
    "$ME dobio karte: "*)
        read -ra words <<< "${line#"$ME dobio karte: "}"
        HAND=("${words[@]}" "" "" "" "" "" "")
        HAND=("${HAND[@]:0:6}")
        HAND_LEFT=-1
        ;;
    "Karte na talonu: "*)
        read -ra words <<< "${line#Karte na talonu: }"
        TABLE=("" "" "" "" "" "" "" "" "" "" "" "")
        TABLE_OK=1
        for w in "${words[@]}"; do table_put "$w"; done
        NEED_LAYOUT=1
        # After a return the table's cards are named, not where they lie.
        ((RESUMED)) && TABLE_OK=0 NEED_LAYOUT=0 RESUMED=0
        ;;
    # Back at a network table: what was played meanwhile is not logged, the
    # hand and the table that follow are; the turn is learnt anew.
    "Stanje za stolom:"*) ON_TURN="" RESUMED=1 ;;
    ">> "*" kupi sa "*)
        DEALT=0
        local who=${line#>> }
        who=${who%% kupi sa *}
        local rest=${line#* kupi sa }
        read -ra words <<< "${rest#* sledece karte: }"
        table_take "${words[@]}"
        [[ "$who" == "$ME" ]] && { hand_drop "${rest%% *}"; MY_CAPTURES=$((MY_CAPTURES + 1)); }
        moved "$who"
        ;;
    *" stavlja na talon kartu "*)
        DEALT=0
        local who=${line%% stavlja na talon kartu *}
        local card=${line##* }
        table_put "$card"
        [[ "$who" == "$ME" ]] && hand_drop "$card"
        moved "$who"
        ;;
    "Karte sa talona nosi "*) TABLE=("" "" "" "" "" "" "" "" "" "" "" "") ;;
    "Odnete karte:"*)
        HAND_ENDS=$((HAND_ENDS + 1))
        [[ -n "$ON_TURN" ]] && ON_TURN=$(((ON_TURN + 1) % ${#SEATS[@]}))
        ;;
    "****** Nova igra ******"*) ON_TURN="" ;;
    "Kraj partije. Pobednik je"*) GAME_OVER=1 ;;
    esac
}

# Reads the lines the program has added to the log since the last call.
read_log()
{
    [[ -e "$LOG" ]] || return 0
    local line count=0
    while IFS= read -r line; do
        count=$((count + 1))
        read_line "${line%$'\r'}"
    done < <(tail -n +$((LOG_DONE + 1)) "$LOG")
    ((count > 0)) && { LOG_DONE=$((LOG_DONE + count)); LOG_CHANGED=$(now_ms); }
    return 0
}

hand_count()
{
    local n=0 c
    for c in "${HAND[@]}"; do [[ -n "$c" ]] && n=$((n + 1)); done
    echo "$n"
}

# Window point of the middle of a table slot's card.
slot_point()
{
    if [[ -n "${LAYOUT_FEED:-}" ]]; then
        read_feed || return 1
        echo "${SLOT_XS[$1]} ${SLOT_YS[$1]}"
        return 0
    fi
    echo "$(((CLIENT_W - TALON_W) / 2 + ($1 % 6) * SLOT_STEP + CARD_W / 2)) $((TALON_TOP + ($1 / 6) * ROW_STEP + CARD_H / 2))"
}

# With LAYOUT_FEED set the window itself says where its cards lie now (the
# program's ZAVIKO_LAYOUT_FEED file), at any size and in either look: sets
# WIN_W, WIN_H, CARD_H, HAND_XS, HAND_Y, SLOT_XS and SLOT_YS.
read_feed()
{
    [[ -s "$LAYOUT_FEED" ]] || return 1
    # shellcheck disable=SC1090 # written by the program
    source "$LAYOUT_FEED"
}

# The window's cards where the feed says: every card of the hand and of the
# followed table shows at its click point (not the cloth), and the feed is of
# the window's present size.
check_feed_layout()
{
    local size i x y
    read_feed || fail "the window writes no layout feed"
    size=$(xdotool getwindowgeometry "$MAIN" | sed -n 's/.*Geometry: \([0-9]*x[0-9]*\).*/\1/p')
    [[ "$size" == "${WIN_W}x$WIN_H" ]] || fail "the layout feed is of ${WIN_W}x$WIN_H, the window $size"
    for i in "${!HAND[@]}"; do
        [[ -n "${HAND[i]}" ]] || continue
        x=${HAND_XS[i]}
        ((x >= 0)) || fail "hand card ${HAND[i]} has no place in the feed"
        cloth_at "$x" "$HAND_Y" && fail "hand card ${HAND[i]} is not at $x,$HAND_Y"
    done
    if ((TABLE_OK)); then
        for i in "${!TABLE[@]}"; do
            [[ -n "${TABLE[i]}" ]] || continue
            cloth_at "${SLOT_XS[i]}" "${SLOT_YS[i]}" \
                && fail "table card ${TABLE[i]} is not at ${SLOT_XS[i]},${SLOT_YS[i]}"
        done
    fi
    TALON_TOP=${SLOT_YS[0]}
    NEED_LAYOUT=0
}

# After a deal of a new deck: the table rows and the hand must be centred on
# the window. The table's top is measured at the first card of its upper row.
check_layout()
{
    [[ -n "${LAYOUT_FEED:-}" ]] && { check_feed_layout; return; }
    local x y j left=$(((CLIENT_W - TALON_W) / 2))
    for j in 0 1 2 3 4 5; do
        [[ -n "${TABLE[j]}" ]] && break
    done
    if ((TABLE_OK)) && [[ -n "${TABLE[j]}" ]]; then
        y=$(first_card_y $((left + j * SLOT_STEP + CARD_W / 2)) $((MENU_H + 140)) $((MENU_H + 300)))
        ((y > 0)) || fail "table card ${TABLE[j]} is not on the screen"
        TALON_TOP=$y
        x=$(first_card_x $((TALON_TOP + CARD_H / 2)) 100 545)
        (((x - left - j * SLOT_STEP) ** 2 <= 1)) \
            || fail "the table row is not centred (card of slot $j at x $x)"
    fi
    hand_point 0 > /dev/null || fail "the human's hand is not on the screen"
    (((HAND_LEFT - (CLIENT_W - CARD_W - 5 * HAND_STEP) / 2) ** 2 <= 1)) \
        || fail "the human's hand is not centred (first card at x $HAND_LEFT)"
    NEED_LAYOUT=0
}

# The point to click for hand slot $1: the visible strip of its card. The
# hand keeps its place and its empty slots' room until the next deal, so its
# left edge is read from the screen once per deal.
hand_point()
{
    if [[ -n "${LAYOUT_FEED:-}" ]]; then
        read_feed && ((HAND_XS[$1] >= 0)) || return 1
        echo "${HAND_XS[$1]} $HAND_Y"
        return 0
    fi
    local y=$((MENU_H + HAND_TOP + CARD_H / 2))
    if ((HAND_LEFT < 0)); then
        [[ -n "${HAND[0]}" ]] || return 1
        # From right of the deck, which stands in the lower left corner.
        HAND_LEFT=$(first_card_x "$y" 200 545)
        ((HAND_LEFT >= 0)) || return 1
    fi
    echo "$((HAND_LEFT + $1 * HAND_STEP + HAND_STEP / 2)) $y"
}

# Table slot and hand slot of a capture of one card by one of the same rank
# (a card's name is its rank and a suit letter).
find_capture()
{
    ((TABLE_OK)) || return 1
    local i j
    for i in "${!HAND[@]}"; do
        [[ -n "${HAND[i]}" ]] || continue
        for j in "${!TABLE[@]}"; do
            [[ -n "${TABLE[j]}" && "${TABLE[j]%?}" == "${HAND[i]%?}" ]] && { echo "$j $i"; return 0; }
        done
    done
    return 1
}

# Waits until the log has the human's move with card $2 of hand slot $1, for
# at most 3 s; fails when a dialog came instead (the input made no move).
wait_slot_played()
{
    local card=$2 deadline=$(($(now_ms) + 3000))
    while true; do
        read_log
        [[ "${HAND[$1]}" == "$card" ]] || break
        [[ -n "$(dialogs)" ]] && { read_log; [[ "${HAND[$1]}" == "$card" ]] && return 1; break; }
        (($(now_ms) < deadline)) || return 1
        sleep 0.02
    done
    MY_MOVES=$((MY_MOVES + 1))
}

# Clicks hand slot $1 and waits until the log has the human's move with it.
play_slot()
{
    local card=${HAND[$1]} point
    hand_point 0 > /dev/null # measures the hand in this shell, not in a subshell
    point=$(hand_point "$1") || fail "the human's hand is not on the screen"
    click_at $point
    wait_slot_played "$1" "$card"
}

# The number key of hand slot $1: its place among the cards the hand shows.
hand_number()
{
    local n=1 k
    for ((k = 0; k < $1; k++)); do [[ -n "${HAND[k]}" ]] && n=$((n + 1)); done
    echo "$n"
}

# Keys to the main window in one go.
keys_in_main()
{
    input_lock
    keys_to "$MAIN" --delay 5 "$@"
    input_unlock
}

# Marks table slot $1 (row * 6 + slot) by keys: down to the hand, up to the
# card's row (a row without cards is passed over), Home, then right over the
# row's cards before it, and space.
mark_by_keys()
{
    local row=$(($1 / 6)) slot=$(($1 % 6)) k ups=1 lower=0
    for k in 6 7 8 9 10 11; do [[ -n "${TABLE[k]}" ]] && lower=1; done
    ((row == 0 && lower)) && ups=2
    local keys=(Down Down Down)
    for ((k = 0; k < ups; k++)); do keys+=(Up); done
    keys+=(Home)
    for ((k = 0; k < slot; k++)); do [[ -n "${TABLE[row * 6 + k]}" ]] && keys+=(Right); done
    keys+=(space)
    keys_in_main "${keys[@]}"
}

# Plays hand slot $1 by its number key; waits as play_slot does. A key that
# comes while a computer's cards are still in the air only lands them (on a
# loaded machine they can outlast QUIET_MS), so a key that made no move and
# brought no message is pressed again, as a player would.
play_slot_by_key()
{
    local card=${HAND[$1]} try
    for try in 1 2 3; do
        keys_in_main "$(hand_number "$1")"
        wait_slot_played "$1" "$card" && return 0
        [[ -n "$(dialogs)" ]] && return 1
        ((try < 3)) && echo "  key $(hand_number "$1") made no move, pressed again" >&2
    done
    return 1
}

# The human's move by keys: a plain capture, else the first card down.
human_move_by_keys()
{
    local pick j i
    if pick=$(find_capture); then
        read -r j i <<< "$pick"
        mark_by_keys "$j"
        ((MY_CAPTURES == 0)) && { sleep 0.1; shot keys-marked-table-card; }
        play_slot_by_key "$i" && return 0
        REFUSED=$((REFUSED + 1))
        shot "refused-$REFUSED"
        echo "  capture refused: ${HAND[i]} on ${TABLE[j]} (slot $j); table: ${TABLE[*]}" >&2
        [[ -n "$(dialogs)" ]] && return 0
        keys_in_main Escape
    fi
    for i in "${!HAND[@]}"; do
        [[ -n "${HAND[i]}" ]] || continue
        play_slot_by_key "$i" || [[ -n "$(dialogs)" ]] || opener_unknown \
            || fail "key $(hand_number "$i") made no move"
        return 0
    done
}

# At a network table nobody's log says who opens: until the first move each
# player tries, and the one not on turn is refused.
opener_unknown() { ((${NET_MATCH:-0})) && [[ -z "$ON_TURN" ]]; }

# One move of the human: a capture when one is plain, else the first card down.
human_move()
{
    ((KEYS_ONLY)) && { human_move_by_keys; return; }
    local pick j i
    ((NEED_LAYOUT)) && [[ "$(hand_count)" -eq 6 ]] && check_layout
    if ((TALON_TOP > 0)) && pick=$(find_capture); then
        read -r j i <<< "$pick"
        # shellcheck disable=SC2046 # the point is two words, x and y
        click_at $(slot_point "$j")
        ((MY_CAPTURES == 0)) && { sleep 0.1; shot marked-table-card; }
        play_slot "$i" && return 0
        REFUSED=$((REFUSED + 1))
        shot "refused-$REFUSED"
        echo "  capture refused: ${HAND[i]} on ${TABLE[j]} (slot $j); table: ${TABLE[*]}" >&2
        [[ -n "$(dialogs)" ]] && return 0
        # Not taken: the right button clears the marks, then a card goes down.
        # shellcheck disable=SC2046 # the point is two words, x and y
        click_at $(cloth_point) 3
        sleep 0.1
    fi
    for i in "${!HAND[@]}"; do
        [[ -n "${HAND[i]}" ]] || continue
        play_slot "$i" || [[ -n "$(dialogs)" ]] || opener_unknown \
            || fail "a click on hand card ${HAND[i]} made no move"
        return 0
    done
}

# Closes a dialog that came up during play; the first of each kind is shot.
handle_dialog()
{
    local d=$1 name
    name=$(xdotool getwindowname "$d" 2> /dev/null)
    if [[ "$name" == "Pokupljene karte" ]]; then
        ((HAND_ENDS <= 1)) && shot hand-end-dialog
    elif ((GAME_OVER)); then
        shot game-over
        press_enter "$d"
        return 1
    else
        # A message the play did not ask for ("Nisi jos na potezu" and such).
        STRAY_BOXES=$((STRAY_BOXES + 1))
        shot "message-$STRAY_BOXES"
    fi
    press_enter "$d"
    sleep 0.05
}

# The human is on turn with cards in hand, and the last move has had time to
# finish on the screen (its line is written before the move is shown).
human_on_turn()
{
    [[ "$(hand_count)" -gt 0 ]] || return 1
    # Cards that fly take longer to be down: QUIET_MS after a move and
    # DEAL_QUIET_MS after a deal, when set.
    local quiet=$(($(now_ms) - LOG_CHANGED)) need=${QUIET_MS:-150}
    ((DEALT)) && need=${DEAL_QUIET_MS:-$need}
    if [[ -z "$ON_TURN" ]]; then
        ((quiet > 1000 && quiet > need))
    else
        ((ON_TURN == 0 && quiet > need))
    fi
}

# Plays until the game-over message has been closed, within $1 seconds (or,
# with STOP_AFTER_MOVES set, until the human has made that many moves).
play_match()
{
    local deadline=$(($(now_ms) + $1 * 1000)) d shots=0
    LOG_CHANGED=$(now_ms)
    while (($(now_ms) < deadline)); do
        alive || fail "the program ended during the match"
        read_log
        d=$(dialogs | head -n 1)
        if [[ -n "$d" ]]; then
            handle_dialog "$d" || return 0
            continue
        fi
        # Held (the network table's drop): acknowledged, and no move.
        if [[ -n "${PAUSE_FILE:-}" && -e "$PAUSE_FILE" ]]; then
            touch "$PAUSE_FILE.held"
            LOG_CHANGED=$(now_ms)
            sleep 0.05
            continue
        fi
        (($(now_ms) - LOG_CHANGED > 15000)) && fail "nothing happened for 15 s"
        if human_on_turn; then
            human_move
            ((${STOP_AFTER_MOVES:-0} > 0 && MY_MOVES >= STOP_AFTER_MOVES)) && return 0
            ((MY_MOVES == 1 || MY_MOVES == 20)) && { shots=$((shots + 1)); shot "after-move-$MY_MOVES"; }
            resize_when_due
        else
            sleep 0.03
        fi
    done
    fail "the match did not end within $1 s"
}

# A point of the table's cloth left of the rows, where a press marks nothing.
cloth_point()
{
    if [[ -n "${LAYOUT_FEED:-}" ]] && read_feed; then
        echo "$(((SLOT_XS[0] - CARD_H) / 2)) ${SLOT_YS[0]}"
        return 0
    fi
    echo "100 $((MENU_H + 380))"
}

# RESIZES holds "move:WxH" words: after the human's move of that number the
# window is given that size (as a player drags its corner), and the match
# goes on once the window's cards are where its feed says.
resize_when_due()
{
    local due size w h deadline
    for due in ${RESIZES:-}; do
        ((${due%%:*} == MY_MOVES)) || continue
        size=${due#*:} w=${size%x*} h=${size#*x}
        xdotool windowsize "$MAIN" "$w" "$h"
        # With no window manager the window may be placed anew: all of it on
        # the screen, where every card can be clicked.
        xdotool windowmove "$MAIN" 0 0
        deadline=$(($(now_ms) + 3000))
        until read_feed && ((WIN_W == w && WIN_H == h)); do
            (($(now_ms) < deadline)) || fail "the window did not take the size ${size} within 3 s"
            sleep 0.05
        done
        # The cards' pictures are drawn anew at the new scale once it settles.
        sleep 0.3
        read_log
        check_feed_layout
        shot "resized-$size"
        echo "  resized to $size after move $MY_MOVES"
        LOG_CHANGED=$(now_ms)
    done
}

# Starts the program in folder $1 (environment in the rest) with zero pauses
# and the computers at strength COMP_PLAYS (0 when unset), answers the start
# prompt and plays to the game-over message. The program stays open.
run_match()
{
    local dir=$1
    shift
    forget_match
    prepare_folder "$BUILD" "$dir"
    write_settings "$dir" 0 0 "${COMP_PLAYS:-0}"
    LOG=$dir/Zaviko.log
    [[ -n "${LAYOUT_FEED:-}" ]] && set -- "$@" "ZAVIKO_LAYOUT_FEED=$LAYOUT_FEED"
    start_program "$dir" "$@"
    accept_start start-prompt
    play_match "${MATCH_S:-100}"
}
