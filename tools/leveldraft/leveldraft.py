#!/usr/bin/env python3
"""Drafts quest level files from the hand-drawn maps of quest.txt.

Each level block names its chip kinds, clock and map; the map is two grids side
by side, the tiles and what lies on them. The script checks that every cell can
be refilled, deals the starting chips without any line of three and with several
moves, and writes game/data/levels/level-N.txt in the format of the other levels.

    python3 tools/leveldraft/leveldraft.py [--only N,M] [--table]

--table prints the rows of the levels table of docs/levels.md instead.
"""
import argparse
import os
import random
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
LEVEL_DIR = os.path.join(ROOT, "game", "data", "levels")

TILE_IDS = {".": 0, "o": 1, "c": 2, "C": 3}
SCROLL = 201
KIND_NAMES = {1: "wood", 4: "food", 9: "gold", 15: "rock"}
GEM_NAMES = {18: "red", 19: "blue", 20: "green", 21: "yellow", 22: "purple", 23: "orange"}
MIN_MOVES = 3
MAX_ROWS, MAX_COLS = 10, 20


class Design:
    def __init__(self, number):
        self.number = number
        self.kinds = []
        self.clock = 0
        self.worst = None
        self.shape = ""
        self.intent = ""
        self.deal = 0
        self.tiles = []  # rows of strings
        self.marks = []

    @property
    def rows(self):
        return len(self.tiles)

    @property
    def cols(self):
        return len(self.tiles[0])

    def tile(self, r, c):
        if 0 <= r < self.rows and 0 <= c < self.cols:
            return TILE_IDS[self.tiles[r][c]]
        return 0

    def mark(self, r, c):
        return self.marks[r][c]


def parse(path):
    designs, cur, in_map = [], None, False
    for lineno, raw in enumerate(open(path, encoding="utf-8"), 1):
        line = raw.split("#", 1)[0].rstrip()
        if not line.strip():
            continue
        words = line.split()
        if in_map:
            if words[0] == "end":
                in_map = False
                continue
            if len(words) != 3 or words[1] != "|":
                sys.exit(f"{path}:{lineno}: a map row is 'tiles | marks'")
            cur.tiles.append(words[0])
            cur.marks.append(words[2])
            continue
        key, rest = words[0], line.strip()[len(words[0]):].strip()
        if key == "level":
            cur = Design(int(rest))
            designs.append(cur)
        elif key == "kinds":
            cur.kinds = [int(w) for w in rest.split()]
        elif key == "clock":
            cur.clock = int(rest)
        elif key == "worst":
            cur.worst = int(rest)
        elif key == "shape":
            cur.shape = rest
        elif key == "intent":
            cur.intent = rest
        elif key == "deal":
            cur.deal = int(rest)
        elif key == "map":
            in_map = True
        else:
            sys.exit(f"{path}:{lineno}: unknown key {key}")
    for d in designs:
        check_shape(d)
    return designs


def fail(d, why):
    sys.exit(f"level {d.number}: {why}")


def check_shape(d):
    if not d.tiles:
        fail(d, "no map")
    if any(len(t) != d.cols or len(m) != d.cols for t, m in zip(d.tiles, d.marks)):
        fail(d, "map rows differ in length")
    if d.rows > MAX_ROWS or d.cols > MAX_COLS:
        fail(d, f"{d.rows} x {d.cols} does not fit on the screen")
    for r in range(d.rows):
        for c in range(d.cols):
            if d.tiles[r][c] not in TILE_IDS:
                fail(d, f"unknown tile '{d.tiles[r][c]}' at {r},{c}")
            m = d.mark(r, c)
            if m not in ".12ks^!":
                fail(d, f"unknown mark '{m}' at {r},{c}")
            if m != "." and d.tile(r, c) == 0:
                fail(d, f"mark '{m}' on a hole at {r},{c}")
    if not d.kinds or not any(k in KIND_NAMES for k in d.kinds):
        fail(d, "needs at least one resource kind")
    if d.clock <= 0:
        fail(d, "needs a clock")


def creators(d):
    """The topmost tile of every column (unless marked '!'), then the '^' marks."""
    out = []
    for c in range(d.cols):
        for r in range(d.rows):
            if d.tile(r, c):
                if d.mark(r, c) != "!":
                    out.append((r, c))
                break
    for r in range(d.rows):
        for c in range(d.cols):
            if d.mark(r, c) == "^" and (r, c) not in out:
                out.append((r, c))
    return out


