#!/usr/bin/env python3
"""Rebuilds every generated file under data/dict/ and data/LICENSES/.

Debian packages needed (only to regenerate; the game does not need them):
  hunspell-ru mueller7-dict dict-freedict-eng-rus
  wamerican wamerican-small wamerican-large wamerican-huge
  wbritish wbritish-small wbritish-large wbritish-huge wordnet-base

Run: python3 tools/data/build_all.py
"""

import os
import shutil

import build_eng
import build_explanations
import build_rus
import sources

# Every size of a SCOWL list carries the same copyright file, so one of each.
LICENSED = [
    "hunspell-ru", "mueller7-dict", "dict-freedict-eng-rus", "wamerican", "wbritish", "wordnet-base"
]


def copy_licences():
    out = os.path.join(sources.REPO_ROOT, "data", "LICENSES")
    os.makedirs(out, exist_ok=True)
    for package in LICENSED:
        src = sources.need(f"/usr/share/doc/{package}/copyright", package)
        shutil.copyfile(src, os.path.join(out, package + ".copyright"))


if __name__ == "__main__":
    build_rus.write(build_rus.compute())
    build_eng.write(build_eng.compute())
    build_explanations.main()  # reads the dictionaries just written
    copy_licences()
