#!/usr/bin/env bash
# The game heard through a real sound server: PulseAudio started for this run
# alone with a null sink (an output with no hardware behind it), the game's
# window (zaviko_sound_probe, offscreen) playing a scripted round with "Zvuk"
# on, and the sink's monitor recorded meanwhile with parec. Then
# scripts/sound_check.py fails unless every sound the game played is in the
# recording at its time and the stretches in which it played none are silent.
#
# The recording, the game's timeline and the server's log go to
# <build-dir>/sound-check/.
#
#   scripts/sound_check.sh [build-dir]      (default: build)
set -uo pipefail

here=$(dirname "$(readlink -f "$0")")
build=$(readlink -f "${1:-build}")
probe=$build/bin/zaviko_sound_probe
[[ -x $probe ]] || { echo "$probe is missing: build first" >&2; exit 1; }
bash "$here/install-deps.sh" pulseaudio pulseaudio-utils || exit 1

OUT=$build/sound-check
rm -rf "$OUT"
mkdir -p "$OUT"
WORK=$(mktemp -d)
PA_PID="" REC_PID=""

finish()
{
    [[ -n $REC_PID ]] && kill "$REC_PID" 2> /dev/null
    [[ -n $PA_PID ]] && kill "$PA_PID" 2> /dev/null
    wait 2> /dev/null
    rm -rf "$WORK"
}
trap finish EXIT

fail()
{
    echo "sound-check FAILED: $*" >&2
    exit 1
}

# A server of this run's own: its socket, state and configuration in WORK,
# no default script (only the two modules named), never leaving by itself.
# As root (CI) PulseAudio warns that it runs per user, and runs.
export HOME=$WORK/home XDG_RUNTIME_DIR=$WORK/run PULSE_RUNTIME_PATH=$WORK/pulse
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$PULSE_RUNTIME_PATH"
chmod 700 "$XDG_RUNTIME_DIR"
export PULSE_SERVER=unix:$WORK/native
pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=no \
    --log-target=file:"$OUT/pulseaudio.log" \
    --load="module-null-sink sink_name=zaviko_check rate=44100 channels=1" \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$WORK/native" &
PA_PID=$!
for _ in $(seq 100); do
    pactl info > /dev/null 2>&1 && break
    kill -0 "$PA_PID" 2> /dev/null || fail "PulseAudio ended at start (see $OUT/pulseaudio.log)"
    sleep 0.1
done
pactl info > /dev/null 2>&1 || fail "PulseAudio did not answer within 10 s"
pactl set-default-sink zaviko_check || fail "the null sink is missing"

# A short latency, so what was recorded is written out at once: the
# recording's start is reckoned back from its end and its length.
parec -d zaviko_check.monitor --raw --format=s16le --rate=44100 --channels=1 \
    --latency-msec=20 > "$OUT/recording.raw" 2> "$OUT/parec.err" &
REC_PID=$!
for _ in $(seq 100); do
    [[ -s $OUT/recording.raw ]] && break
    sleep 0.1
done
[[ -s $OUT/recording.raw ]] || fail "parec recorded nothing within 10 s (see $OUT/parec.err)"
echo "playing a scripted round with the sounds on"
QT_QPA_PLATFORM=offscreen timeout 90 "$probe" "$OUT/probe" > "$OUT/timeline.txt" \
    2> "$OUT/probe.err" || fail "the game's round did not complete (see $OUT/probe.err)"
sleep 0.3
kill "$REC_PID"
stop_ms=$(date +%s%3N)
wait "$REC_PID" 2> /dev/null
REC_PID=""
python3 "$here/sound_check.py" "$OUT/recording.raw" "$stop_ms" "$OUT/timeline.txt"