def check_feeding(d, made):
    """Every tile must be reachable by chips: as the game's loader checks it."""
    fed = {}

    def is_fed(r, c):
        return d.tile(r, c) != 0 and fed.get((r, c), False)

    def closed_above(r, c):
        return any(d.tile(rr, c) == 0 for rr in range(r, -1, -1))

    for r in range(d.rows):
        for c in range(d.cols):
            if not d.tile(r, c):
                continue
            f = (r, c) in made or is_fed(r - 1, c)
            for dc in (-1, 1):
                if not f and is_fed(r - 1, c + dc) and closed_above(r - 1, c):
                    f = True
            fed[(r, c)] = f
            if not f:
                fail(d, f"row {r}, column {c} is never refilled")
    for r in range(d.rows):
        for c in range(d.cols):
            if d.mark(r, c) != "s":
                continue
            if d.tile(r + 1, c) == 0:
                fail(d, f"the scroll at {r},{c} would drop out at once")
            # Over the bottom edge a scroll waits for a line along the bottom row,
            # which can take ages; a hole further down its column lets it out.
            if all(d.tile(rr, c) for rr in range(r + 1, d.rows)):
                fail(d, f"the scroll at {r},{c} has no chute below it")


def run_length(d, r, c, dr, dc):
    """How many tiles in a row, without a hole, the cell lies in along (dr, dc)."""
    n = 1
    for s in (1, -1):
        rr, cc = r + s * dr, c + s * dc
        while d.tile(rr, cc):
            n += 1
            rr, cc = rr + s * dr, cc + s * dc
    return n


def scroll_cells(d):
    """Every cell a scroll may rest on: it falls straight down, slides into a
    diagonal cell whose column is closed above (by a hole, chain or chest) and
    leaves the board over a hole or the bottom edge."""
    def wall(r, c):
        return d.tile(r, c) == 0 or d.mark(r, c) in "12k"

    todo = [(r, c) for r in range(d.rows) for c in range(d.cols) if d.mark(r, c) == "s"]
    seen = set()
    while todo:
        r, c = todo.pop()
        if (r, c) in seen:
            continue
        seen.add((r, c))
        if not d.tile(r + 1, c):
            continue  # it leaves here
        todo.append((r + 1, c))
        for dc in (-1, 1):
            if d.tile(r + 1, c + dc) and any(wall(rr, c + dc) for rr in range(r, -1, -1)):
                todo.append((r + 1, c + dc))
    return seen


def check_lines(d):
    """Every cyan tile can be matched over, and every cell a scroll may rest on can
    be matched sideways (the scroll above it blocks the column)."""
    for r in range(d.rows):
        for c in range(d.cols):
            across, down = run_length(d, r, c, 0, 1), run_length(d, r, c, 1, 0)
            if d.tile(r, c) > 1 and across < 3 and down < 3:
                fail(d, f"no line can ever cover the cyan tile at {r},{c}")
    for r, c in scroll_cells(d):
        below = 0  # the run of tiles under the scroll, which a line down the column may use
        while d.tile(r + 1 + below, c):
            below += 1
        if below and run_length(d, r + 1, c, 0, 1) < 3 and below < 3:
            fail(d, f"a scroll resting on {r + 1},{c} could never come down")


def chain_of(d, r, c):
    m = d.mark(r, c)
    return 1 if m == "1" else 2 if m == "2" else 0


def line_through(d, chips, r, c):
    """The length of the longest straight line of equal chips through (r, c)."""
    def same(rr, cc):
        return (0 <= rr < d.rows and 0 <= cc < d.cols and chips[rr][cc]
                and d.mark(rr, cc) != "k" and chips[rr][cc] == chips[r][c])

    best = 0
    for dr, dc in ((1, 0), (0, 1)):
        n = 1
        for s in (1, -1):
            rr, cc = r + s * dr, c + s * dc
            while same(rr, cc):
                n += 1
                rr, cc = rr + s * dr, cc + s * dc
        best = max(best, n)
    return best


def movable(d, chips, r, c):
    return (d.tile(r, c) and chips[r][c] and chips[r][c] != SCROLL
            and d.mark(r, c) not in "12k")


def count_moves(d, chips):
    moves = 0
    for r in range(d.rows):
        for c in range(d.cols):
            for r2, c2 in ((r + 1, c), (r, c + 1)):
                if r2 >= d.rows or c2 >= d.cols:
                    continue
                if not (movable(d, chips, r, c) and movable(d, chips, r2, c2)):
                    continue
                if chips[r][c] == chips[r2][c2]:
                    continue
                chips[r][c], chips[r2][c2] = chips[r2][c2], chips[r][c]
                if line_through(d, chips, r, c) >= 3 or line_through(d, chips, r2, c2) >= 3:
                    moves += 1
                chips[r][c], chips[r2][c2] = chips[r2][c2], chips[r][c]
    return moves


