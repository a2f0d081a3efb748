#!/usr/bin/env python3
"""Builds the English word list: data/dict/eng/{dictionary,themes,nochange}.txt.

Debian source packages:
  wamerican-small, wamerican, wamerican-large, wamerican-huge,
  wbritish-small, wbritish, wbritish-large, wbritish-huge
                         the words; the -small lists make the common theme
  mueller7-dict          confirms two- and three-letter words, and with
  hunspell-ru, dict-freedict-eng-rus
                         picks the children's theme (see build_rus.py)

Run (output is byte-identical for the same package versions):
  apt-get install wamerican-small wamerican wamerican-large wamerican-huge \\
      wbritish-small wbritish wbritish-large wbritish-huge \\
      mueller7-dict hunspell-ru dict-freedict-eng-rus
  python3 tools/data/build_eng.py [--report]
"""

import collections
import os
import re
import sys

import build_rus
import sources

OUT_DIR = os.path.join(sources.REPO_ROOT, "data", "dict", "eng")
SIZES = ["-small", "", "-large", "-huge"]
VARIANTS = ["american-english", "british-english"]
MIN_LEN, MAX_LEN = 2, 15

TITLES = {
    "C": "Common words",
    "E": "Rare and special words",
    "K": "Children's words",
}
NOCHANGE = "AEIOUDLNRST"

ROMAN = re.compile(r"^m{0,4}(cm|cd|d?c{0,3})(xc|xl|l?x{0,3})(ix|iv|v?i{0,3})$")
# Endings no English word has, only abbreviations (govt, asst, etc).
BAD_CODAS = ("vt", "sst", "tc", "mgt", "ppd", "nr", "pkt")


def abbreviation_like(word, small, confirmed):
    """confirmed: words Mueller has an article for."""
    if not re.search(r"[aeiouy]", word):
        return True  # bldg, mph, cc
    if ROMAN.match(word) and word not in confirmed:
        return True  # ii, xiv; not mix
    if len(word) <= 3 and word not in small and word not in confirmed:
        return True  # the large lists' abbreviations: aka, atm, dec, etc
    return word.endswith(BAD_CODAS) and word not in confirmed


def compute(report=False):
    lists = {}
    for variant in VARIANTS:
        for size in SIZES:
            words = sources.wordlist(variant + size)
            if words is None:
                sys.exit(f"missing /usr/share/dict/{variant + size}: "
                         f"apt-get install w{variant.split('-')[0]}{size}")
            lists[variant + size] = {w for w in words if re.fullmatch(r"[a-z]+", w)}
    small = lists["american-english-small"] | lists["british-english-small"]
    everything = set().union(*lists.values())

    # words Mueller gives an article with a part of speech: real words even
    # when short (ox, ax, bi)
    confirmed = set()
    for head, body in sources.dictd_articles("mueller7"):
        if sources._POS_RE.search(body):
            confirmed.add(head)

    ev = build_rus.Evidence()
    russian = build_rus.compute(ev)

    rejected = collections.defaultdict(list)
    themes = {}
    for word in sorted(everything):
        if not MIN_LEN <= len(word) <= MAX_LEN:
            continue
        if abbreviation_like(word, small, confirmed):
            rejected["abbreviation-like"].append(word)
            continue
        themes[word.upper()] = {"C" if word in small else "E"}
    for english, ru in ev.children_pairs:
        game = english.upper()
        if (english in small and 3 <= len(english) <= 6 and game in themes
                and "K" in russian.get(build_rus.to_game(ru), ())):
            themes[game].add("K")

    if report:
        for reason, words in sorted(rejected.items()):
            print(f"# rejected, {reason}: {len(words)}")
            print(" ".join(words[:3000]))
        counts = collections.Counter(letter for t in themes.values() for letter in t)
        print("# words:", len(themes), dict(sorted(counts.items())))
    return themes


def write(themes):
    sources.write_language(OUT_DIR, themes, lambda w: w, TITLES, NOCHANGE)


if __name__ == "__main__":
    write(compute(report="--report" in sys.argv[1:]))
