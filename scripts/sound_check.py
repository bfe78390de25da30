#!/usr/bin/env python3
"""Holds a recording of the audio output against what the game played.

    sound_check.py RECORDING STOP_MS TIMELINE

RECORDING is raw 16-bit mono little-endian audio at 44.1 kHz, recorded until
about STOP_MS (wall clock, milliseconds) without a gap; TIMELINE is the
output of zaviko_sound_probe: "cue NAME MS" for each sound as it started and
"quiet FROM_MS TO_MS" for each stretch in which nothing played. The
recording's delay behind the clock is measured on the first cue after the
first quiet stretch; then every cue must be heard where it is due and every
quiet stretch must be silent. Exits 1, saying why, when either fails.
"""
import array
import sys

RATE = 44100
HEARD = 1000  # a sound's peak at full volume is far above this
SILENT = 50  # the null sink's silence is exact zeros
EARLY, LATE = 0.1, 0.35  # where a cue's sound may begin, around its time
MARGIN = 0.25  # left out at each end of a quiet stretch
MAX_DELAY = 1.5


def main():
    recording, stop_ms, timeline = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    samples = array.array("h")
    with open(recording, "rb") as f:
        data = f.read()
    samples.frombytes(data[: len(data) // 2 * 2])
    if sys.byteorder != "little":
        samples.byteswap()
    start_ms = stop_ms - len(samples) * 1000 / RATE
    cues, quiet = [], []
    with open(timeline) as f:
        for line in f:
            parts = line.split()
            if parts and parts[0] == "cue":
                cues.append((parts[1], (int(parts[2]) - start_ms) / 1000))
            elif parts and parts[0] == "quiet":
                quiet.append(((int(parts[1]) - start_ms) / 1000, (int(parts[2]) - start_ms) / 1000))
    if not quiet or not cues:
        return fail("the timeline has no quiet stretch or no sound: %s" % timeline)

    def peak(begin, end):
        a, b = max(0, int(begin * RATE)), min(len(samples), int(end * RATE))
        return max((abs(s) for s in samples[a:b]), default=0)

    def onset(after):
        for i in range(max(0, int(after * RATE)), len(samples)):
            if abs(samples[i]) > HEARD:
                return i / RATE
        return None

    first_quiet_end = quiet[0][1]
    due = [(name, at) for name, at in cues if at >= first_quiet_end]
    if not due:
        return fail("no sound was played after the first quiet stretch")
    heard = onset(first_quiet_end)
    if heard is None:
        return fail("nothing was heard after the first quiet stretch: the recording is silent")
    delay = heard - due[0][1]
    print("recording: %.1f s; the first sound after the quiet came %.0f ms after it was played"
          % (len(samples) / RATE, delay * 1000))
    if not -EARLY <= delay <= MAX_DELAY:
        return fail("the first sound came %.0f ms off its time" % (delay * 1000))
    problems = []
    for name, at in due:
        begin = at + delay - EARLY
        level = peak(begin, at + delay + LATE)
        print("  %-13s due at %6.2f s: peak %5d" % (name, at + delay, level))
        if level < HEARD:
            problems.append("%s at %.2f s was not heard (peak %d)" % (name, at + delay, level))
    for begin, end in quiet:
        a, b = begin + delay + MARGIN, end + delay - MARGIN
        if b > len(samples) / RATE:
            problems.append("the recording ends before the quiet stretch at %.2f s" % a)
            continue
        level = peak(a, b)
        print("  quiet  %6.2f - %6.2f s: peak %5d" % (a, b, level))
        if level > SILENT:
            problems.append("sound where none was played, %.2f - %.2f s (peak %d)" % (a, b, level))
    if problems:
        return fail("; ".join(problems))
    print("sound-check: %d sounds heard where due, %d quiet stretches silent" % (len(due), len(quiet)))
    return 0


def fail(why):
    print("sound-check FAILED: " + why, file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
