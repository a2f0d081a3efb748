#!/usr/bin/env python3
"""Builds the Russian word list: data/dict/rus/{dictionary,themes,nochange}.txt.

Debian source packages:
  hunspell-ru            which words are nouns, from the affix flags of ru_RU.dic
  mueller7-dict          nouns given as plain equivalents of English nouns:
                         indeclinable and irregular nouns, nouns made from
                         adjectives, plural-only nouns, and the common theme
  dict-freedict-eng-rus  basic vocabulary, for the children's theme
  wamerican-small        which English headwords are everyday words

Run from anywhere (output is byte-identical for the same package versions):
  apt-get install hunspell-ru mueller7-dict dict-freedict-eng-rus wamerican-small
  python3 tools/data/build_rus.py [--report]
"""

import collections
import os
import re
import sys

import sources

OUT_DIR = os.path.join(sources.REPO_ROOT, "data", "dict", "rus")
ALPHABET = "АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"
MIN_LEN, MAX_LEN = 2, 15
VOWELS = set("аеёиоуыэюя")

# Declension paradigms of ru_RU.aff. A, S, X, Z belong to adjectives; B, D, L,
# M, P, Q, R, T, U, V, W, Y to verbs. E and G also carry the comparative
# (-ее/-ей) and surname-like (-ого/-ому) forms, so they count only without A.
NOUN_FLAGS = set("FHIJKNO")
WEAK_NOUN_FLAGS = set("EG")
ADJ_FLAG = "A"

# Abstract nouns; the children's theme wants things one can point at.
ABSTRACT_ENDINGS = ("ость", "есть", "ство", "ние", "тие", "ция", "изм", "ура",
                    "ота", "ета", "тва", "ьба", "ика", "ло")
# Usage labels of Mueller's senses that keep a word out of the children's theme.
NOT_FOR_CHILDREN = frozenset(
    "_груб. _бран. _вульг. _непр. _мед. _анат. _физиол. _жарг. _разг. _презр. "
    "_уст. _ист. _юр. _тех. _хим. _воен. _ком. _фин. _эк. _церк. _библ.".split())
# Nouns a children's game should not offer even when the dictionaries pair
# them with basic English words.
NOT_FOR_CHILDREN_WORDS = frozenset("""сука сперма труп героин напалм садист расист
маньяк кретин морг клизма идиот дьявол ведьма гарем убийца тюрьма гной гнида
вошь могила смерть гибель член табу""".split())
# Adjectives used as nouns keep their adjective endings.
SUBST_ENDINGS = ("ая", "яя", "ое", "ее", "ый", "ий", "ой")
OBLIQUE_ENDINGS = ("ами", "ями", "ов", "ев", "ей", "ий", "ем", "ом", "ью", "ам", "ям",
                   "ах", "ях", "ы", "и", "у", "ю")

# Plural-only words with a meaning of their own (watch, election, backgammon)
# that look like the plural of another noun of ru_RU.dic (час, выбор, нард).
PLURAL_ONLY_FORMS = ("часы", "духи", "выборы", "трусы", "кавычки", "проводы", "нарды",
                     "сени", "счеты", "бредни", "выселки")

TITLES = {
    "C": "Общеупотребительные слова",
    "E": "Редкие и специальные слова",
    "K": "Детский словарь",
}
# Kept on exchange: the vowels (without the rare Э, Ю, Ё) and the consonants
# that start or end most words.
NOCHANGE = "АЕИОУЯВКЛМНПРСТ"


def to_game(word):
    return word.replace("ё", "е").upper()


def game_key(word):
    return [ALPHABET.index(ch) for ch in word]


def playable(word):
    return MIN_LEN <= len(word) <= MAX_LEN and all(ch in ALPHABET for ch in word)


def plural_singulars(word):
    """Nominative singulars a plural form may come from (сны <- сон,
    листья <- лист, имена <- имя, дочери <- дочь, хозяева <- хозяин)."""
    w = word.replace("ё", "е")
    stems = set()
    for ending in ("ья", "ы", "и", "а", "я", "е"):
        if w.endswith(ending) and len(w) > len(ending) + 1:
            stems.add(w[:-len(ending)])
    for ending, sing in (("ена", "я"), ("еса", "о"), ("ева", "ин"), ("ери", "ь"),
                         ("ята", "енок"), ("ата", "онок"), ("ане", "анин"),
                         ("яне", "янин"), ("овья", ""), ("евья", ""), ("ья", "ин")):
        if w.endswith(ending) and len(w) > len(ending) + 1:
            stems.add(w[:-len(ending)] + sing)
    out = set()
    for stem in stems:
        variants = {stem}
        # consonant alternations: уши/ухо, очи/око, друзья/друг
        for a, b in (("ш", "х"), ("ч", "к"), ("з", "г"), ("ж", "г")):
            if stem.endswith(a):
                variants.add(stem[:-1] + b)
        # fleeting vowel: сны/сон, львы/лев, пни/пень
        if len(stem) >= 2 and stem[-1] not in VOWELS:
            head, last = stem[:-1], stem[-1]
            if head.endswith("ь") or head.endswith("й"):
                variants.add(head[:-1] + "е" + last)
            variants.add(head + "о" + last)
            variants.add(head + "е" + last)
        for v in variants:
            out.update({v, v + "ь", v + "й", v + "а", v + "я", v + "о", v + "е"})
    out.discard(w)
    return out


