"""Readers for the Debian dictionary packages the word lists are built from,
and the writer for the game's data file format.

Packages read here (installed with apt-get, nothing else is fetched):
  hunspell-ru            /usr/share/hunspell/ru_RU.dic, ru_RU.aff
  mueller7-dict          /usr/share/dictd/mueller7.dict.dz
  dict-freedict-eng-rus  /usr/share/dictd/freedict-eng-rus.dict.dz
  wamerican*, wbritish*  /usr/share/dict/{american,british}-english*
  wordnet-base           /usr/share/wordnet (for build_explanations.py)

Not run on its own; build_rus.py and build_eng.py import it.
"""

import collections
import gzip
import os
import re
import sys

HUNSPELL_DIR = os.environ.get("QUORIM_HUNSPELL_DIR", "/usr/share/hunspell")
DICTD_DIR = os.environ.get("QUORIM_DICTD_DIR", "/usr/share/dictd")
WORDLIST_DIR = os.environ.get("QUORIM_WORDLIST_DIR", "/usr/share/dict")

REPO_ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def need(path, package):
    if not os.path.exists(path):
        sys.exit(f"missing {path}: apt-get install {package}")
    return path


# ---------------------------------------------------------------- output

def write_data_file(path, lines):
    """UTF-8 with BOM, CR LF, no empty lines: what the game's loader expects."""
    for line in lines:
        if not line or "\n" in line or "\r" in line:
            raise ValueError(f"bad line for {path}: {line!r}")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(b"\xef\xbb\xbf")
        f.write("".join(line + "\r\n" for line in lines).encode("utf-8"))


THEME_KEYS = [
    ("DCommom", "C"),  # the game reads this key with this spelling
    ("DExtended1", "E"),
    ("DExtended2", "F"),
    ("DExtended3", "G"),
    ("DExtended4", "H"),
    ("DExtended5", "I"),
    ("DChildren", "K"),
]


def themes_lines(titles):
    """titles: {letter: display title} for the themes the dictionary uses."""
    lines = [f"{key}={letter}" for key, letter in THEME_KEYS]
    lines.append("[DictionaryThemes]")
    order = [letter for _, letter in THEME_KEYS]
    for letter in sorted(titles, key=order.index):
        lines.append(f"{letter}={titles[letter]}")
    lines.append("endoffile")
    return lines


def dictionary_lines(themes_by_word, sort_key):
    """themes_by_word: {WORD: set of theme letters}."""
    order = [letter for _, letter in THEME_KEYS]
    out = []
    for word in sorted(themes_by_word, key=sort_key):
        letters = "".join(sorted(themes_by_word[word], key=order.index))
        out.append(f"{word}={letters}" if letters else word)
    return out


# ---------------------------------------------------------------- hunspell

class Hunspell:
    """Just enough of the .aff format (SFX groups) to expand a stem."""

    def __init__(self, directory=HUNSPELL_DIR, name="ru_RU"):
        aff = need(os.path.join(directory, name + ".aff"), "hunspell-ru")
        dic = need(os.path.join(directory, name + ".dic"), "hunspell-ru")
        self.suffixes = {}
        with open(aff, encoding="utf-8") as f:
            for line in f:
                parts = line.split()
                if len(parts) >= 5 and parts[0] == "SFX":
                    flag, strip, add, cond = parts[1], parts[2], parts[3], parts[4]
                    strip = "" if strip == "0" else strip
                    add = "" if add == "0" else add.split("/")[0]
                    self.suffixes.setdefault(flag, []).append(
                        (strip, add, re.compile("(?:" + cond + ")$")))
        self.entries = []  # (word, flags) in file order
        with open(dic, encoding="utf-8") as f:
            next(f)  # entry count
            for line in f:
                line = line.strip()
                if not line:
                    continue
                word, _, flags = line.partition("/")
                self.entries.append((word, flags))

    def expand(self, word, flags):
        forms = {word}
        for flag in flags:
            for strip, add, cond in self.suffixes.get(flag, ()):
                if cond.search(word) and word.endswith(strip):
                    forms.add(word[:len(word) - len(strip)] + add)
        return forms


# ---------------------------------------------------------------- dictd

def read_dictd(name):
    path = need(os.path.join(DICTD_DIR, name + ".dict.dz"),
                {"mueller7": "mueller7-dict"}.get(name, "dict-" + name))
    with gzip.open(path, "rt", encoding="utf-8") as f:
        return f.read()


