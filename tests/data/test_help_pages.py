#!/usr/bin/env python3
"""Checks the help pages in data/help/<lang>/ that the help viewer (a QTextBrowser) shows.

Run from the repository root:  python3 tests/data/test_help_pages.py
or point it at a checkout:      python3 tests/data/test_help_pages.py /path/to/repo
                                QUORIM_ROOT=/path/to/repo python3 tests/data/test_help_pages.py

Besides the form of the pages (UTF-8 with a charset meta, closed tags of the subset Qt renders, no
scripts or outside resources, links that land on an existing page and anchor, the same anchors in
every language), the numbers of the rules page are recomputed:
- the table of letter values (class "letter-values") must agree with dict/<lang>/alphabet.txt;
- each worked example (a div of class "example") lists its letters as rows of class "letter" with
  cells "ch" (the letter), "value", "cell" (one more class: plain, old, l2, l3, w2, w3) and
  "points"; its figures are spans "word", "sum-terms", "sum", "factor", "product", "long",
  "word-score", "full-rack", "move-score". They are recomputed from the alphabet file by the
  game's scoring, and the word must be in dict/<lang>/dictionary.txt;
- each paragraph of class "penalty-example" holds spans "hints", "base", "penalty", "result",
  recomputed by the hint penalty of the game.
"""

import os
import re
import sys
import unittest
from html.parser import HTMLParser

