#!/usr/bin/python3
"""Checks what a listener heard during a hand played under the screen reader.

Reads the game's log (the moves as they were played), speech-dispatcher's
protocol log (every message each client sent to be spoken) and Orca's debug
output ("SPEECH OUTPUT" lines), writes the merged transcript and fails unless
the game's speech holds every move of the log in order, once, the turn after
each move, a mark, the refused capture and key, and the end of the hand with
each seat's points, and Orca read the focused cards and the end-of-hand
dialog.
"""
import argparse
import re
import sys

RANKS = {"J": "zandar", "Q": "dama", "K": "kralj", "A": "as"}
SUITS = {"T": "tref", "K": "karo", "P": "pik", "H": "herc"}


def card_words(code):
    """"KP" -> "kralj pik", "10H" -> "10 herc"."""
    rank, suit = code[:-1], code[-1]
    return f"{RANKS.get(rank, rank)} {SUITS[suit]}"


def card_list(codes):
    words = [card_words(c) for c in codes]
    return words[0] if len(words) == 1 else ", ".join(words[:-1]) + " i " + words[-1]


def logged_moves(path):
    """Each move of the game log as (seat, the sentence a listener hears)."""
    moves = []
    with open(path, encoding="utf-8", errors="replace") as log:
        for line in log:
            line = line.rstrip("\r\n")
            # The hand ends here; what follows is the next one's.
            if line.startswith("Odnete karte:"):
                break
            m = re.match(r">> (.+?) kupi sa (\S+) sledece karte: (.*)$", line)
            if m:
                taken = m.group(3).split()
                moves.append((m.group(1),
                              f"{m.group(1)} nosi {card_list(taken)} kartom {card_words(m.group(2))}"))
                continue
            m = re.match(r"(.+?) stavlja na talon kartu (\S+)$", line)
            if m:
                moves.append((m.group(1), f"{m.group(1)} stavlja {card_words(m.group(2))} na talon"))
    return moves


def speechd_messages(path):
    """The messages each client asked speech-dispatcher to speak, in order:
    [(client name, time, text)]."""
    with open(path, encoding="utf-8", errors="replace") as f:
        text = f.read()
    entry = re.compile(r"^\[(\w+ \w+ +\d+ [\d:]+ \d+) : \d+\] speechd:\s+(\d+):(DATA|REPLY):\|",
                       re.M)
    heads = list(entry.finditer(text))
    names, receiving, messages = {}, {}, []
    for i, head in enumerate(heads):
        end = heads[i + 1].start() if i + 1 < len(heads) else len(text)
        body = text[head.end():end]
        # The body ends with "|" and, for data, the byte count.
        body = re.sub(r"\n?\|( \(\d+\))?\s*$", "", body)
        fd, kind, when = head.group(2), head.group(3), head.group(1).split()[3]
        if kind != "DATA":
            continue
        if fd in receiving:
            if body.rstrip("\r\n") == ".":
                messages.append((names.get(fd, fd), when,
                                 " ".join("".join(receiving.pop(fd)).split())))
            else:
                receiving[fd].append(body + "\n")
            continue
        m = re.match(r"SET SELF CLIENT_NAME (\S+)", body, re.I)
        if m:
            names[fd] = m.group(1)
        elif body.strip().lower() == "speak":
            receiving[fd] = []
    return messages


def orca_speech(path):
    """Orca's "SPEECH OUTPUT" texts, in order: [(time, text)]."""
    said = []
    with open(path, encoding="utf-8", errors="replace") as f:
        for m in re.finditer(r"^([\d:]+)\.\d+ - SPEECH OUTPUT: '(.*?)'(?:\s*\{|$)", f.read(),
                             re.M | re.S):
            said.append((m.group(1), " ".join(m.group(2).split())))
    return said


class Check:
    def __init__(self):
        self.faults = []

    def need(self, ok, what):
        if not ok:
            self.faults.append(what)
        return ok


