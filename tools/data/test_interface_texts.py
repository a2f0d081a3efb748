#!/usr/bin/env python3
"""Checks the interface texts in data/lang/*/strings.txt against each other and against the code.

Run from the repository root:  python3 tools/data/test_interface_texts.py
or point it at a checkout:      python3 tools/data/test_interface_texts.py /path/to/repo
                                QUORIM_ROOT=/path/to/repo python3 tools/data/test_interface_texts.py

How the code's keys are found: in every *.cpp and *.h under src/ and tools/cli/ (comments
removed), each call InterfaceText( ... ) or DataFileErrorMessage( ... ) is read up to its
closing parenthesis, and every u"Key" literal inside it counts as a key, so
    game.InterfaceText(u"StatusHint")
    strings.InterfaceText(won ? u"KeyA" : u"KeyB")
    DataFileErrorMessage(error, strings, u"KeyNotFound", u"KeyMalformed")
are all seen. A function or lambda that hands a QStringView parameter of its own on to such a
call forwards its key, and the u"Key" literals in that argument of its calls count too:
    QString LimitCaption(const Game& game, QStringView key, ...) { ... InterfaceText(key) ... }
    LimitCaption(game, u"NewGameLimitsScore", limits, 6, 4);
Function forwarders are followed across files, lambdas only in their own file. A key kept in
any other variable or built at run time is not seen: write the literal inside the call. The one
exception is the table of texts with a Russian fallback, whose rows
    {FixedTextKey::PlayerMoves, u"InGameTagPlayerMoves", u" ходит"},
name their keys beside the enumerator the code asks with.

The other way round, every key of the files must be one the code asks for, so that a text no
window shows any more does not linger in the files.
"""

import os
import re
import sys
import unittest

