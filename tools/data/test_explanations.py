#!/usr/bin/env python3
"""Checks the committed explanatory dictionaries in data/dict/*/expl/ (no
source packages needed).

Run from the repository root:  python3 tools/data/test_explanations.py
or point it at a checkout:      python3 tools/data/test_explanations.py /path/to/repo
                                QUORIM_ROOT=/path/to/repo python3 tools/data/test_explanations.py
"""

import collections
import itertools
import os
import re
import sys
import unittest

ROOT = os.environ.get("QUORIM_ROOT") or os.path.dirname(
    os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

# (dictionary language, explanation language, at least this many words)
FILES = [("rus", "eng", 15000), ("eng", "eng", 100000), ("eng", "rus", 80000)]
MAX_BYTES = 8 * 1024 * 1024  # the game reads the whole file for each lookup
MAX_TEXT = 100

ENGLISH_MARKS = ("(n.) ", "(v.) ", "(adj.) ", "(adv.) ")
ENGLISH_FORMS = re.compile(
    r"^(plural|third person singular|present participle|past tense|past participle|"
    r"past tense and past participle|past tense or past participle|comparative|"
    r"superlative|first person singular present|present plural) of [a-z' -]+$")
RUSSIAN_MARKS = ("сущ. ", "гл. ", "прил. ", "нареч. ", "мест. ", "предл. ", "союз ",
                 "межд. ", "числ. ", "предик. ")
RUSSIAN_FORM = re.compile(
    r"^[а-я0-9 .-]+ от [a-z' -]+(?: или [a-z' -]+)*(?: — [^A-Za-z]+)?$")


def read_lines(path):
    with open(path, "rb") as f:
        return f.read()[3:].decode("utf-8").split("\r\n")[:-1]


def explanations(lang, expl):
    """{WORD: [text, ...]} of one explanatory file, in file order."""
    out = collections.OrderedDict()
    for line in read_lines(os.path.join(ROOT, "data", "dict", lang, "expl", expl,
                                        "explanatory.txt")):
        word, _, text = line[1:].partition("=")
        out.setdefault(word, []).append(text)
    return out


def dictionary(lang):
    """{WORD: theme letters} of data/dict/<lang>/dictionary.txt, in file order."""
    lines = read_lines(os.path.join(ROOT, "data", "dict", lang, "dictionary.txt"))
    return collections.OrderedDict(line.partition("=")[::2] for line in lines)


class FileFormat(unittest.TestCase):
    """What the game's reader needs of every explanatory file."""

    def test_bytes(self):
        for lang, expl, _ in FILES:
            with self.subTest(file=f"{lang}/expl/{expl}"):
                path = os.path.join(ROOT, "data", "dict", lang, "expl", expl, "explanatory.txt")
                with open(path, "rb") as f:
                    raw = f.read()
                self.assertLess(len(raw), MAX_BYTES)
                self.assertTrue(raw.startswith(b"\xef\xbb\xbf"), "no BOM")
                self.assertTrue(raw.endswith(b"\r\n"), "last line not ended")
                body = raw[3:]
                self.assertEqual(body.count(b"\n"), body.count(b"\r\n"), "bare LF")
                self.assertEqual(body.count(b"\r"), body.count(b"\r\n"), "bare CR")
                self.assertNotIn(b"\r\n\r\n", body, "empty line")
                self.assertNotIn(b"\xef\xbb\xbf", body, "second BOM")
                body.decode("utf-8")

    def test_lines(self):
        for lang, expl, _ in FILES:
            with self.subTest(file=f"{lang}/expl/{expl}"):
                path = os.path.join(ROOT, "data", "dict", lang, "expl", expl, "explanatory.txt")
                bad = []
                for line in read_lines(path):
                    word, eq, text = line[1:].partition("=")
                    if (not line.startswith(">") or not eq or not word or word != word.upper()
                            or not text or text != text.strip() or "[/" in text
                            or len(text) > MAX_TEXT or re.search(r"[\x00-\x1f]", text)):
                        bad.append(line)
                self.assertEqual(bad[:10], [])

    def test_words_follow_the_dictionary(self):
        # the reader stops at the first line naming another word, so a word's
        # lines must be together; the order is the dictionary's
        for lang, expl, _ in FILES:
            with self.subTest(file=f"{lang}/expl/{expl}"):
                order = {w: i for i, w in enumerate(dictionary(lang))}
                path = os.path.join(ROOT, "data", "dict", lang, "expl", expl, "explanatory.txt")
                runs = [w for w, _ in itertools.groupby(
                    line[1:].partition("=")[0] for line in read_lines(path))]
                self.assertEqual([w for w in runs if w not in order][:10], [])
                self.assertEqual(len(runs), len(set(runs)), "a word's lines are apart")
                positions = [order[w] for w in runs]
                self.assertEqual(positions, sorted(positions), "not in dictionary order")

    def test_meanings_per_word(self):
        for lang, expl, minimum in FILES:
            with self.subTest(file=f"{lang}/expl/{expl}"):
                entries = explanations(lang, expl)
                self.assertGreaterEqual(len(entries), minimum)
                self.assertEqual([w for w, t in entries.items() if len(t) > 4][:10], [])
                self.assertEqual([w for w, t in entries.items() if len(t) != len(set(t))][:10],
                                 [], "a meaning repeated")


class RussianEnglish(unittest.TestCase):
    """data/dict/rus/expl/eng: English words for the Russian nouns."""

    @classmethod
    def setUpClass(cls):
        cls.entries = explanations("rus", "eng")

    def meanings(self, word):
        self.assertIn(word, self.entries)
        return [m.split("; ") for m in self.entries[word]]

    def test_common_nouns(self):
        for word, english in (("КОТ", "cat"), ("СОБАКА", "dog"), ("ДОМ", "house"),
                              ("ВОДА", "water"), ("КНИГА", "book"), ("ОКНО", "window"),
                              ("ЯБЛОКО", "apple"), ("ДРУГ", "friend"), ("ХЛЕБ", "bread"),
                              ("ЕЖ", "hedgehog"), ("ЛЕД", "ice"), ("НОЖНИЦЫ", "scissors"),
                              ("КОФЕ", "coffee"), ("ЖИВОТНОЕ", "animal")):
            with self.subTest(word=word):
                self.assertEqual(self.meanings(word)[0][0], english)

    def test_meanings_apart_and_synonyms_together(self):
        for word, one, other in (("КЛЮЧ", "key", "source"), ("ЛУК", "bow", "onion"),
                                 ("ЗАМОК", "lock", "castle"), ("КОСА", "scythe", "braid"),
                                 ("БРАК", "marriage", "waste"), ("МИР", "world", "peace")):
            with self.subTest(word=word):
                lines = self.meanings(word)
                self.assertEqual(len([m for m in lines if one in m]), 1)
                self.assertEqual(len([m for m in lines if other in m]), 1)
                self.assertFalse(any(one in m and other in m for m in lines))
        for word, words in (("КОТ", ("cat", "tom-cat")), ("КЛЮЧ", ("key", "clue")),
                            ("КЛЮЧ", ("fountain", "source")), ("ДОМ", ("house", "home")),
                            ("БРАК", ("marriage", "matrimony", "wedlock"))):
            with self.subTest(word=word, together=words):
                self.assertTrue(any(all(w in m for w in words) for m in self.meanings(word)))

    def test_plural_equivalents(self):
        # Mueller gives очки as "_pl." of spectacle, ножницы of shear
        self.assertIn("spectacles", self.meanings("ОЧКИ")[0])
        self.assertIn("shears", self.meanings("НОЖНИЦЫ")[0])

    def test_descriptions_are_not_equivalents(self):
        # "человек, интересы которого...", "собака, побеждённая в драке"
        for word, english in (("ЧЕЛОВЕК", "extrovert"), ("ЧЕЛОВЕК", "shirker"),
                              ("СОБАКА", "underdog"), ("ВОДА", "rinsing")):
            with self.subTest(word=word, english=english):
                self.assertFalse(any(english in m for m in self.meanings(word)))

    def test_plain_english_words(self):
        bad = [(w, item) for w, texts in self.entries.items() for t in texts
               for item in t.split("; ")
               if not re.fullmatch(r"[A-Za-z][a-z]+(?:[- ][a-z]+){0,2}", item)]
        self.assertEqual(bad[:10], [])
        repeated = [w for w, texts in self.entries.items()
                    if len([i for t in texts for i in t.split("; ")])
                    != len({i for t in texts for i in t.split("; ")})]
        self.assertEqual(repeated[:10], [], "an English word in two meanings")

    def test_coverage(self):
        words = dictionary("rus")
        common = [w for w, t in words.items() if "C" in t]
        explained = sum(w in self.entries for w in common)
        self.assertGreater(explained / len(common), 0.95)


class EnglishEnglish(unittest.TestCase):
    """data/dict/eng/expl/eng: WordNet definitions and inflected forms."""

    @classmethod
    def setUpClass(cls):
        cls.entries = explanations("eng", "eng")

    def test_definitions(self):
        for word, mark, part in (("CAT", "(n.)", "feline"), ("DOG", "(n.)", "Canis"),
                                 ("RUN", "(v.)", "move fast"), ("BEAUTIFUL", "(adj.)", "senses"),
                                 ("QUICKLY", "(adv.)", "rapid"), ("HOUSE", "(n.)", "dwelling")):
            with self.subTest(word=word):
                first = self.entries[word][0]
                self.assertTrue(first.startswith(mark + " "), first)
                self.assertIn(part, first)

    def test_forms(self):
        for word, note in (("CATS", "plural of cat"), ("CHILDREN", "plural of child"),
                           ("MICE", "plural of mouse"), ("RAN", "past tense of run"),
                           ("TAKEN", "past participle of take"),
                           ("RUNNING", "present participle of run"),
                           ("RUNS", "third person singular of run"),
                           ("HOPING", "present participle of hope"),
                           ("HOPED", "past tense and past participle of hope"),
                           ("BIGGER", "comparative of big"), ("HAPPIEST", "superlative of happy"),
                           ("FOUND", "past tense and past participle of find"),
                           ("IS", "third person singular of be")):
            with self.subTest(word=word):
                self.assertIn(note, self.entries[word])

    def test_a_form_of_a_commoner_word_comes_first(self):
        self.assertEqual(self.entries["FOUND"][0], "past tense and past participle of find")
        self.assertEqual(self.entries["ROSE"][0], "past tense of rise")
        self.assertTrue(self.entries["ROSE"][1].startswith("(n.)"))

    def test_spelling_confirms_the_base(self):
        # morphy's rules alone would make hoping a form of hop, and cats one
        # of the rare verb "to cat"
        self.assertFalse(any(" hop" in t and "hope" not in t for t in self.entries["HOPING"]))
        self.assertEqual(self.entries["CATS"], ["plural of cat"])

    def test_no_names_and_no_examples(self):
        self.assertNotIn("DURANT", self.entries)  # only the historian in WordNet
        self.assertFalse(any("planet" in t for t in self.entries["MARS"]))
        texts = [t for ts in self.entries.values() for t in ts]
        self.assertEqual([t for t in texts if '"' in t or "`" in t][:10], [])
        self.assertEqual([t for t in texts if not t.startswith(ENGLISH_MARKS)
                          and not ENGLISH_FORMS.match(t)][:10], [])

    def test_coverage(self):
        words = dictionary("eng")
        common = [w for w, t in words.items() if "C" in t]
        self.assertGreater(sum(w in self.entries for w in common) / len(common), 0.95)
        rare = [w for w, t in words.items() if "C" not in t]
        self.assertEqual([w for w in rare if len(self.entries.get(w, ())) > 1][:10], [])


class EnglishRussian(unittest.TestCase):
    """data/dict/eng/expl/rus: Mueller's translations of the English words."""

    @classmethod
    def setUpClass(cls):
        cls.entries = explanations("eng", "rus")

    def test_translations(self):
        for word, start, part in (("CAT", "сущ.", "кошка"), ("DOG", "сущ.", "собака"),
                                  ("HOUSE", "сущ.", "дом"), ("RUN", "сущ.", "бег"),
                                  ("WATER", "сущ.", "вода"), ("BEAUTIFUL", "прил.", "красивый"),
                                  ("QUICKLY", "нареч.", "быстро")):
            with self.subTest(word=word):
                first = self.entries[word][0]
                self.assertTrue(first.startswith(start + " "), first)
                self.assertIn(part, first)
        self.assertTrue(any(t.startswith("гл. бежать") for t in self.entries["RUN"]))
        self.assertIn("сущ. весна", self.entries["SPRING"])  # the second homonym

    def test_forms(self):
        for word, note in (("RAN", "прош. вр. от run"), ("CHILDREN", "мн. ч. от child"),
                           ("CATS", "мн. ч. от cat"), ("WENT", "прош. вр. от go"),
                           ("TAKEN", "прич. прош. вр. от take"),
                           ("RUNNING", "прич. наст. вр. от run")):
            with self.subTest(word=word):
                self.assertTrue(self.entries[word][0].startswith(note), self.entries[word])
        self.assertIn("кот", self.entries["CATS"][0])

    def test_cleaned(self):
        # no transcription, labels, parentheses or English examples left
        texts = [t for ts in self.entries.values() for t in ts]
        self.assertEqual([t for t in texts if re.search(r"[_\[\](){}]", t)][:10], [])
        self.assertEqual([t for t in texts if not t.startswith(RUSSIAN_MARKS)
                          and not RUSSIAN_FORM.match(t)][:10], [])
        self.assertEqual([t for t in texts if t.startswith(RUSSIAN_MARKS)
                          and re.search(r"[A-Za-z]", t)][:10], [])


if __name__ == "__main__":
    args = sys.argv[1:]
    if args and not args[0].startswith("-"):
        ROOT = os.path.abspath(args.pop(0))
    unittest.main(argv=[sys.argv[0]] + args)