_POS = {
    "n": "noun", "v": "verb", "a": "adj", "adv": "adv", "pron": "pron",
    "prep": "prep", "cj": "conj", "conj": "conj", "int": "interj",
    "interj": "interj", "n-card": "num", "n-ord": "num", "predic": "predic",
    "pref": "affix", "suf": "affix", "suff": "affix", "p-p": "verb",
    "pres-p": "verb", "p": "verb", "refl": "pron", "poss": "pron",
    "pers": "pron", "demonstr": "pron", "indef": "pron", "inter": "pron",
    "emph": "pron", "recipr": "pron", "rel": "pron", "obj": "pron",
}
_POS_RE = re.compile(r"(?<![\w-])_(" + "|".join(sorted(map(re.escape, _POS), key=len, reverse=True)) + r")\.")
_HOMONYM_RE = re.compile(r"(?<!\w)_(?:I|II|III|IV|V|VI)(?!\w)")
_LABEL_RE = re.compile(r"_[^\s.]+\.")
_SENSE_RE = re.compile(r"(?<![\w(])(\d+)\)")
_CYR_WORD = re.compile(r"^[а-яё]+$")
# Labels that turn a segment of a noun article into something that is not a
# plain noun equivalent.
_SKIP_LABELS = ("_attr.", "_сокр.", "_собир.", "_predic.")


def _drop_parens(text):
    out, depth = [], 0
    for ch in text:
        if ch == "(":
            depth += 1
        elif ch == ")" and depth:
            depth -= 1
        elif depth == 0:
            out.append(ch)
    return "".join(out)


Equivalent = collections.namedtuple(
    "Equivalent", "head pos sense word article_pos first_pos rank shared labels")


def mueller_equivalents():
    """Yields an Equivalent for every translation that is a single Russian word
    standing alone between separators, which is how the dictionary gives a
    plain equivalent. pos is the part of speech of the English sense,
    article_pos all parts of speech of the article, first_pos the one it
    starts with, rank how many equivalents of this part of speech came
    before in the article, labels the usage labels of the sense (_разг.,
    _мед., ...); shared is set when a longer
    phrase follows in the same group ("тяжёлая, нудная работа"), where the
    word may be an adjective of that phrase's noun."""
    for head, body in dictd_articles("mueller7"):
        if head.startswith("00") or head.startswith("_"):
            continue
        body = re.sub(r"\[[^\]]*\]", " ", body)  # transcription
        found_pos = [_POS[m] for m in _POS_RE.findall(body)]
        article_pos = frozenset(found_pos)
        first_pos = found_pos[0] if found_pos else None
        rank = collections.Counter()
        for chunk in _HOMONYM_RE.split(body):
            pieces = _POS_RE.split(chunk)
            # pieces: text, pos, text, pos, text ...
            for i in range(1, len(pieces), 2):
                pos = _POS[pieces[i]]
                text = pieces[i + 1]
                # "1. _n. ... 2. _v." - the number of the next part of speech
                text = re.sub(r"(?:^|\s)\d+\.\s*$", " ", text)
                sense = 1
                for j, part in enumerate(_SENSE_RE.split(text)):
                    if j % 2 == 1:
                        sense = int(part)
                        continue
                    labels = frozenset(_LABEL_RE.findall(part))
                    for found, shared in _sense_words(_drop_parens(part)):
                        yield Equivalent(head, pos, sense, found, article_pos,
                                         first_pos, rank[pos], shared, labels)
                        rank[pos] += 1


def _sense_words(text):
    """(word, shared) for the single-word equivalents of one sense."""
    for group in text.replace(":", ";").split(";"):
        segs = group.split(",")
        words = []
        stop = False
        for seg in segs:
            if any(label in seg for label in _SKIP_LABELS):
                # "_attr. машинный, моторный": the rest of the sense is adjectives
                stop = True
                break
            seg = _LABEL_RE.sub(" ", seg).strip().rstrip("!?").strip()
            latin = re.search(r"[A-Za-z]", seg)
            if latin:
                # usage examples follow; only a word before them counts
                seg = seg[:latin.start()].strip()
                stop = True
            words.append(seg)
            if stop:
                break
        for k, seg in enumerate(words):
            if _CYR_WORD.match(seg):
                shared = any(" " in later.strip() for later in words[k + 1:])
                yield seg, shared
        if stop:
            return


def freedict_equivalents():
    """Yields (english headword, russian word) from dict-freedict-eng-rus for
    translations that are a single Russian word."""
    for head, _, text in freedict_senses():
        for seg in re.split(r"[;,]", _drop_parens(text)):
            seg = seg.strip()
            if _CYR_WORD.match(seg):
                yield head, seg


def wordlist(name):
    """Lines of /usr/share/dict/<name>, or None if that size is not installed."""
    path = os.path.join(WORDLIST_DIR, name)
    if not os.path.exists(path):
        return None
    with open(path, encoding="utf-8") as f:
        return [line.rstrip("\n") for line in f]