def check_game(moves, game, check):
    """The game's speech against the moves of the log."""
    texts = [t for _, _, t in game]
    # The hand ends with its points; what is said after is the next hand's.
    ends = [i for i, t in enumerate(texts) if t.startswith("Kraj ruke")]
    if ends:
        texts = texts[:ends[0] + 1]
    moved = {sentence for _, sentence in moves}
    # Every move once, and in the order played.
    where = []
    for seat, sentence in moves:
        # The O key reads the last moves with a full stop; the flow has none.
        hits = [i for i, t in enumerate(texts) if t == sentence]
        check.need(len(hits) == 1, f"heard {len(hits)} times, not once: {sentence!r}")
        if hits:
            where.append((hits[0], seat))
    check.need(where == sorted(where), "the moves were not heard in the order played")
    # Between two moves, the turn of the next mover, once.
    for (a, _), (b, seat) in zip(where, where[1:]):
        turns = [t for t in texts[a + 1:b] if re.fullmatch(r"Na potezu: \S+\.", t)]
        check.need(turns == [f"Na potezu: {seat}."],
                   f"before {texts[b]!r} the turn heard was {turns}, not {seat}'s")
    # The game's flow says nothing twice in a row (the answers to keys may:
    # a key pressed twice is answered twice).
    flow = [t for t in texts if t in moved or re.fullmatch(r"Na potezu: \S+\.", t)
            or t.startswith(("Kraj ruke", "Kraj partije", "Nove karte"))]
    for a, b in zip(flow, flow[1:]):
        check.need(a != b, f"said twice in a row: {a!r}")
    check.need(any("oznacena" in t and "zbir" in t.lower() for t in texts), "no mark and its sum heard")
    check.need(any("ne mogu da se uzmu" in t for t in texts), "no refused capture heard")
    check.need(any(t.startswith(("Nisi jos na potezu", "Na potezu je")) for t in texts),
               "no key refused off the human's turn heard")
    ends = [t for t in texts if t.startswith("Kraj ruke")]
    check.need(len(ends) == 1, f"the end of the hand heard {len(ends)} times")
    seats = {seat for seat, _ in moves}
    for seat in seats:
        check.need(any(re.search(re.escape(seat) + r":? \d+", t) for t in ends),
                   f"the end of the hand does not give {seat}'s points")
    if ends and where:
        check.need(texts.index(ends[0]) > where[-1][0], "the end of the hand came before a move")


def check_orca(orca, check):
    said = [t for _, t in orca]
    cards = re.compile(r"\b(tref|karo|pik|herc)\b")
    check.need(sum(1 for t in said if cards.search(t)) >= 3, "Orca read fewer than 3 cards")
    check.need(any("Pokupljene karte" in t for t in said), "Orca did not read the end-of-hand dialog")


def write_transcript(path, game, orca):
    lines = [(when, "game", text) for _, when, text in game]
    lines += [(when, "orca", text) for when, text in orca]
    # A stable sort keeps each source's own order within a second.
    lines.sort(key=lambda line: line[0])
    with open(path, "w", encoding="utf-8") as out:
        for when, who, text in lines:
            out.write(f"{when} {who}: {text}\n")


def main():
    args = argparse.ArgumentParser(description=__doc__)
    args.add_argument("--game-log", required=True)
    args.add_argument("--speechd", required=True)
    args.add_argument("--orca", required=True)
    args.add_argument("--transcript", required=True)
    a = args.parse_args()

    moves = logged_moves(a.game_log)
    messages = speechd_messages(a.speechd)
    game = [m for m in messages if "orca" not in m[0].lower()]
    orca = orca_speech(a.orca)
    write_transcript(a.transcript, game, orca)
    print(f"  {len(moves)} moves in the game's log; the game spoke {len(game)} messages, "
          f"Orca {len(orca)}")
    check = Check()
    check.need(len(moves) > 0, "the game's log has no moves")
    check_game(moves, game, check)
    check_orca(orca, check)
    for fault in check.faults:
        print(f"  heard wrong: {fault}", file=sys.stderr)
    return 1 if check.faults else 0


if __name__ == "__main__":
    sys.exit(main())
