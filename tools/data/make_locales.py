#!/usr/bin/python3
"""Writes data/lang/locales.txt: each language code the game may use, with its Windows locale id.

Source: ICU's locale data through Debian's python3-icu (the locale ids are ICU's LCID mapping).
Run from the repository root: /usr/bin/python3 tools/data/make_locales.py
A language is added by putting its ISO 639-2 code in LANGUAGES and running the script again.
"""
import pathlib

import icu

# Russian and English ship with the game; the others are the languages we may add.
LANGUAGES = [
    "rus", "eng", "ukr", "bel", "bul", "deu", "fra", "spa", "ita", "por", "nld", "swe", "dan",
    "fin", "pol", "ces", "slk", "hun", "hrv", "slv", "ron", "lit", "lav", "est", "kaz", "tur",
]


def locale_id(code):
    likely = icu.Locale.addLikelySubtags(icu.Locale(code))
    # The id belongs to language and country; with the script part ICU answers the language only.
    return icu.Locale(likely.getLanguage() + "_" + likely.getCountry()).getLCID()


def main():
    lines = [f"{code.upper()}={locale_id(code)}" for code in LANGUAGES]
    out = pathlib.Path("data/lang/locales.txt")
    out.write_bytes(b"\xef\xbb\xbf" + "".join(line + "\r\n" for line in lines).encode("utf-8"))


if __name__ == "__main__":
    main()
