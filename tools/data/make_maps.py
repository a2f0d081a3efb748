#!/usr/bin/env python3
"""Writes the playfield layouts data/MAPS/*.map: the classic 15 x 15 board, and larger, wider and
multi-start boards put together from pieces of it.

Run from the repository root:
  python3 tools/data/make_maps.py          # writes the files
  python3 tools/data/make_maps.py --show   # and prints each board (. d D t T S)

Nothing is read and nothing is random: every run writes the same bytes. Each board is checked
before anything is written; a bad one stops the script.

A .map file: the name shown in the options window (the game adds the size), then one line of
digits per row: 1 plain, 2 letter x2, 3 word x2, 4 letter x3, 5 word x3, 6 start.
"""

import collections
import os
import sys

import sources

PLAIN, DL, DW, TL, TW, START = 1, 2, 3, 4, 5, 6
LETTERS = {PLAIN: ".", DL: "d", DW: "D", TL: "t", TW: "T", START: "S"}
MAX_SIDE = 30

OUT_DIR = os.path.join(sources.REPO_ROOT, "data", "MAPS")

# The top left octant of the classic board, corner first: row i holds cells i..7 of board row i.
CLASSIC_OCTANT = (
    "51121115",
    "3111411",
    "311121",
    "31112",
    "3111",
    "411",
    "21",
    "6",
)


def from_octant(octant):
    half = len(octant)
    side = 2 * half - 1

    def cell(r, c):
        a, b = min(r, side - 1 - r), min(c, side - 1 - c)
        i, j = min(a, b), max(a, b)
        return int(octant[i][j - i])

    return [[cell(r, c) for c in range(side)] for r in range(side)]


CLASSIC = from_octant(CLASSIC_OCTANT)


# ---------------------------------------------------------------- pieces of the classic

def cut(board, top, left, height, width):
    return [row[left:left + width] for row in board[top:top + height]]


