#!/usr/bin/env python3
"""Prints, as Markdown tables, what the committed language data holds: the
words of each dictionary by theme and by length, and the words each
explanatory file explains. Needs no packages.

Run from anywhere:  python3 tools/data/counts.py [REPO_ROOT]
"""

import collections
import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def data_lines(path):
    with open(path, "rb") as f:
        raw = f.read()
    return raw[3:].decode("utf-8").split("\r\n")[:-1]


def theme_titles(lang_dir):
    lines = data_lines(os.path.join(lang_dir, "themes.txt"))
    section = lines[lines.index("[DictionaryThemes]") + 1:lines.index("endoffile")]
    return dict(line.split("=", 1) for line in section if not line.startswith(";"))


def dictionary_table(lang, lang_dir):
    words = [line.partition("=") for line in data_lines(os.path.join(lang_dir, "dictionary.txt"))]
    titles = theme_titles(lang_dir)
    by_theme = collections.Counter(letter for _, _, themes in words for letter in themes)
    by_length = collections.defaultdict(collections.Counter)
    for word, _, themes in words:
        for letter in themes:
            by_length[len(word)][letter] += 1
        by_length[len(word)]["all"] += 1
    letters = list(titles)
    print(f"### {lang}: {len(words)} words\n")
    print("| Letters | " + " | ".join(f"{titles[t]} ({t})" for t in letters) + " | All |")
    print("|---:|" + "---:|" * (len(letters) + 1))
    for length in sorted(by_length):
        row = by_length[length]
        print(f"| {length} | " + " | ".join(str(row[t]) for t in letters) + f" | {row['all']} |")
    print("| all | " + " | ".join(str(by_theme[t]) for t in letters) + f" | {len(words)} |\n")


def explanations_table(root):
    print("### Explanations\n")
    print("| File | Words explained | Lines |")
    print("|---|---:|---:|")
    dict_dir = os.path.join(root, "data", "dict")
    for lang in sorted(os.listdir(dict_dir)):
        expl_dir = os.path.join(dict_dir, lang, "expl")
        if not os.path.isdir(expl_dir):
            continue
        for expl in sorted(os.listdir(expl_dir)):
            path = os.path.join(expl_dir, expl, "explanatory.txt")
            if not os.path.exists(path):
                continue
            lines = data_lines(path)
            words = {line[1:].partition("=")[0] for line in lines}
            print(f"| dict/{lang}/expl/{expl} | {len(words)} | {len(lines)} |")
    print()


def main(root):
    dict_dir = os.path.join(root, "data", "dict")
    for lang in sorted(os.listdir(dict_dir)):
        lang_dir = os.path.join(dict_dir, lang)
        if os.path.exists(os.path.join(lang_dir, "dictionary.txt")):
            dictionary_table(lang, lang_dir)
    explanations_table(root)


if __name__ == "__main__":
    main(os.path.abspath(sys.argv[1]) if len(sys.argv) > 1 else ROOT)