def deal(d):
    rng = random.Random(d.number * 1000 + d.deal)
    for _ in range(1000):
        chips = [[0] * d.cols for _ in range(d.rows)]
        for r in range(d.rows):
            for c in range(d.cols):
                if not d.tile(r, c):
                    continue
                if d.mark(r, c) == "s":
                    chips[r][c] = SCROLL
                    continue
                choices = list(d.kinds)
                rng.shuffle(choices)
                for k in choices:
                    chips[r][c] = k
                    if line_through(d, chips, r, c) < 3:
                        break
        ok = all(line_through(d, chips, r, c) < 3
                 for r in range(d.rows) for c in range(d.cols) if chips[r][c])
        if ok and count_moves(d, chips) >= MIN_MOVES:
            return chips
    fail(d, "no deal without lines and with moves")


def grid(name, values):
    return "".join(f"\t\t{name}{r} = {', '.join(str(v) for v in row)}\n"
                   for r, row in enumerate(values))


def level_text(d):
    made = creators(d)
    check_feeding(d, made)
    check_lines(d)
    chips = deal(d)
    tiles = [[d.tile(r, c) for c in range(d.cols)] for r in range(d.rows)]
    chains = [[chain_of(d, r, c) for c in range(d.cols)] for r in range(d.rows)]
    chests = [[1 if d.mark(r, c) == "k" else 0 for c in range(d.cols)] for r in range(d.rows)]
    background = (d.number - 1) % 10 + 1
    out = "level {\n\tdata {\n"
    out += f"\t\tavailableChips = \"{' '.join(str(k) for k in d.kinds)}\"\n"
    out += f"\t\ttoCollect = \"{' '.join('0' for _ in d.kinds)}\"\n"
    out += f"\t\tsize = {d.rows}, {d.cols}\n"
    out += f"\t\tbackground = \"gfx/backgrounds/background-{background}.jpg\"\n"
    out += f"\t\ttime = {d.clock}, {d.clock}\n"
    out += "\t\ttilesAtStart = 0\n"
    out += "".join(f"\t\tres{i} = 0\n" for i in range(4))
    out += "\t}\n\n\ttile {\n" + grid("row", tiles) + "\t}\n\n"
    out += "\tchips {\n" + grid("row", chips) + "\t}\n\n"
    out += "\tchains {\n\t\tisChain = 1\n" + grid("row", chains) + "\t}\n\n"
    out += "\tchests {\n\t\tisChests = 1\n" + grid("row", chests) + "\t}\n\n"
    out += f"\tcreators {{\n\t\ti = {len(made)}\n"
    out += "".join(f"\t\tc{j} = {r}, {c}\n" for j, (r, c) in enumerate(made, 1))
    out += "\t}\n\n}\n\n"
    return out


def mechanics(d):
    count = {}
    for r in range(d.rows):
        for c in range(d.cols):
            t, m = d.tiles[r][c], d.mark(r, c)
            count[t] = count.get(t, 0) + 1
            count[m] = count.get(m, 0) + 1
    parts = []
    for key, name in (("c", "cyan"), ("C", "double cyan"), ("1", "chains"),
                      ("2", "double chains"), ("k", "chests"), ("s", "scrolls")):
        if count.get(key):
            parts.append(f"{count[key]} {name}")
    inner = sum(1 for (r, c) in creators(d) if any(d.tile(rr, c) for rr in range(r)))
    if inner:
        parts.append(f"{inner} inner creator" + ("s" if inner > 1 else ""))
    return ", ".join(parts)


def kinds_text(d):
    res = [KIND_NAMES[k] for k in d.kinds if k in KIND_NAMES]
    gems = [GEM_NAMES[k] for k in d.kinds if k in GEM_NAMES]
    return " ".join(res) + (" + " + ", ".join(gems) if gems else "")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--only", default="", help="comma-separated level numbers")
    ap.add_argument("--table", action="store_true")
    ap.add_argument("--designs", default=os.path.join(HERE, "quest.txt"))
    args = ap.parse_args()
    only = {int(n) for n in args.only.split(",") if n}
    for d in parse(args.designs):
        if only and d.number not in only:
            continue
        if args.table:
            worst = f"{d.worst} s" if d.worst is not None else "?"
            shape = f"{d.rows} × {d.cols}" + (f", {d.shape}" if d.shape else "")
            print(f"| {d.number} | {shape} | {mechanics(d)} | "
                  f"{kinds_text(d)} | {d.clock} s | {worst} | {d.intent} |")
            continue
        text = level_text(d)
        with open(os.path.join(LEVEL_DIR, f"level-{d.number}.txt"), "w", encoding="utf-8") as f:
            f.write(text)


if __name__ == "__main__":
    main()