ROOT = os.environ.get("QUORIM_ROOT") or os.path.dirname(
    os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

LANGUAGES = ("rus", "eng")
PAGES = ("index.htm", "rules.htm", "play.htm")

# What Qt's rich text engine renders and what these pages need; anything else (script, img,
# iframe, link, form…) has no place in them.
ALLOWED_TAGS = {
    "html", "head", "meta", "title", "style", "body", "h1", "h2", "h3", "h4", "p", "a", "ul",
    "ol", "li", "table", "tr", "th", "td", "b", "i", "em", "strong", "span", "div", "br", "tt",
    "code", "sub", "sup", "small", "big", "blockquote", "dl", "dt", "dd", "hr", "pre"}
VOID_TAGS = {"meta", "br", "hr"}

CELL_KINDS = {"plain", "old", "l2", "l3", "w2", "w3"}
LETTER_FACTOR = {"l2": 2, "l3": 3}
WORD_FACTOR = {"w2": 2, "w3": 3}
LONG_WORD = 8  # words of this many letters or more earn their length
FULL_RACK_BONUS = 15
RACK_SIZE = 7


def hint_penalty(hints_per_game, points):
    """The penalty of a hinted word worth `points`, for a game allowing that many hints."""
    divisor_and_extra = {3: (8, 1), 5: (5, 1), 7: (3, 1), 10: (2, 1), None: (2, 0)}
    divisor, extra = divisor_and_extra[hints_per_game]
    return points // divisor + extra


class Node:
    def __init__(self, tag, attrs, line):
        self.tag = tag
        self.attrs = dict(attrs)
        self.line = line
        self.children = []  # Nodes and strings

    def classes(self):
        return (self.attrs.get("class") or "").split()

    def text(self):
        return "".join(c if isinstance(c, str) else c.text() for c in self.children)

    def walk(self):
        yield self
        for child in self.children:
            if isinstance(child, Node):
                yield from child.walk()

    def find_class(self, name, tag=None):
        return [n for n in self.walk() if name in n.classes() and (tag is None or n.tag == tag)]


class PageParser(HTMLParser):
    """Builds a tree of the page and notes every fault of nesting it meets."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.root = Node("#document", [], 0)
        self.stack = [self.root]
        self.faults = []

    def handle_starttag(self, tag, attrs):
        node = Node(tag, attrs, self.getpos()[0])
        self.stack[-1].children.append(node)
        if tag not in VOID_TAGS:
            self.stack.append(node)

    def handle_startendtag(self, tag, attrs):
        self.stack[-1].children.append(Node(tag, attrs, self.getpos()[0]))
        if tag not in VOID_TAGS:
            self.faults.append(f"line {self.getpos()[0]}: <{tag}/> is not an empty element")

    def handle_endtag(self, tag):
        line = self.getpos()[0]
        if tag in VOID_TAGS:
            self.faults.append(f"line {line}: </{tag}> closes an empty element")
        elif len(self.stack) > 1 and self.stack[-1].tag == tag:
            self.stack.pop()
        else:
            self.faults.append(f"line {line}: </{tag}> does not close <{self.stack[-1].tag}> "
                               f"of line {self.stack[-1].line}")

    def handle_data(self, data):
        self.stack[-1].children.append(data)

    def close(self):
        super().close()
        for node in self.stack[1:]:
            self.faults.append(f"line {node.line}: <{node.tag}> is never closed")


def page_path(lang, page):
    return os.path.join(ROOT, "data", "help", lang, page)


def parse_page(lang, page):
    with open(page_path(lang, page), "rb") as f:
        raw = f.read()
    parser = PageParser()
    parser.feed(raw.decode("utf-8"))
    parser.close()
    return parser


def anchors(root):
    names = set()
    for node in root.walk():
        if node.tag == "a" and node.attrs.get("name"):
            names.add(node.attrs["name"])
        if node.attrs.get("id"):
            names.add(node.attrs["id"])
    return names


def links(root):
    return [(n.attrs["href"], n.line) for n in root.walk() if n.tag == "a" and "href" in n.attrs]


def read_alphabet(lang):
    """{letter: value} of the real letters; the last line is the star."""
    with open(os.path.join(ROOT, "data", "dict", lang, "alphabet.txt"), encoding="utf-8-sig") as f:
        lines = [line for line in f.read().splitlines() if line.strip()]
    return {line[0]: int(line[2:].split(",")[0]) for line in lines[:-1]}


def dictionary_has(lang, word):
    with open(os.path.join(ROOT, "data", "dict", lang, "dictionary.txt"),
              encoding="utf-8-sig") as f:
        return any(line.rstrip("\r\n").split("=", 1)[0].upper() == word for line in f)


def number(node):
    return int(node.text().strip())


class PageFormTest(unittest.TestCase):
    """Every page opens in the help viewer as it is meant to."""

    def test_every_page_is_utf8_with_a_charset_meta_and_a_title(self):
        for lang in LANGUAGES:
            for page in PAGES:
                with self.subTest(lang=lang, page=page):
                    self.assertTrue(os.path.isfile(page_path(lang, page)), "missing page")
                    root = parse_page(lang, page).root
                    heads = [n for n in root.walk() if n.tag == "head"]
                    self.assertEqual(len(heads), 1)
                    charsets = [n.attrs.get("charset", "").lower() for n in heads[0].walk()
                                if n.tag == "meta"]
                    self.assertIn("utf-8", charsets, "no <meta charset=\"utf-8\"> in <head>")
                    titles = [n.text().strip() for n in heads[0].walk() if n.tag == "title"]
                    self.assertTrue(titles and titles[0], "no title")

    def test_markup_is_closed_and_keeps_to_what_the_viewer_renders(self):
        for lang in LANGUAGES:
            for page in PAGES:
                with self.subTest(lang=lang, page=page):
                    parser = parse_page(lang, page)
                    self.assertEqual(parser.faults, [])
                    for node in parser.root.walk():
                        if node.tag == "#document":
                            continue
                        self.assertIn(node.tag, ALLOWED_TAGS, f"line {node.line}: <{node.tag}>")
                        self.assertNotIn("src", node.attrs, f"line {node.line}: outside resource")
                        for attr in node.attrs:
                            self.assertFalse(attr.startswith("on"),
                                             f"line {node.line}: script attribute {attr}")


class LinkTest(unittest.TestCase):
    """Links stay inside the help and land where they point."""

    def test_every_link_lands_on_an_existing_page_and_anchor(self):
        for lang in LANGUAGES:
            names = {page: anchors(parse_page(lang, page).root) for page in PAGES}
            for page in PAGES:
                for href, line in links(parse_page(lang, page).root):
                    with self.subTest(lang=lang, page=page, href=href, line=line):
                        self.assertNotRegex(href, r"^[A-Za-z][A-Za-z0-9+.-]*:",
                                            "a link leaves the help")
                        target, _, anchor = href.partition("#")
                        target = target or page
                        self.assertIn(target, PAGES, "no such page")
                        if anchor:
                            self.assertIn(anchor, names[target], "no such anchor")

    def test_every_page_is_reached_from_the_start_page_and_leads_back(self):
        for lang in LANGUAGES:
            start = parse_page(lang, "index.htm").root
            start_targets = {h.partition("#")[0] for h, _ in links(start)}
            for page in ("rules.htm", "play.htm"):
                with self.subTest(lang=lang, page=page):
                    self.assertIn(page, start_targets)
                    back = {h.partition("#")[0] for h, _ in links(parse_page(lang, page).root)}
                    self.assertIn("index.htm", back)

    def test_both_languages_have_the_same_anchors_and_links(self):
        for page in PAGES:
            with self.subTest(page=page):
                roots = {lang: parse_page(lang, page).root for lang in LANGUAGES}
                first, *others = LANGUAGES
                for lang in others:
                    self.assertEqual(anchors(roots[lang]), anchors(roots[first]))
                    self.assertEqual(sorted({h for h, _ in links(roots[lang])}),
                                     sorted({h for h, _ in links(roots[first])}))


class RulesFiguresTest(unittest.TestCase):
    """The figures of the rules page agree with the shipped alphabets and the game's scoring."""

    def test_letter_value_table_matches_the_alphabet(self):
        for lang in LANGUAGES:
            with self.subTest(lang=lang):
                tables = parse_page(lang, "rules.htm").root.find_class("letter-values", "table")
                self.assertEqual(len(tables), 1)
                shown = {}
                for row in [n for n in tables[0].walk() if n.tag == "tr"]:
                    values = row.find_class("value", "td")
                    letters = row.find_class("letters", "td")
                    if not values:
                        continue
                    for letter in letters[0].text().split():
                        self.assertNotIn(letter, shown, f"{letter} is shown twice")
                        shown[letter] = number(values[0])
                self.assertEqual(shown, read_alphabet(lang))

    def check_example(self, lang, example, alphabet):
        """Recomputes one worked example; returns what it shows off for the coverage test."""
        words = example.find_class("word", "span")
        self.assertEqual(len(words), 1, "an example names one word")
        word = words[0].text().strip()
        rows = example.find_class("letter", "tr")
        letters, points, kinds = [], [], []
        for row in rows:
            letter = row.find_class("ch", "td")[0].text().strip()
            cell = row.find_class("cell", "td")[0]
            kind = [c for c in cell.classes() if c != "cell"]
            self.assertEqual(len(kind), 1, f"{letter}: one kind of square")
            self.assertIn(kind[0], CELL_KINDS)
            value = number(row.find_class("value", "td")[0])
            self.assertEqual(value, alphabet[letter], f"value of {letter}")
            shown_points = number(row.find_class("points", "td")[0])
            self.assertEqual(shown_points, value * LETTER_FACTOR.get(kind[0], 1),
                             f"points of {letter} on {kind[0]}")
            letters.append(letter)
            points.append(shown_points)
            kinds.append(kind[0])
        self.assertEqual("".join(letters), word, "the rows spell the word")
        self.assertTrue(dictionary_has(lang, word), f"{word} is not in the dictionary")

        letter_sum = sum(points)
        factor = sum(WORD_FACTOR.get(k, 0) for k in kinds)
        product = letter_sum * factor if factor else letter_sum
        long_bonus = len(word) if len(word) >= LONG_WORD else 0
        word_score = product + long_bonus

        def spans(name):
            return [number(n) for n in example.find_class(name, "span")]

        terms = example.find_class("sum-terms", "span")
        self.assertEqual(len(terms), 1)
        self.assertEqual([int(t) for t in re.findall(r"\d+", terms[0].text())], points)
        self.assertTrue(spans("sum"))
        self.assertEqual(set(spans("sum")), {letter_sum})
        if factor:
            self.assertTrue(spans("factor"))
            self.assertEqual(set(spans("factor")), {factor})
        else:
            self.assertEqual(spans("factor"), [])
        self.assertTrue(set(spans("product")) <= {product})
        if long_bonus:
            self.assertEqual(spans("long"), [long_bonus])
        else:
            self.assertEqual(spans("long"), [])
        self.assertEqual(spans("word-score"), [word_score])
        if spans("full-rack"):
            self.assertEqual(spans("full-rack"), [FULL_RACK_BONUS])
            self.assertEqual(sum(1 for k in kinds if k != "old"), RACK_SIZE,
                             "the full-rack bonus needs every rack letter laid")
            self.assertEqual(spans("move-score"), [word_score + FULL_RACK_BONUS])
        else:
            self.assertTrue(set(spans("move-score")) <= {word_score})
        return {
            "letter bonus": any(k in LETTER_FACTOR for k in kinds),
            "word bonus": factor > 0,
            "two word bonuses": sum(1 for k in kinds if k in WORD_FACTOR) >= 2,
            "long word": long_bonus > 0,
            "full rack": bool(spans("full-rack")),
            "earlier letter": "old" in kinds,
        }

    def test_worked_examples_add_up_and_show_every_scoring_rule(self):
        for lang in LANGUAGES:
            alphabet = read_alphabet(lang)
            examples = parse_page(lang, "rules.htm").root.find_class("example", "div")
            self.assertTrue(examples, f"{lang}: no worked example")
            shown = {}
            for i, example in enumerate(examples, 1):
                with self.subTest(lang=lang, example=i):
                    for rule, present in self.check_example(lang, example, alphabet).items():
                        shown[rule] = shown.get(rule, False) or present
            with self.subTest(lang=lang, coverage=True):
                self.assertEqual([rule for rule, present in shown.items() if not present], [])

    def test_hint_penalty_examples_follow_the_penalty_rule(self):
        for lang in LANGUAGES:
            examples = parse_page(lang, "rules.htm").root.find_class("penalty-example")
            self.assertTrue(examples, f"{lang}: no hint penalty example")
            for i, example in enumerate(examples, 1):
                with self.subTest(lang=lang, example=i):
                    def span(name):
                        found = example.find_class(name, "span")
                        self.assertEqual(len(found), 1, name)
                        return number(found[0])
                    base, penalty = span("base"), span("penalty")
                    self.assertEqual(penalty, hint_penalty(span("hints"), base))
                    self.assertEqual(span("result"), max(0, base - penalty))

    def test_both_languages_give_the_same_penalty_examples(self):
        figures = {}
        for lang in LANGUAGES:
            examples = parse_page(lang, "rules.htm").root.find_class("penalty-example")
            figures[lang] = [{n.attrs["class"]: number(n) for n in e.walk() if n.tag == "span"}
                             for e in examples]
        self.assertEqual(figures["eng"], figures["rus"])


if __name__ == "__main__":
    args = sys.argv[1:]
    if args and not args[0].startswith("-"):
        ROOT = os.path.abspath(args.pop(0))
    unittest.main(argv=[sys.argv[0]] + args)