class Evidence:
    """What the English-Russian dictionaries say about Russian words."""

    def __init__(self):
        everyday = {w for w in (sources.wordlist("american-english-small") or [])
                    if re.fullmatch(r"[a-z]+", w)}
        if not everyday:
            sys.exit("missing /usr/share/dict/american-english-small: apt-get install wamerican-small")
        self.everyday = everyday
        self.noun_eq = collections.Counter()
        self.plain_noun_eq = collections.defaultdict(set)  # (head, sense), unshared
        # the first word Mueller gives for a plain English noun (sparrow, taxi)
        self.first_equivalents = set()
        self.other_eq = collections.Counter()
        self.function_eq = collections.Counter()  # as adjective, adverb, pronoun...
        self.numerals = set()
        self.common = set()  # equivalents of everyday English nouns
        # Basic English: short everyday words that are nouns first of all and
        # have a plural (cat, cup, tree; not fear, apathy).
        def basic(h):
            return (3 <= len(h) <= 6 and h in everyday
                    and (h + "s" in everyday or h + "es" in everyday))
        self.basic_english = set()
        children_pairs = []
        for eq in sources.mueller_equivalents():
            if eq.pos == "noun":
                self.noun_eq[eq.word] += 1
                if not eq.shared:
                    self.plain_noun_eq[eq.word].add((eq.head, eq.sense))
                    if eq.sense == 1 and eq.rank == 0 and re.fullmatch(r"[a-z]+", eq.head):
                        self.first_equivalents.add(eq.word)
                if eq.head in everyday and eq.sense <= 3:
                    self.common.add(eq.word)
                if (eq.sense == 1 and eq.rank == 0 and eq.first_pos == "noun"
                        and basic(eq.head) and not eq.labels & NOT_FOR_CHILDREN):
                    self.basic_english.add(eq.head)
                    children_pairs.append((eq.head, eq.word))
            else:
                self.other_eq[eq.word] += 1
                if eq.pos != "verb":
                    self.function_eq[eq.word] += 1
                if eq.pos == "num":
                    self.numerals.add(eq.word)
        freedict = list(sources.freedict_equivalents())
        self.common.update(r for h, r in freedict if h in everyday)
        # FreeDict's basic vocabulary confirms a pair, it does not add words
        # of its own: its headwords lean heavily on a- and b-.
        children_pairs += [(h, r) for h, r in freedict if h in self.basic_english]
        # (english, russian) pairs a child would learn together
        self.children_pairs = set(children_pairs)

    def noun_equivalent(self, word):
        return self.noun_eq[word] > 0 and self.noun_eq[word] >= self.other_eq[word]