def with_middle(piece, kind):
    piece = [row[:] for row in piece]
    piece[len(piece) // 2][len(piece[0]) // 2] = kind
    return piece


# Each piece is laid with its anchor on the board cell it belongs to: the corner piece by its
# corner, the edge piece by the triple word in its top row, the others by their middle.
CORNER = cut(CLASSIC, 0, 0, 5, 5)       # triple word, the double-word diagonal, two letter x2
EDGE = cut(CLASSIC, 0, 5, 4, 5)         # triple word mid-edge with its letter cells below
RING = cut(CLASSIC, 5, 5, 5, 5)         # the start with letter x2 and x3 on its diagonals
START_RING = cut(CLASSIC, 6, 6, 3, 3)   # the start with letter x2 on its diagonals


class Layer:
    """Cells one design step sets. Two pieces of one step that disagree on a cell are an error,
    so a design never depends on the order its pieces are listed in."""

    def __init__(self, height, width):
        self.height, self.width = height, width
        self.cells = {}

    def put(self, r, c, kind):
        if not (0 <= r < self.height and 0 <= c < self.width):
            raise ValueError(f"row {r + 1}, column {c + 1} is off the board")
        old = self.cells.setdefault((r, c), kind)
        if old != kind:
            raise ValueError(f"row {r + 1}, column {c + 1} would be both "
                             f"{LETTERS[old]} and {LETTERS[kind]}")

    def mirrored(self, kind, r, c):
        """The cell and its images in both axes; on a square board also across the diagonals."""
        for r1, c1 in {(r, c), (c, r)} if self.height == self.width else {(r, c)}:
            for r2 in {r1, self.height - 1 - r1}:
                for c2 in {c1, self.width - 1 - c1}:
                    self.put(r2, c2, kind)

    def piece(self, piece, r0, c0):
        """Lays the piece at (r0, c0), turned so that it faces into the board."""
        h, w = self.height, self.width
        down = 1 if 2 * r0 < h else -1
        right = 1 if 2 * c0 < w else -1
        on_row_edge, on_col_edge = r0 in (0, h - 1), c0 in (0, w - 1)
        if on_row_edge and on_col_edge:
            ar, ac = 0, 0
            place = lambda dr, dc: (r0 + down * dr, c0 + right * dc)
        elif on_row_edge:
            ar, ac = 0, len(piece[0]) // 2
            place = lambda dr, dc: (r0 + down * dr, c0 + dc)
        elif on_col_edge:
            ar, ac = 0, len(piece[0]) // 2
            place = lambda dr, dc: (r0 + dc, c0 + right * dr)
        else:
            ar, ac = len(piece) // 2, len(piece[0]) // 2
            place = lambda dr, dc: (r0 + dr, c0 + dc)
        for i, row in enumerate(piece):
            for j, kind in enumerate(row):
                if kind != PLAIN:
                    self.put(*place(i - ar, j - ac), kind)

    def lattice(self, rows, cols, inner):
        """Corner pieces at the corners, edge pieces on the edges, `inner` everywhere else."""
        for r in rows:
            for c in cols:
                on_row_edge, on_col_edge = r in (0, self.height - 1), c in (0, self.width - 1)
                if on_row_edge and on_col_edge:
                    self.piece(CORNER, r, c)
                elif on_row_edge or on_col_edge:
                    self.piece(EDGE, r, c)
                elif inner is not None:
                    self.piece(inner, r, c)


def build(height, width, *steps):
    """steps: functions filling a Layer; a later step paints over an earlier one."""
    board = [[PLAIN] * width for _ in range(height)]
    for step in steps:
        layer = Layer(height, width)
        step(layer)
        for (r, c), kind in layer.cells.items():
            board[r][c] = kind
    return board


# ---------------------------------------------------------------- the layouts

def classic_rebuilt():
    """The classic from its own pieces: proves that pieces are cut and turned right."""
    return build(15, 15, lambda l: l.lattice([0, 7, 14], [0, 7, 14], RING))


def large():
    # Triple words a classic step (7) apart; the four inside the board get the classic middle.
    steps = [0, 7, 13, 20]
    return build(
        21, 21,
        lambda l: l.lattice(steps, steps, with_middle(RING, TW)),
        lambda l: (l.piece(START_RING, 10, 10),
                   l.mirrored(DW, 4, 10),   # the middle lines would be bare otherwise
                   l.mirrored(DL, 0, 10)),
    )


def huge():
    # Four classic boards whose middles are triple words, meeting at a plain cross two cells
    # wide (on an even board the middle rows mirror into each other, so any bonus there would
    # sit next to its twin). The four starts fill the middle of the cross.
    quarter = [row[:14] + [PLAIN] for row in with_middle(CLASSIC, TW)[:14]]
    quarter.append([PLAIN] * 14 + [START])
    half = [row + row[::-1] for row in quarter]
    return half + half[::-1]


def wide():
    return build(
        13, 19,
        lambda l: l.lattice([0, 6, 12], [0, 9, 18], None),
        lambda l: l.piece(RING, 6, 9),
    )


def five_starts():
    # A start halfway from the middle to each edge; the double-word diagonals run one cell
    # further in so that each start has a double word four cells along its row.
    return build(
        17, 17,
        lambda l: l.lattice([0, 8, 16], [0, 8, 16], None),
        lambda l: (l.piece(RING, 8, 8), l.mirrored(START, 4, 8), l.mirrored(DW, 5, 5)),
    )


def small():
    # The classic's pieces would cover most of an 11 x 11 board, so only a short corner.
    corner = cut(CLASSIC, 0, 0, 4, 4)
    return build(
        11, 11,
        lambda l: ([l.piece(corner, r, c) for r in (0, 10) for c in (0, 10)],
                   l.mirrored(TW, 0, 5), l.mirrored(TL, 1, 4)),
        lambda l: l.piece(START_RING, 5, 5),
    )


def diamond():
    # Cells by their offsets from the middle, smaller first. The ring at distance 7 runs
    # through the mid-edge triple words and is double word between them.
    offsets = {
        (0, 0): START, (1, 1): DL, (2, 2): TL, (0, 3): DL,
        (0, 7): TW, (1, 6): DL, (2, 5): DW, (3, 4): DW,
        (5, 5): TL, (4, 7): DL, (6, 6): DW, (7, 7): TW,
    }

    def cell(r, c):
        a, b = sorted((abs(r - 7), abs(c - 7)))
        return offsets.get((a, b), PLAIN)

    return [[cell(r, c) for c in range(15)] for r in range(15)]


LAYOUTS = [
    ("classic", "Классическое", lambda: CLASSIC),
    ("large", "Большое", large),
    ("huge", "Огромное", huge),
    ("wide", "Широкое", wide),
    ("five_starts", "Пять стартов", five_starts),
    ("small", "Малое", small),
    ("diamond", "Ромб", diamond),
]


# ---------------------------------------------------------------- checks

def counts(board):
    return collections.Counter(kind for row in board for kind in row)


def problems(title, board):
    """What is wrong with a layout, as readable lines; empty when it may be written."""
    found = []
    height, width = len(board), len(board[0]) if board else 0
    if not title or any(ch.isdigit() for ch in title):
        found.append(f"name {title!r}: empty, or with digits (the game appends the size)")
    if not (1 <= height <= MAX_SIDE and 1 <= width <= MAX_SIDE):
        found.append(f"size {width} x {height} is outside 1..{MAX_SIDE}")
    if any(len(row) != width for row in board):
        found.append("rows of different lengths")
        return found
    if any(kind not in LETTERS for row in board for kind in row):
        found.append("a cell outside 1..6")
        return found
    if board != board[::-1] or board != [row[::-1] for row in board]:
        found.append("not symmetric left-right and top-bottom")
    if height == width and board != [list(col) for col in zip(*board)]:
        found.append("square but not symmetric across the diagonal")
    starts = [(r, c) for r in range(height) for c in range(width) if board[r][c] == START]
    if not starts:
        found.append("no start cell")
    if any(r in (0, height - 1) or c in (0, width - 1) for r, c in starts):
        found.append("a start cell on the edge")
    # Two equal bonuses side by side look like a misprint, and two word bonuses so close
    # multiply a two-letter word twice.
    for r in range(height):
        for c in range(width):
            kind = board[r][c]
            below = board[r + 1][c] if r + 1 < height else None
            beside = board[r][c + 1] if c + 1 < width else None
            if kind not in (PLAIN, START) and kind in (below, beside):
                found.append(f"{LETTERS[kind]} beside an equal cell: row {r + 1}, column {c + 1}")
    bonus = sum(n for kind, n in counts(board).items() if kind not in (PLAIN, START))
    share = bonus / (height * width)
    if not 0.18 <= share <= 0.34:
        found.append(f"bonus cells are {share:.0%} of the board (the classic has 27%)")
    return found


def check_classic():
    n = counts(CLASSIC)
    usual = {TW: 8, DW: 16, TL: 12, DL: 24, START: 1}
    if any(n[kind] != usual[kind] for kind in usual):
        sys.exit(f"classic octant mistyped: {dict(n)}")
    # Word bonuses said another way: triple words on the 7-step lattice, double words on the
    # diagonals three to six cells out from the middle.
    for r in range(15):
        for c in range(15):
            lattice = r % 7 == 0 and c % 7 == 0 and (r, c) != (7, 7)
            diagonal = abs(r - 7) == abs(c - 7) and 3 <= abs(r - 7) <= 6
            if (CLASSIC[r][c] == TW) != lattice or (CLASSIC[r][c] == DW) != diagonal:
                sys.exit(f"classic octant mistyped at row {r + 1}, column {c + 1}")
    if classic_rebuilt() != CLASSIC:
        sys.exit("the classic pieces do not rebuild the classic board: pieces cut or turned wrong")


# ---------------------------------------------------------------- output

LEGEND = ". plain  d letter x2  D word x2  t letter x3  T word x3  S start"


def show(name, title, board):
    n = counts(board)
    summary = ", ".join(f"{LETTERS[kind]} {n[kind]}" for kind in (TW, DW, TL, DL, START))
    print(f"{name}.map  {title} ({len(board[0])}x{len(board)})  {summary}")
    for row in board:
        print("  " + " ".join(LETTERS[kind] for kind in row))
    print()


def main():
    check_classic()
    built = [(name, title, make()) for name, title, make in LAYOUTS]
    failed = False
    if "--show" in sys.argv[1:]:
        print(LEGEND, end="\n\n")
    for name, title, board in built:
        if "--show" in sys.argv[1:]:
            show(name, title, board)
        for problem in problems(title, board):
            print(f"{name}.map: {problem}", file=sys.stderr)
            failed = True
    if failed:
        sys.exit("nothing written")
    for name, title, board in built:
        lines = [title] + ["".join(str(kind) for kind in row) for row in board]
        sources.write_data_file(os.path.join(OUT_DIR, name + ".map"), lines)


if __name__ == "__main__":
    main()