def write_language(out_dir, themes, sort_key, titles, nochange):
    """Writes dictionary.txt, themes.txt (titles of the themes in use) and nochange.txt."""
    write_data_file(os.path.join(out_dir, "dictionary.txt"), dictionary_lines(themes, sort_key))
    used = {letter for t in themes.values() for letter in t}
    write_data_file(os.path.join(out_dir, "themes.txt"),
                    themes_lines({k: v for k, v in titles.items() if k in used}))
    write_data_file(os.path.join(out_dir, "nochange.txt"), [nochange])  # one line of letters


# ---------------------------------------------------------------- dictd, by the index

_B64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"


def _b64_number(text):
    n = 0
    for ch in text:
        n = n * 64 + _B64.index(ch)
    return n


def dictd_articles(name):
    """Yields (headword, body joined into one line) in file order, cut at the
    offsets of the .index file: a wrapped line of an article may start
    without indentation, so the text alone does not tell where one ends."""
    package = {"mueller7": "mueller7-dict"}.get(name, "dict-" + name)
    index = need(os.path.join(DICTD_DIR, name + ".index"), package)
    path = need(os.path.join(DICTD_DIR, name + ".dict.dz"), package)
    with gzip.open(path, "rb") as f:
        raw = f.read()
    spans = set()
    with open(index, encoding="utf-8") as f:
        for line in f:
            parts = line.rstrip("\n").split("\t")
            if len(parts) >= 3 and not parts[0].startswith("00"):
                spans.add((_b64_number(parts[1]), _b64_number(parts[2])))
    for start, length in sorted(spans):
        head, _, body = raw[start:start + length].decode("utf-8").partition("\n")
        head = head.strip()
        if head:
            yield head, " ".join(l.strip() for l in body.split("\n") if l.strip())


MuellerSense = collections.namedtuple("MuellerSense", "head homonym pos mark sense text preamble")


def mueller_senses():
    """Yields a MuellerSense for every numbered sense of every part of speech
    of every Mueller article, split the way mueller_equivalents splits them:
    homonym is 0 for the first (_I), pos as in _POS (None when the part has no
    part-of-speech label, as in "_pl. от child"), mark the label as written
    ("p-p" for _p-p.), text the sense with transcriptions removed but labels,
    parentheses and examples kept, preamble what stands between the part of
    speech and its first numbered sense ("_разг."), which applies to all of
    them."""
    for head, body in dictd_articles("mueller7"):
        if head.startswith("_"):
            continue
        body = re.sub(r"\[[^\]]*\]", " ", body)
        for homonym, chunk in enumerate(c for c in _HOMONYM_RE.split(body) if c.strip()):
            pieces = _POS_RE.split(chunk)
            if len(pieces) == 1:
                yield MuellerSense(head, homonym, None, None, 1, " ".join(chunk.split()), "")
                continue
            for i in range(1, len(pieces), 2):
                text = re.sub(r"(?:^|\s)\d+\.\s*$", " ", pieces[i + 1])
                parts = [" ".join(p.split()) for p in _SENSE_RE.split(text)]
                if len(parts) == 1:
                    if parts[0]:
                        yield MuellerSense(head, homonym, _POS[pieces[i]], pieces[i],
                                           1, parts[0], "")
                    continue
                for j in range(1, len(parts), 2):
                    if parts[j + 1]:
                        yield MuellerSense(head, homonym, _POS[pieces[i]], pieces[i],
                                           int(parts[j]), parts[j + 1], parts[0])


def mueller_sense_words(text):
    """The single-word equivalents of one sense's text, in order, as
    mueller_equivalents finds them: [(word, shared)]."""
    return list(_sense_words(_drop_parens(text)))


def freedict_senses():
    """Yields (english headword, sense number, text) from dict-freedict-eng-rus,
    one per translation line ("1. американский" gives 1, "американский")."""
    text = read_dictd("freedict-eng-rus")
    head = None
    for line in text.split("\n"):
        line = line.strip()
        m = re.match(r"^(.+?) /[^/]*/?$", line)
        if m:
            head = m.group(1)
            continue
        if head is None or not line or not re.search(r"[а-яё]", line):
            continue
        m = re.match(r"^(\d+)\.\s*(.*)$", line)
        yield (head, int(m.group(1)), m.group(2)) if m else (head, 1, line)


# ---------------------------------------------------------------- WordNet

WORDNET_DIR = os.environ.get("QUORIM_WORDNET_DIR", "/usr/share/wordnet")
WORDNET_POS = ("noun", "verb", "adj", "adv")