ROOT = os.environ.get("QUORIM_ROOT") or os.path.dirname(
    os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

LANGUAGES = ("rus", "eng")
KEY_SHAPE = re.compile(r"[A-Za-z0-9]+")

# Texts that the code glues straight onto a number, a name or a list entry, so the space at
# the edge is part of the text; every other text has no space at either edge.
ENDS_WITH_SPACE = {"InGameTagHintsLeft", "InGameInfoLimitsMoveTime", "InGameInfoMusicTitle"}
STARTS_WITH_SPACE = {"InGameInfoLimitsSuffixMoveTime", "InGameTagPlayerMoves"}

# Texts shown in the message window, whose label holds about four lines of bold text.
MESSAGE_WINDOW = re.compile(
    r"^(InGameMessageGo|InGameMessageCalculate|InGameMessageChange|InGameMessageHintNo|"
    r"InGameMessageWord|InGameMessageNoWord|InGameQuestion|InDemoQuestion|2MuchChanges|"
    r"OptionsMessage|OptionsAlphabetMessage|OptionsUserDictionary)")
MESSAGE_WINDOW_LIMIT = 150
LONGEST_WORD = "Ж" * 15  # a word substituted for "%s" has at most 15 letters

NAME_WIDTH = 9  # participant names are kept to 9 characters


def read_strings(lang):
    with open(os.path.join(ROOT, "data", "lang", lang, "strings.txt"), "rb") as f:
        return f.read()


def dynamic_entries(raw):
    """[(key, text)] of the lines after "[Dynamic]", in file order."""
    lines = raw[3:].decode("utf-8").split("\r\n")[:-1]
    rest = lines[lines.index("[Dynamic]") + 1:]
    return [tuple(line.split("=", 1)) if "=" in line else (line, None) for line in rest]


def control_targets(raw):
    """The "Window.Control" of each control line above "[Dynamic]", in file order."""
    lines = raw[3:].decode("utf-8").split("\r\n")
    return [line.split(":", 1)[0] for line in lines[:lines.index("[Dynamic]")]
            if line and not line.startswith(";")]


def texts(lang):
    return dict(dynamic_entries(read_strings(lang)))


def split_literals(source):
    """(code, text): the source with comments blanked in both, and in `code` the insides of
    string and character literals blanked too. Both keep every character's position."""
    code, text, i, n = [], [], 0, len(source)
    while i < n:
        if source.startswith("//", i) or source.startswith("/*", i):
            closer = "\n" if source[i + 1] == "/" else "*/"
            end = source.find(closer, i + 2)
            end = n if end < 0 else end + (2 if closer == "*/" else 0)
            blank = re.sub(r"[^\n]", " ", source[i:end])
            code.append(blank)
            text.append(blank)
            i = end
        # A quote after a digit is a digit separator (1'000), not a character literal.
        elif source[i] == '"' or (source[i] == "'" and not (source[i - 1:i].isdigit() and
                                                            source[i - 2:i] != "u8")):
            j = i + 1
            while j < n and source[j] not in (source[i], "\n"):
                j += 2 if source[j] == "\\" else 1
            literal = source[i:j + 1]
            code.append(literal[0] + "_" * (len(literal) - 2) + literal[-1])
            text.append(literal)
            i = j + 1
        else:
            code.append(source[i])
            text.append(source[i])
            i += 1
    return "".join(code), "".join(text)


LOOKUPS = {"InterfaceText": None, "DataFileErrorMessage": None}  # None: every argument
KEY_LITERAL = re.compile(r'\bu"([^"\\]*)"')
FIXED_TEXT_ROW = re.compile(r'FixedTextKey::\w+\s*,\s*u"([^"\\]*)"')
# A function or named lambda with a QStringView parameter, up to the brace that opens its body.
DEFINITION = re.compile(r"\b(\w+)\s*(=\s*\[[^\]]*\]\s*)?\(([^()]*\bQStringView\b[^()]*)\)"
                        r"[\w\s&:<>-]*\{")
PARAMETER = re.compile(r"\bQStringView\s+(\w+)\s*(?:=[^,]*)?$")
IDENTIFIER = re.compile(r"\b[A-Za-z_]\w*\b")


def closing_parenthesis(code, start, opener="(", closer=")"):
    """The position of the bracket that closes the one opened just before `start`."""
    depth = 1
    for i in range(start, len(code)):
        depth += {opener: 1, closer: -1}.get(code[i], 0)
        if depth == 0:
            return i
    return len(code)


def arguments(code, start, end):
    """[(from, to)] of the arguments between `start` and `end`, split at the top-level commas."""
    spans, depth, begin = [], 0, start
    for i in range(start, end):
        if code[i] in "([{":
            depth += 1
        elif code[i] in ")]}":
            depth -= 1
        elif code[i] == "," and depth == 0:
            spans.append((begin, i))
            begin = i + 1
    return spans + [(begin, end)]


def calls(code, lookups):
    """(name, [(from, to)] of the looked-up arguments) of every call of a lookup in `code`."""
    if not lookups:
        return
    pattern = re.compile(r"\b(" + "|".join(map(re.escape, lookups)) + r")\s*\(")
    for call in pattern.finditer(code):
        end = closing_parenthesis(code, call.end())
        spans = arguments(code, call.end(), end)
        positions = lookups[call.group(1)]
        yield call.group(1), [spans[p] for p in positions or range(len(spans)) if p < len(spans)]


def forwarders(code, lookups):
    """{name: (positions, lambda)} of the definitions in `code` that hand a QStringView
    parameter on to a call of a lookup."""
    found = {}
    for definition in DEFINITION.finditer(code):
        parameters = [PARAMETER.search(p.strip()) for p in definition.group(3).split(",")]
        names = {m.group(1): i for i, m in enumerate(parameters) if m}
        body = code[definition.end():closing_parenthesis(code, definition.end(), "{", "}")]
        positions = {names[word] for _, spans in calls(body, lookups) for a, b in spans
                     for word in IDENTIFIER.findall(body[a:b]) if word in names}
        if positions and definition.group(1) not in LOOKUPS:
            found[definition.group(1)] = (sorted(positions), bool(definition.group(2)))
    return found


def keys_in_source(source, lookups=None):
    code, text = split_literals(source)
    lookups = dict(LOOKUPS if lookups is None else lookups)
    # the file's own forwarders, a forwarder of a forwarder too
    while True:
        more = {name: positions for name, (positions, _) in forwarders(code, lookups).items()
                if name not in lookups}
        if not more:
            break
        lookups.update(more)
    keys = set()
    for _, spans in calls(code, lookups):
        for a, b in spans:
            keys.update(k for k in KEY_LITERAL.findall(text[a:b]) if KEY_SHAPE.fullmatch(k))
    keys.update(key for key in FIXED_TEXT_ROW.findall(text) if KEY_SHAPE.fullmatch(key))
    return keys


def sources():
    """{path relative to the root: text} of every *.cpp and *.h under src/ and tools/cli/."""
    found = {}
    for top in ("src", os.path.join("tools", "cli")):
        for folder, _, names in os.walk(os.path.join(ROOT, top)):
            for name in sorted(names):
                if name.endswith((".cpp", ".h")):
                    path = os.path.join(folder, name)
                    with open(path, encoding="utf-8") as f:
                        found[os.path.relpath(path, ROOT)] = f.read()
    return found


def keys_asked_by_code():
    """{key: first file asking for it} over src/ and tools/cli/."""
    files = sources()
    # Functions forward keys across files; their forwarders may sit in yet other files.
    lookups = dict(LOOKUPS)
    while True:
        more = {}
        for source in files.values():
            for name, (positions, is_lambda) in forwarders(split_literals(source)[0],
                                                            lookups).items():
                if not is_lambda and name not in lookups:
                    more[name] = positions
        if not more:
            break
        lookups.update(more)
    found = {}
    for path, source in sorted(files.items()):
        for key in keys_in_source(source, lookups):
            found.setdefault(key, path)
    return found


class FileShape(unittest.TestCase):
    """What the loader needs: BOM, CR LF, a "[Dynamic]" line, then key=text lines."""

    def test_bom_and_crlf(self):
        for lang in LANGUAGES:
            with self.subTest(lang=lang):
                raw = read_strings(lang)
                self.assertTrue(raw.startswith(b"\xef\xbb\xbf"))
                self.assertTrue(raw.endswith(b"\r\n"))
                self.assertEqual(raw.count(b"\n"), raw.count(b"\r\n"), "bare LF")
                self.assertEqual(raw.count(b"\r"), raw.count(b"\r\n"), "bare CR")

    def test_dynamic_section(self):
        for lang in LANGUAGES:
            with self.subTest(lang=lang):
                lines = read_strings(lang)[3:].decode("utf-8").split("\r\n")
                self.assertEqual(lines.count("[Dynamic]"), 1)
                seen = {}
                for key, text in dynamic_entries(read_strings(lang)):
                    self.assertIsNotNone(text, f"no '=' in {key!r}")
                    self.assertRegex(key, r"^[A-Za-z0-9]+$")
                    self.assertNotEqual(text, "", key)
                    # The loader turns '#' into a new table line, so the text would stop there.
                    self.assertNotIn("#", text, key)
                    self.assertFalse(key.lower() in seen, f"{key} repeats {seen.get(key.lower())}")
                    seen[key.lower()] = key

    def test_control_section_keeps_to_comments_and_control_lines(self):
        # Before the table is prepared every raw line is searched for keys, so a stray
        # "Key=..." line above "[Dynamic]" would shadow the real text.
        for lang in LANGUAGES:
            with self.subTest(lang=lang):
                lines = read_strings(lang)[3:].decode("utf-8").split("\r\n")
                keys = {k.lower() for k in texts(lang)}
                for line in lines[:lines.index("[Dynamic]")]:
                    self.assertNotIn(line.split("=", 1)[0].lower(), keys, line)


class BothLanguages(unittest.TestCase):

    def test_same_keys_in_the_same_order(self):
        rus = [k for k, _ in dynamic_entries(read_strings("rus"))]
        eng = [k for k, _ in dynamic_entries(read_strings("eng"))]
        self.assertEqual(sorted(set(rus) - set(eng)), [], "only in Russian")
        self.assertEqual(sorted(set(eng) - set(rus)), [], "only in English")
        self.assertEqual(rus, eng)

    def test_same_controls_in_the_same_order(self):
        self.assertEqual(control_targets(read_strings("rus")), control_targets(read_strings("eng")))

    def test_same_substitutions(self):
        rus, eng = texts("rus"), texts("eng")
        for key in rus.keys() & eng.keys():
            with self.subTest(key=key):
                self.assertEqual(rus[key].count("%s"), eng[key].count("%s"))
                self.assertNotRegex(rus[key] + eng[key], r"%[^s]")


class Texts(unittest.TestCase):

    def test_spaces_at_the_edges(self):
        for lang in LANGUAGES:
            for key, text in texts(lang).items():
                with self.subTest(lang=lang, key=key):
                    self.assertEqual(text.endswith(" "), key in ENDS_WITH_SPACE)
                    self.assertEqual(text.startswith(" "), key in STARTS_WITH_SPACE)
                    self.assertNotIn("  ", text)
                    self.assertNotIn("\t", text)

    def test_texts_survive_the_8bit_code_pages(self):
        # Texts in 8-bit controls pass through the base page 1251, English names through 1252.
        for lang, pages in (("rus", ("cp1251",)), ("eng", ("cp1251", "cp1252"))):
            for key, text in texts(lang).items():
                for page in pages:
                    with self.subTest(lang=lang, key=key, page=page):
                        text.encode(page)

    def test_default_names_fit_a_participant_name(self):
        for lang in LANGUAGES:
            strings = texts(lang)
            for key in ("DefaultNamePlayer", "DefaultNamePC"):
                with self.subTest(lang=lang, key=key):
                    self.assertIn(key, strings)
                    self.assertLessEqual(len(strings[key]), NAME_WIDTH)
                    self.assertEqual(strings[key], strings[key].strip())

    def test_messages_fit_the_message_window(self):
        for lang in LANGUAGES:
            for key, text in texts(lang).items():
                if MESSAGE_WINDOW.match(key):
                    with self.subTest(lang=lang, key=key):
                        self.assertLessEqual(len(text.replace("%s", LONGEST_WORD)),
                                             MESSAGE_WINDOW_LIMIT)

    def test_russian_texts_use_russian_quotes(self):
        for key, text in texts("rus").items():
            with self.subTest(key=key):
                self.assertNotIn('"', text)
                self.assertEqual(text.count("«"), text.count("»"))


class KeyScan(unittest.TestCase):
    """The scanning rule of the docstring, on small samples."""

    def test_calls_across_lines_and_both_branches(self):
        source = '''
            a = game.InterfaceText(
                u"First");
            b = InterfaceText(flag ? u"Second" : u"Third");
            c = SubstituteWord(game.InterfaceText(u"Fourth"), word, page);
            DataFileErrorMessage(*error, game.Strings, u"Fifth",
                                 u"Sixth"), {});
            d = InterfaceText(u"Key with spaces is no key");
            e = InterfaceText(sep == u')' ? u"Seventh" : u"Eighth") + QChar(u'(');
            f = 1'000 + InterfaceText(u"Ninth");
        '''
        self.assertEqual(keys_in_source(source),
                         {"First", "Second", "Third", "Fourth", "Fifth", "Sixth",
                          "Seventh", "Eighth", "Ninth"})

    def test_rows_of_the_fallback_table(self):
        source = '''
            {FixedTextKey::PlayerMoves, u"Tenth", u" fallback"},
            {FixedTextKey::LensCaption,
             u"Eleventh", u"Лупа"},
            // {FixedTextKey::Old, u"Commented", u"gone"},
            if (key == FixedTextKey::PlayerMoves) Show(u"NotAKey");
        '''
        self.assertEqual(keys_in_source(source), {"Tenth", "Eleventh"})

    def test_keys_handed_on_by_functions_and_lambdas(self):
        source = '''
            QString Caption(const Game& game, QStringView key, int n) {
              return game.InterfaceText(key) + QString::number(n);
            }
            std::string Named(QStringView key) const { return Caption(game, key, 1); }
            const auto hint = [&game](QStringView key, QStringView suffix) {
              return u' ' + game.InterfaceText(key) + suffix;
            };
            bool Same(QStringView key, QStringView other) { return key == other; }
            a = Caption(game, u"First", 2);
            b = Named(flag ? u"Second" : u"Third");
            c = hint(u"Fourth", u"Suffix");
            d = Show(u"Shown", Caption(game, u"Fifth", 3));
            e = Same(u"Compared", u"Keys");
        '''
        self.assertEqual(keys_in_source(source), {"First", "Second", "Third", "Fourth", "Fifth"})

    def test_comments_strings_and_other_calls_are_not_keys(self):
        source = '''
            // InterfaceText(u"InAComment")
            /* DataFileErrorMessage(x, y, u"InABlock", u"Comment") */
            QString InterfaceText(QStringView key) const;
            Show(u"NotALookup", InterfaceText(u"Looked"));
            const auto s = u"InterfaceText(u\\"InAString\\")";
            InterfaceText(u"Paren)Inside") + u"After";
        '''
        self.assertEqual(keys_in_source(source), {"Looked"})


class CodeKeys(unittest.TestCase):

    @classmethod
    def setUpClass(cls):
        cls.asked = keys_asked_by_code()

    def test_the_scan_finds_the_lookups(self):
        self.assertGreaterEqual(len(self.asked), 5, sorted(self.asked))

    def test_every_key_of_the_code_is_in_both_files(self):
        for lang in LANGUAGES:
            have = {k.lower() for k in texts(lang)}
            missing = {k: f for k, f in self.asked.items() if k.lower() not in have}
            with self.subTest(lang=lang):
                self.assertEqual(missing, {})

    def test_every_key_of_the_files_is_asked_by_the_code(self):
        asked = {k.lower() for k in self.asked}
        for lang in LANGUAGES:
            with self.subTest(lang=lang):
                self.assertEqual([k for k in texts(lang) if k.lower() not in asked], [])


if __name__ == "__main__":
    args = sys.argv[1:]
    if args and not args[0].startswith("-"):
        ROOT = os.path.abspath(args.pop(0))
    unittest.main(argv=[sys.argv[0]] + args)