def compute(ev=None, report=False):
    """{GAME WORD: set of theme letters}."""
    hun = sources.Hunspell()
    ev = ev or Evidence()
    noun_eq, other_eq, plain_noun_eq = ev.noun_eq, ev.other_eq, ev.plain_noun_eq
    noun_equivalent = ev.noun_equivalent

    def oblique_form(word, lemmas):
        """чучел (of чучело), дренажем (of дренаж): forms hunspell lists
        without flags next to the lemma."""
        if (word + "о" in lemmas or word + "а" in lemmas) and noun_eq[word] < 2:
            return True  # a genitive plural given once, not рот (рота)
        for ending in OBLIQUE_ENDINGS:
            if word.endswith(ending) and len(word) > len(ending) + 1:
                stem = word[:-len(ending)]
                if any(stem + x in lemmas for x in ("", "о", "а", "ь", "е", "я", "ие", "ия", "ье")):
                    return True
        return False

    # ---- nouns by paradigm
    nouns = set()
    plural_lemmas = {}
    adj_forms = {}   # feminine/neuter/masculine singular -> adjective lemma
    generated = set()
    flagless = []
    lowercase = set()
    for word, flags in hun.entries:
        if not re.fullmatch(r"[а-яё]+", word):
            continue  # names, abbreviations, hyphenated words
        lowercase.add(word)
        if not flags:
            flagless.append(word)
            continue
        forms = hun.expand(word, flags)
        generated.update(forms - {word})
        fl = set(flags)
        if ADJ_FLAG in fl:
            for form in forms:
                if form.endswith(SUBST_ENDINGS):
                    adj_forms.setdefault(form, word)
        if fl & NOUN_FLAGS:
            if "O" in fl and not fl - {"O"} and word.endswith("ий"):
                continue  # possessive adjectives share O: волчий, третий
            if "O" in fl and word.endswith(("ы", "и", "а", "я", "е")) and not fl - {"O"}:
                plural_lemmas[word] = flags
            else:
                nouns.add(word)
        elif fl & WEAK_NOUN_FLAGS and ADJ_FLAG not in fl and not word.endswith("ее"):
            nouns.add(word)

    rejected = collections.defaultdict(list)

    # Irregular and indeclinable nouns (мать, путь, кофе, пальто) carry no
    # flags, like adverbs and particles do; Mueller tells them apart.
    flagged_nouns = set(nouns)
    flagless_set = set(flagless)
    for word in flagless:
        if not noun_eq[word] or (word in generated and noun_eq[word] < 3):
            continue  # not a noun, or a form of another word (сна, дома; not рот)
        if ev.function_eq[word] or other_eq[word] >= noun_eq[word]:
            rejected["flagless, also an adjective, adverb, pronoun..."].append(word)
        elif (oblique_form(word, flagged_nouns | flagless_set)
              and not (word in ev.first_equivalents and not word.endswith("ий"))):
            # воробей and такси only look like forms of a listed noun; прений
            # (of прения) is given as "участник прений", so -ий stays out
            rejected["flagless, oblique form"].append(word)
        elif word.startswith("пол") and word[3:] in generated:
            rejected["flagless, half of something"].append(word)
        else:
            nouns.add(word)

    # Plural-only nouns share paradigm O with irregular plurals (сны, листья);
    # a plural whose singular is in the list is only a form of it, unless the
    # dictionary gives the plural for a singular English noun (сани, очки).
    singular_nouns = set(nouns)
    for word in sorted(plural_lemmas):
        if not plural_singulars(word) & singular_nouns:
            nouns.add(word)
        elif noun_equivalent(word):
            nouns.add(word)
        else:
            rejected["plural of a listed noun"].append(word)

    # Plural-only nouns whose form hunspell generates only from another
    # noun's paradigm (часы from час, выборы from выбор).
    for word in PLURAL_ONLY_FORMS:
        if word not in generated and word not in plural_lemmas:
            sys.exit(f"{word} is no longer in ru_RU.dic; check PLURAL_ONLY_FORMS")
        nouns.add(word)

    # Adjectives used as nouns (животное, столовая, рабочий) have no entry of
    # their own; take those Mueller gives on their own (not before a phrase's
    # noun) for two English nouns, one of them in its first sense.
    for form in sorted(adj_forms):
        plain = plain_noun_eq.get(form, ())
        if (len({head for head, _ in plain}) >= 2 and any(sense == 1 for _, sense in plain)
                and noun_eq[form] > other_eq[form]):
            nouns.add(form)
        elif noun_eq[form]:
            rejected["adjective form, weak noun evidence"].append(form)

    # Cardinal numerals decline like nouns in -ь (пять, десять); тысяча and
    # миллион are nouns of their own paradigms and stay.
    # Mueller misses some of the teens (восемнадцать), which all end in -дцать.
    for word in sorted(nouns & ev.numerals | {w for w in nouns if w.endswith("дцать")}):
        if not set(dict(hun.entries).get(word, "")) & set("IK"):
            nouns.discard(word)
            rejected["numeral"].append(word)

    # ---- to game spelling, themes
    themes = {}
    children = {to_game(r) for _, r in ev.children_pairs}
    common = {to_game(w) for w in ev.common}
    for word in nouns:
        if not VOWELS & set(word):
            rejected["no vowel"].append(word)
            continue
        game = to_game(word)
        if playable(game):
            themes.setdefault(game, set())
    for game, t in themes.items():
        t.add("C" if game in common else "E")
        if ("C" in t and 3 <= len(game) <= 6 and game in children
                and not game.lower().endswith(ABSTRACT_ENDINGS)
                and game.lower() not in NOT_FOR_CHILDREN_WORDS):
            t.add("K")

    if report:
        for reason, words in sorted(rejected.items()):
            print(f"# rejected, {reason}: {len(words)}")
            print(" ".join(sorted(words)[:600]))
        print("# accepted without flags:", " ".join(sorted(w for w in nouns if w in flagless_set)))
        print("# accepted adjective forms:", " ".join(sorted(w for w in nouns if w in adj_forms)))
        counts = collections.Counter(letter for t in themes.values() for letter in t)
        print("# words:", len(themes), dict(sorted(counts.items())))
    return themes


def write(themes):
    sources.write_language(OUT_DIR, themes, game_key, TITLES, NOCHANGE)


if __name__ == "__main__":
    write(compute(report="--report" in sys.argv[1:]))