class WordNet:
    """The parts of wordnet-base the explanations need: for each part of
    speech the lemmas with their synsets in sense order, the glosses, the
    SemCor tag count of each sense and the morphology exception lists."""

    _SS_TYPE = {"1": "noun", "2": "verb", "3": "adj", "4": "adv", "5": "adj"}

    def __init__(self, directory=WORDNET_DIR):
        self.senses = {}   # pos -> {lemma: [synset offset, ...]}
        self.glosses = {}  # pos -> {offset: gloss}
        self.exceptions = {}  # pos -> {inflected form: [base, ...]}
        self.hypernyms = {}  # noun synset offset -> [offset, ...]
        self.words = {}  # (pos, offset) -> the synset's words as written (Rome, rome)
        for pos in WORDNET_POS:
            index = {}
            with open(need(os.path.join(directory, "index." + pos), "wordnet-base"),
                      encoding="utf-8") as f:
                for line in f:
                    if line.startswith(" "):
                        continue  # the licence at the top
                    fields = line.split()
                    synsets = int(fields[2])
                    index[fields[0]] = fields[len(fields) - synsets:]
            self.senses[pos] = index
            glosses = {}
            words = self.words
            with open(os.path.join(directory, "data." + pos), encoding="utf-8") as f:
                for line in f:
                    if line.startswith(" "):
                        continue
                    head, _, gloss = line.partition(" | ")
                    fields = head.split()
                    glosses[fields[0]] = gloss.strip()
                    words[pos, fields[0]] = [re.sub(r"\(\w+\)$", "", w)
                                             for w in fields[4:4 + 2 * int(fields[3], 16):2]]
                    if pos == "noun":
                        at = 4 + 2 * int(fields[3], 16)
                        pointers = fields[at + 1:at + 1 + 4 * int(fields[at])]
                        self.hypernyms[fields[0]] = [
                            pointers[k + 1] for k in range(0, len(pointers), 4)
                            if pointers[k] in ("@", "@i") and pointers[k + 2] == "n"]
            self.glosses[pos] = glosses
            exc = {}
            with open(os.path.join(directory, pos + ".exc"), encoding="utf-8") as f:
                for line in f:
                    fields = line.split()
                    if len(fields) >= 2:
                        exc.setdefault(fields[0], []).extend(fields[1:])
            self.exceptions[pos] = exc
        self.tag_counts = collections.Counter()  # (lemma, pos, sense number)
        with open(os.path.join(directory, "cntlist.rev"), encoding="utf-8") as f:
            for line in f:
                fields = line.split()
                if len(fields) == 3:
                    lemma, _, rest = fields[0].partition("%")
                    pos = self._SS_TYPE.get(rest[:1])
                    if pos:
                        self.tag_counts[lemma, pos, int(fields[1])] += int(fields[2])

    # morphy's detachment rules: (inflected ending, base ending)
    SUFFIXES = {
        "noun": [("s", ""), ("ses", "s"), ("xes", "x"), ("zes", "z"), ("ches", "ch"),
                 ("shes", "sh"), ("men", "man"), ("ies", "y")],
        "verb": [("s", ""), ("ies", "y"), ("es", "e"), ("es", ""), ("ed", "e"), ("ed", ""),
                 ("ing", "e"), ("ing", "")],
        "adj": [("er", ""), ("est", ""), ("er", "e"), ("est", "e")],
        "adv": [],
    }

    def base_forms(self, word, pos):
        """Lemmas the word may be an inflected form of, as WordNet's morphy
        finds them: the exception list, then the suffix rules. Unchecked: the
        rules also offer hop for hoping."""
        out = [b for b in self.exceptions[pos].get(word, ()) if b != word]
        for ending, base in self.SUFFIXES[pos]:
            if word.endswith(ending) and len(word) > len(ending):
                candidate = word[:len(word) - len(ending)] + base
                if candidate not in out:
                    out.append(candidate)
        return [b for b in out if b in self.senses[pos]]

    def lemma_senses(self, lemma, pos, names=True):
        """[(sense number, gloss)] of a lemma in WordNet's order; without the
        senses where the synset writes it capitalised (Durant, Mars) unless
        names is set."""
        out = []
        for n, offset in enumerate(self.senses[pos].get(lemma, ()), 1):
            if not names:
                written = [w for w in self.words[pos, offset] if w.lower() == lemma]
                if written and all(w[0].isupper() for w in written):
                    continue
            out.append((n, self.glosses[pos][offset]))
        return out

    def noun_ancestors(self, lemma, depth, senses=None):
        """The synsets of the lemma's first senses (all by default) as a noun
        and their hypernyms up to depth steps up."""
        found = set(self.senses["noun"].get(lemma, ())[:senses])
        layer = found
        for _ in range(depth):
            layer = {h for offset in layer for h in self.hypernyms.get(offset, ())} - found
            found |= layer
        return found

    def frequency(self, lemma, pos):
        """How often the lemma was tagged in SemCor in this part of speech."""
        return sum(self.tag_counts[lemma, pos, n]
                   for n in range(1, len(self.senses[pos].get(lemma, ())) + 1))
