#!/usr/bin/env python3
"""Builds the explanatory dictionaries: data/dict/<lang>/expl/<lang>/explanatory.txt.

  rus/expl/eng  English words for the Russian nouns, from inverting
                mueller7-dict and dict-freedict-eng-rus
  eng/expl/eng  English definitions from WordNet's glosses; for an inflected
                form, what it is a form of ("plural of cat")
  eng/expl/rus  Russian translations of the English words, from mueller7-dict

Only words of the committed data/dict/<lang>/dictionary.txt are explained, in
that file's order. A line is ">" WORD "=" text; the lines of one word follow
each other and each is one meaning (the game numbers them), at most four, at
most 100 characters each.

Debian source packages:
  mueller7-dict          /usr/share/dictd/mueller7.{index,dict.dz}
  dict-freedict-eng-rus  /usr/share/dictd/freedict-eng-rus.dict.dz
  wordnet-base           /usr/share/wordnet: index.*, data.*, *.exc, cntlist.rev
  wamerican-small        which English words are everyday ones

Russian -> English. An occurrence is a sense of a Mueller noun article (or a
FreeDict line) that gives the Russian word, with ё read as е, as a one-word
equivalent; other parts of speech count only for a word no noun gives. The
English headword must be plain: at most three words, each in the English
word list. "собака, побеждённая в драке" does not count: a participle or
"который" after the word makes it the head of a description. Under "_pl."
the headword is shown in the plural (spectacles for очки).
  Strength, 0 the best: sense number - 1, plus the word's place among the
sense's equivalents, plus 2 for a register label (_разг., _уст., _перен.,
_поэт...), 1 for a subject label (_муз., _тех...), 1 for an English word
outside wamerican-small. Only labels before the sense's first example count.
  Meanings: two occurrences are one meaning when their senses share a
subject label or another Russian word, compared by its first five letters
(parenthesised explanations included, examples not); when WordNet has a noun
sense of one English word (of its first three) in a synset of the other's
or up to two hypernyms above one (pussycat, tomcat under cat); a sense with
nothing but the word joins an English word WordNet relates to it by any
sense (sleeper, tie), else its own headword's strongest sense that says more,
else, when WordNet does not know the word (kilogramme), the strongest
meaning; and a meaning of one English word joins another when the first
three senses of their headwords share a Russian word (soldier, warrior).
  Each English word is shown once, in the meaning of its strongest
occurrence; words are ordered by strength, then by their SemCor frequency as
nouns; meanings by their first word. A meaning more than 2 weaker than the
first is left out, and so is a word more than 4 weaker than its meaning's
first; a meaning shows at most six words.

English -> English. A WordNet lemma gets its senses, WordNet's order kept
within each part of speech and the parts merged by the senses' SemCor tag
counts (cntlist.rev), after "(n.)", "(v.)", "(adj.)", "(adv.)". Senses where
WordNet writes the lemma capitalised (Durant, Mars) are names and left out.
The gloss loses its quoted examples; a long one is cut at a "; " or a word.
An inflected form gets "plural of cat", "past tense of run"...: the bases are
WordNet's morphy's (the exception lists, then the suffix rules), a base from
the rules only when regular spelling makes the form of it (hoping is not of
hop). Mueller's articles of irregular forms (_p., _p-p.) tell past tense from
past participle. A form's line comes before the senses when its base is
commoner in SemCor than the lemma's first sense (found, rose). Words outside
the common theme get one line only, which keeps the file under 8 MB.

English -> Russian. The word's Mueller articles, one line per part of speech
of each homonym, after "сущ.", "гл.", "прил."...: the senses' translations
up to their first example, without labels, parentheses, cross-references and
attributive (_attr.) senses, each Russian word once. An inflected form first
says what it is a form of, with the base's first translation ("мн. ч. от cat
— кот, кошка"), from Mueller's own article of the form or else from WordNet.

Run (output is byte-identical for the same package versions):
  apt-get install mueller7-dict dict-freedict-eng-rus wordnet-base wamerican-small
  python3 tools/data/build_explanations.py
  python3 tools/data/test_explanations.py
"""

import collections
import os
import re
import sys

import sources

DICT_DIR = os.path.join(sources.REPO_ROOT, "data", "dict")

MAX_MEANINGS = 4
RARE_MEANINGS = 1  # English words outside the common theme: keeps the file small
MAX_LINE = 100  # characters of one meaning; the window is 347 pixels wide


def read_dictionary(lang, themes=False):
    """The words of data/dict/<lang>/dictionary.txt in file order, or
    (word, theme letters) pairs."""
    path = os.path.join(DICT_DIR, lang, "dictionary.txt")
    with open(path, "rb") as f:
        text = f.read().decode("utf-8-sig")
    pairs = [line.partition("=")[::2] for line in text.split("\r\n") if line]
    return pairs if themes else [word for word, _ in pairs]


def to_game(word):
    return word.replace("ё", "е").replace("Ё", "Е").upper()


def join_limited(items, sep="; ", limit=MAX_LINE):
    """items joined while the text stays within limit; the first always."""
    out = ""
    for item in items:
        candidate = item if not out else out + sep + item
        if out and len(candidate) > limit:
            break
        out = candidate
    return out


def entry_lines(word, texts):
    unique = list(dict.fromkeys(texts))  # harder: comparative of the adjective and the adverb
    return [f">{word}={text}" for text in unique[:MAX_MEANINGS]]


# ============================================================ Russian -> English

# Labels of a sense that make the word less central to the English headword.
WEAK_LABELS = frozenset(
    "_разг. _уст. _жарг. _перен. _поэт. _шутл. _редк. _диал. _ирон. _пренебр. "
    "_груб. _презр. _эвф. _ласк. _детск. _неодобр. _уменьш. _книж. _книжн. "
    "_стих. _ритор. _шотл. _ирл. _австрал. _ю-афр. _сленг. _вульг. _бран.".split())
# Labels that say nothing of the subject, so they do not join meanings.
REGISTER_LABELS = WEAK_LABELS | frozenset(
    "_pl. _sg. _ам. _attr. _фр. _сокр. _собир. _посл. _греч. _лат. _нем. _ит. "
    "_pass. _comp. _sup. _inf. _imp. _f. _neg. _mis. _pf. _subj. _pres. _рус. "
    "_перс. _сканд. _сев. _стил. _ю-ам. _офиц.".split())
# Words of Mueller's explanations in parentheses that link nothing.
STOP_WORDS = frozenset("""или что для при как под над без тот его она они все еще
уже так чем кем чей чья чье чьи это эта этот чего кого чему кому чьих того
этого тому этому такой какой какого который которые также особ обыкн напр
часто иногда очень более менее всего всех только например обычно кроме""".split())
PARTICIPLE = re.compile(r"[а-яё]+(?:[ую]щ|[ая]щ|ш|нн|ем|им)(?:ий|ый|ая|ое|ее|ие|ые)(?:ся)?")
RELATIVE = ("котор", "когда", "где", "куда", "откуда", "чей", "чья", "чьё", "чьи")
PLAIN_HEAD = re.compile(r"[A-Za-z][a-z]+(?:[- ][a-z]+){0,2}")
STEM = 5
WIDE_SENSES = 3


class Occurrence:
    """One sense of an English headword that gives the Russian word.
    context: what the sense says besides the word; wide: the same for the
    headword's first senses; shown: the headword, or its plural when the
    sense gives the Russian word for the plural (_pl. очки)."""
    __slots__ = ("head", "shown", "score", "context", "wide", "frequency", "source")

    def __init__(self, head, shown, score, context, wide, frequency, source):
        self.head, self.shown, self.score = head, shown, score
        self.context, self.wide = context, wide
        self.frequency, self.source = frequency, source

    def key(self):
        return (self.score, -self.frequency, self.shown.lower(), self.shown, self.source)


def translation_groups(text):
    """The ';' groups of a sense before its first English example, with
    their parentheses."""
    out = []
    for group in text.replace(":", ";").split(";"):
        if re.search(r"[A-Za-z]", sources._drop_parens(sources._LABEL_RE.sub(" ", group))):
            break
        out.append(group)
    return out


def context_of(text, word, labels):
    """What one sense of the word says besides the word: the stems of its
    other Russian words and its subject labels."""
    own = word[:STEM]
    stems = set()
    for group in translation_groups(sources._LABEL_RE.sub(" ", text)):
        for w in re.findall(r"[а-яё]+", group.lower()):
            w = w.replace("ё", "е")
            if len(w) >= 3 and w not in STOP_WORDS and w[:STEM] != own:
                stems.add(w[:STEM])
    return stems | (labels - REGISTER_LABELS)


def english_occurrences(russian, english_words, everyday, wordnet):
    """{GAME WORD: [Occurrence]} for the Russian dictionary words."""
    wanted = set(russian)

    def plain(head):
        if not PLAIN_HEAD.fullmatch(head):
            return False
        parts = re.split(r"[- ]", head)
        return ("".join(parts).upper() in english_words
                or all(part[0].isupper() or len(part) > 15 or part.upper() in english_words
                       for part in parts))

    def strength(head, sense, position, labels):
        """0 for the first word of the first sense; more is weaker."""
        return ((sense - 1) + position + (2 if labels & WEAK_LABELS else 0)
                + (1 if labels - REGISTER_LABELS else 0)  # a subject: _муз., _тех.
                + (0 if head.lower() in everyday else 1))

    def described(word, text):
        for group in translation_groups(sources._drop_parens(text)):
            segs = [seg.strip() for seg in group.split(",")]
            for k, seg in enumerate(segs):
                if re.search(r"(?<![а-яё])" + word + "$", seg):
                    later = " ".join(segs[k + 1:]).split()
                    if any(PARTICIPLE.fullmatch(w) or w.startswith(RELATIVE) for w in later):
                        return True
        return False

    def plural(head):
        if head.endswith("s") or " " in head or "-" in head:
            return head
        if head.endswith("y") and head[-2:-1] not in "aeiou":
            form = head[:-1] + "ies"
        elif head.endswith(("s", "x", "z", "ch", "sh")):
            form = head + "es"
        else:
            form = head + "s"
        return form if form.upper() in english_words else head

    def frequency(head):
        return wordnet.frequency(head.lower().replace(" ", "_"), "noun")

    def add(table, head, sense, text, labels, source, wide=frozenset()):
        for position, (word, _) in enumerate(sources.mueller_sense_words(text)):
            game = to_game(word)
            # "собака, побеждённая в драке", "человек, увиливающий": the head
            # of a description
            if game in wanted and not described(word, text):
                shown = head
                # "glass ... 5) _pl. очки": the Russian word is the plural's
                if re.search(r"_pl\.[^;]*?(?<![а-яё])" + word + r"(?![а-яё])",
                             " ".join(translation_groups(sources._drop_parens(text)))):
                    shown = plural(head)
                context = context_of(text, word.lower(), labels)
                table[game].append(Occurrence(
                    head, shown, strength(head, sense, position, labels), context,
                    context | {w for w in wide if w != word[:STEM]}, frequency(shown),
                    "%s/%s" % (head, "/".join(map(str, source)))))

    senses = [s for s in sources.mueller_senses() if s.pos and plain(s.head)]
    # the equivalents of an article's first senses, for meanings of one word
    first_senses = collections.defaultdict(set)
    for s in senses:
        if s.sense <= WIDE_SENSES:
            first_senses[s.head, s.homonym, s.pos].update(
                to_game(w).lower()[:STEM] for w, _ in sources.mueller_sense_words(s.text))
    found = collections.defaultdict(list)
    fallback = collections.defaultdict(list)  # from senses of other parts of speech
    for s in senses:
        # labels of the examples say nothing of the equivalent
        labels = frozenset(sources._LABEL_RE.findall(
            s.preamble + " " + " ".join(translation_groups(s.text))))
        add(found if s.pos == "noun" else fallback, s.head, s.sense, s.text, labels,
            ("mueller", s.homonym, s.pos, s.sense), first_senses[s.head, s.homonym, s.pos])
    for head, number, text in sources.freedict_senses():
        if plain(head):
            add(found, head, number, text, frozenset(), ("freedict", number))
    for word, occs in fallback.items():
        if word not in found:
            found[word] = occs
    return found


def meanings(occs, related, loosely_related, known):
    """[(strength, [(strength, english word), ...]), ...]: the occurrences
    grouped into meanings, strongest first."""
    occs = sorted(occs, key=Occurrence.key)
    parent = list(range(len(occs)))

    def find(i):
        while parent[i] != i:
            parent[i] = parent[parent[i]]
            i = parent[i]
        return i

    def union(i, j):
        a, b = find(i), find(j)
        if a != b:
            parent[max(a, b)] = min(a, b)

    by_element = {}
    for i, o in enumerate(occs):
        for element in sorted(o.context):
            if element in by_element:
                union(i, by_element[element])
            else:
                by_element[element] = i
    # English words whose WordNet noun senses lie in one synset or within a
    # few hypernym steps (pussycat, tomcat -> cat) share their strongest senses.
    strongest = {}
    for i, o in enumerate(occs):
        strongest.setdefault(o.shown, i)  # spectacles, not spectacle
    for a, i in strongest.items():
        for b, j in strongest.items():
            if a != b and related(a, b):
                union(i, j)
    # A sense with nothing but the word says nothing of its meaning: it goes
    # with an English word WordNet relates to it in any sense (sleeper, tie),
    # else with the same English word's strongest sense that says more, else,
    # when WordNet does not know the word either (kilogramme, balance-master),
    # with the strongest sense of all.
    for i, o in enumerate(occs):
        if o.context or any(find(k) == find(i) for k in range(len(occs)) if k != i):
            continue
        partner = next((j for j, other in enumerate(occs)
                        if other.head != o.head and loosely_related(o.shown, other.shown)), None)
        if partner is None:
            partner = next((j for j, other in enumerate(occs)
                            if other.head == o.head and other.context), None)
        if partner is None and not known(o.shown):
            partner = 0
        if partner is not None:
            union(i, partner)

    # A meaning of one English word whose first senses share a Russian word
    # with another meaning's joins it (soldier: солдат, воин; warrior: воин, боец).
    members = collections.defaultdict(set)
    for i, o in enumerate(occs):
        members[find(i)].add(o.shown)
    for i, o in enumerate(occs):
        root = find(i)
        if len(members[root]) != 1:
            continue
        for j, other in enumerate(occs):
            if find(j) != root and o.wide & other.wide:
                joined = members.pop(root) | members.pop(find(j))
                union(i, j)
                members[find(i)] = joined
                break

    best = {}  # shown word -> its strongest occurrence
    senses = collections.Counter(o.shown for o in occs)  # more senses, more central
    groups = collections.defaultdict(list)
    for i, o in enumerate(occs):
        if o.shown not in best:
            best[o.shown] = o
            groups[find(i)].append(o.shown)
    ranked = []
    for heads in groups.values():
        heads.sort(key=lambda h: (best[h].score, -best[h].frequency, -senses[h], h.lower(), h))
        top = best[heads[0]]
        ranked.append(((top.score, -top.frequency, -len(heads), top.shown.lower(), top.shown),
                       [(best[h].score, h) for h in heads]))
    ranked.sort()
    return [(key[0], heads) for key, heads in ranked]


def english_texts(occs, relations):
    out = []
    top = None
    for score, members in meanings(occs, *relations):
        if top is None:
            top = score
        elif score > top + 2 or len(out) == MAX_MEANINGS:
            break  # a far weaker meaning: usually a figurative or slang use
        heads = [h for s, h in members if s <= members[0][0] + 4][:6]
        out.append(join_limited(heads))
    return out


def wordnet_lemma(wordnet, head):
    """The WordNet noun lemma of a Mueller headword (tom-cat is tomcat)."""
    for form in (head.lower().replace(" ", "_"), head.lower().replace("-", ""),
                 head.lower().replace("-", "_")):
        if form in wordnet.senses["noun"]:
            return form
    bases = wordnet.base_forms(head.lower(), "noun")  # clippings
    return bases[0] if bases else None


def wordnet_relation(wordnet, depth=2, senses=3):
    """related(a, b): one of the first noun senses of a (all with senses None)
    is one of b's or lies at most depth hypernym steps below one."""
    cache = {}

    def ancestors(head):
        if head not in cache:
            form = wordnet_lemma(wordnet, head)
            cache[head] = (set(wordnet.senses["noun"][form][:senses]),
                           wordnet.noun_ancestors(form, depth, senses)) if form else (set(), set())
        return cache[head]

    def related(a, b):
        return bool(ancestors(a)[1] & ancestors(b)[0])

    return related


def build_russian_english(everyday, wordnet):
    russian = read_dictionary("rus")
    english_words = set(read_dictionary("eng"))
    found = english_occurrences(russian, english_words, everyday, wordnet)
    relations = (wordnet_relation(wordnet), wordnet_relation(wordnet, depth=1, senses=None),
                 lambda head: wordnet_lemma(wordnet, head) is not None)
    lines = []
    for word in russian:
        if word in found:
            lines += entry_lines(word, english_texts(found[word], relations))
    return lines


# ============================================================ English -> English

# Mueller's articles of inflected forms: "ran _p. от run", "found _p. и _p-p. от find"
FORM_REF = re.compile(r"((?:_(?:p|p-p|pres-p|pl|comp|sup)\.\s*(?:и\s*)?)+)от\s+([a-z]+)")
POS_MARK = {"noun": "(n.)", "verb": "(v.)", "adj": "(adj.)", "adv": "(adv.)"}
VOWEL_GROUP = re.compile(r"[aeiouy]+")


def clean_gloss(gloss, limit=MAX_LINE):
    """The definition of a WordNet gloss, without its quoted examples."""
    text = gloss.split('"', 1)[0].replace("`", "'")
    text = " ".join(text.split()).rstrip(" ;:,")
    return shorten(text, limit)


def shorten(text, limit=MAX_LINE):
    if len(text) <= limit:
        return text
    cut = text.rfind("; ", 0, limit)  # a definition often lists its variants
    if cut >= limit // 2:
        return text[:cut]
    cut = text.rfind(" ", 0, limit - 1)
    return text[:cut].rstrip(" ,;:(") + "…"


def doubles_final(base):
    """hop -> hopped: one syllable ending in consonant, vowel, consonant."""
    return (len(VOWEL_GROUP.findall(base)) == 1
            and re.search(r"[^aeiou][aeiou][^aeiouwxy]$", base) is not None)


def regular_forms(base, pos):
    """The inflected forms regular spelling makes of a base, without the
    doubled consonant (the exception lists have those)."""
    def s_form(b):
        if re.search(r"[^aeiou]y$", b):
            return {b[:-1] + "ies"}
        if b.endswith(("s", "x", "z", "ch", "sh")):
            return {b + "es"}
        if b.endswith("o"):
            return {b + "s", b + "es"}
        if b.endswith("man"):
            return {b + "s", b[:-3] + "men"}
        return {b + "s"}
    if pos == "noun":
        return s_form(base)
    if pos == "verb":
        forms = s_form(base) - {base[:-3] + "men"}
        if base.endswith("e"):
            forms |= {base + "d", base[:-2] + "ying" if base.endswith("ie") else base[:-1] + "ing"}
            if base.endswith(("ee", "ye", "oe")):
                forms.add(base + "ing")
        elif re.search(r"[^aeiou]y$", base):
            forms |= {base[:-1] + "ied", base + "ing"}
        elif not doubles_final(base):
            forms |= {base + "ed", base + "ing"}
        return forms
    if pos == "adj":
        if base.endswith("e"):
            return {base + "r", base + "st"}
        if re.search(r"[^aeiou]y$", base):
            return {base[:-1] + "ier", base[:-1] + "iest"}
        return set() if doubles_final(base) else {base + "er", base + "est"}
    return set()


# The exception list gives be, have for these without saying which form they are.
IRREGULAR_PRESENT = {
    "am": "first person singular present", "is": "third person singular",
    "are": "present plural", "was": "past tense", "were": "past tense",
    "has": "third person singular",
}
FormNote = collections.namedtuple("FormNote", "weight pos kind bases")


class FormNotes:
    """Says what an inflected English form is: "plural of cat"."""

    def __init__(self, wordnet, mueller_forms):
        self.wordnet = wordnet
        self.mueller = mueller_forms  # form -> {(mark, base)}

    def bases(self, word, pos):
        wn = self.wordnet
        out = []
        for base in wn.base_forms(word, pos):
            if base in wn.exceptions[pos].get(word, ()) or word in regular_forms(base, pos):
                out.append(base.replace("_", " "))
        return out

    def verb_kind(self, word, base):
        marks = {mark for mark, b in self.mueller.get(word, ()) if b == base}
        if word.endswith("ing") and not marks - {"pres-p"}:
            return "present participle"
        if marks == {"p"}:
            return "past tense"
        if marks == {"p-p"}:
            return "past participle"
        if marks >= {"p", "p-p"} or word not in self.wordnet.exceptions["verb"]:
            return "past tense and past participle"
        return "past tense or past participle"

    def notes(self, word):
        """[FormNote]: one for each part of speech the word is a form in, the
        two whose bases are the most frequent."""
        wn = self.wordnet
        out = []
        for pos in sources.WORDNET_POS:
            bases = [b for b in self.bases(word, pos) if b != word]
            if not bases:
                continue
            if pos == "noun":
                kind = "plural"
            elif pos == "verb":
                if word in IRREGULAR_PRESENT:
                    kind = IRREGULAR_PRESENT[word]
                elif word.endswith("s") and not word.endswith("ss") and all(
                        word in regular_forms(b, "verb") and not word.endswith(("ed", "ing"))
                        for b in bases):
                    kind = "third person singular"
                else:
                    kinds = {self.verb_kind(word, b) for b in bases}
                    kind = kinds.pop() if len(kinds) == 1 else "past tense or past participle"
            else:
                kind = "superlative" if word.endswith("st") else "comparative"
            weight = max(wn.frequency(b.replace(" ", "_"), pos) for b in bases)
            out.append(FormNote(weight, pos, kind, bases))
        if any(note.weight for note in out):
            # cats: the verb "to cat" is too rare to mention
            out = [note for note in out if note.weight]
        return sorted(out, key=lambda note: -note.weight)[:2]


def wordnet_senses(wordnet, lemma):
    """[(tag count, part of speech, gloss)] of the lemma, WordNet's order kept
    within each part of speech and the parts merged by tag count, a tie going
    to the part whose first sense is the more frequent, then noun, verb, adj, adv."""
    queues = []
    for rank, pos in enumerate(sources.WORDNET_POS):
        senses = [(wordnet.tag_counts[lemma, pos, n], pos, gloss)
                  for n, gloss in wordnet.lemma_senses(lemma, pos, names=False)]
        if senses:
            queues.append((-senses[0][0], rank, senses))
    queues.sort(key=lambda q: q[:2])
    out = []
    while queues:
        best = max(range(len(queues)), key=lambda k: (queues[k][2][0][0], -k))
        out.append(queues[best][2].pop(0))
        if not queues[best][2]:
            queues.pop(best)
    return out


def english_definitions(word, wordnet, forms, common):
    """common: the word is in the everyday lists; rarer words get fewer
    senses, which keeps the file small."""
    lemma = word.lower()
    senses = wordnet_senses(wordnet, lemma)
    # the kind names the part of speech, so no "(n.)" on these
    notes = [(n.weight, f"{n.kind} of {' or '.join(n.bases)}") for n in forms.notes(lemma)]
    limit = MAX_MEANINGS if common else RARE_MEANINGS
    texts = []
    for _, pos, gloss in senses:
        text = f"{POS_MARK[pos]} {clean_gloss(gloss, MAX_LINE - len(POS_MARK[pos]) - 1)}"
        if text not in texts:
            texts.append(text)
    if len(notes) < limit:
        texts = texts[:limit - len(notes)]
    # a form of a commoner word (found, rose) tells more than the rare lemma
    top = senses[0][0] if senses else -1
    before = [text for weight, text in notes if weight > top]
    after = [text for weight, text in notes if weight <= top]
    return (before + texts + after)[:limit]


def mueller_forms():
    """{form: {(mark, base)}} from Mueller's articles of inflected forms
    ("ran _p. от run", "found _p. и _p-p. от find")."""
    out = collections.defaultdict(set)
    for head, body in sources.dictd_articles("mueller7"):
        body = re.sub(r"\[[^\]]*\]", " ", body)
        for m in FORM_REF.finditer(body):
            for mark in re.findall(r"_([a-z-]+)\.", m.group(1)):
                out[head.lower()].add((mark, m.group(2)))
    return out


def build_english_english(wordnet, forms):
    lines = []
    for word, themes in read_dictionary("eng", themes=True):
        lines += entry_lines(word, english_definitions(word, wordnet, forms, "C" in themes))
    return lines


# ============================================================ English -> Russian

RUSSIAN_POS = {
    "noun": "сущ.", "verb": "гл.", "adj": "прил.", "adv": "нареч.", "pron": "мест.",
    "prep": "предл.", "conj": "союз", "interj": "межд.", "num": "числ.", "predic": "предик.",
}
FORM_MARKS = ("p", "p-p", "pres-p", "pl", "comp", "sup")
FORM_POS = {"p": ("verb",), "p-p": ("verb",), "pres-p": ("verb",), "pl": ("noun",),
            "comp": ("adj", "adv"), "sup": ("adj", "adv")}
FORM_NAMES = {
    ("p",): "прош. вр.", ("p-p",): "прич. прош. вр.", ("p", "p-p"): "прош. вр. и прич. прош. вр.",
    ("pres-p",): "прич. наст. вр.", ("pl",): "мн. ч.", ("comp",): "сравн. ст.",
    ("sup",): "превосх. ст.",
}


def clean_translation(text):
    """A sense's translations for a reader: up to the first example, without
    labels, parentheses, cross-references and the а) б) of sub-senses."""
    text = re.sub(r"\{[^}]*\}", " ", text)
    out = []
    for group in translation_groups(text):
        group = re.sub(r"(?<![а-яё])[а-я]\)", " ", sources._LABEL_RE.sub(" ", group))
        # a parenthesis opened in an earlier sense leaves its ")" here
        group = sources._drop_parens(group).replace(")", " ")
        group = re.sub(r"(?:^|,)\s*тж\.(?:\s+\w{1,2})?\s*$", "", group)
        # a few articles number their senses "1. ... 2. ..."
        group = re.sub(r"\s+\d{1,2}\.\s+", "; ", re.sub(r"^\s*\d{1,2}\.\s+", "", group))
        group = re.sub(r"\s+([,.!?])", r"\1", " ".join(group.split()))
        group = group.strip(" ,;=-–")
        if re.search(r"[а-яё]", group) and "=" not in group:
            out.append(group)
    return ", ".join(out)


def base_translation(base, parts, senses):
    """The first words of the base's first sense in one of these parts of speech."""
    for pos in parts:
        for s in senses.get(base, ()):
            text = clean_translation(s.text) if s.pos == pos else None
            if text:
                return ", ".join(text.split(", ")[:3])
    return None


def russian_lines(word, senses, form_refs, english):
    """The lines of one English word: its inflected-form references
    ("прош. вр. от run — бежать"), then a line per part of speech of each homonym."""
    lines, named = [], set()
    mine = senses.get(word, ())
    for marks, base in form_refs:
        if base.upper() not in english:
            continue  # a misprint: encirle
        marks = tuple(sorted(set(marks), key=FORM_MARKS.index))
        if marks in FORM_NAMES and (marks, base) not in named:
            named.add((marks, base))
            first = base_translation(base, FORM_POS[marks[0]], senses)
            lines.append(shorten(f"{FORM_NAMES[marks]} от {base}" + (f" — {first}" if first else "")))
    parts = collections.OrderedDict()
    for s in mine:
        if s.pos not in RUSSIAN_POS or re.match(r"(?:и(?:\s|$)|от\s)", s.text):
            continue  # the form references above: "_p. и _p-p. от find"
        if "_attr." in s.text:
            continue  # attributive uses are adjectives
        texts = parts.setdefault((s.homonym, s.pos), [])
        if s.sense == 1 and s.preamble and not texts:
            texts.append(clean_translation(s.preamble))
        texts.append(clean_translation(s.text))
    for (_, pos), texts in parts.items():
        seen, kept = set(), []
        for text in texts:
            words = [w.strip() for w in text.split(",") if w.strip() and w.strip() not in seen]
            seen.update(words)
            if words:
                kept.append(", ".join(words))
        if kept:
            line = join_limited(kept, limit=MAX_LINE - len(RUSSIAN_POS[pos]) - 1)
            line = shorten(line, MAX_LINE - len(RUSSIAN_POS[pos]) - 1)
            lines.append(f"{RUSSIAN_POS[pos]} {line}")
    return lines


RUSSIAN_FORMS = {
    "plural": "мн. ч.", "third person singular": "3-е л. ед. ч.",
    "present participle": "прич. наст. вр.", "past tense": "прош. вр.",
    "past participle": "прич. прош. вр.",
    "past tense and past participle": "прош. вр. и прич. прош. вр.",
    "past tense or past participle": "прош. вр. или прич. прош. вр.",
    "comparative": "сравн. ст.", "superlative": "превосх. ст.",
    "first person singular present": "1-е л. ед. ч. наст. вр.",
    "present plural": "мн. ч. наст. вр.",
}


def russian_form_lines(notes, senses):
    """For a form Mueller has no article of: what it is a form of, with the
    base's first translation in that part of speech ("мн. ч. от cat — кот, кошка")."""
    lines = []
    for note in notes:
        text = f"{RUSSIAN_FORMS[note.kind]} от {' или '.join(note.bases)}"
        for base in note.bases:
            first = base_translation(base, (note.pos,), senses)
            if first:
                text = shorten(f"{text} — {first}")
                break
        lines.append(text)
    return lines


def build_english_russian(forms):
    english = read_dictionary("eng")
    english_set = set(english)
    senses = collections.defaultdict(list)
    for s in sources.mueller_senses():
        if s.head.islower():
            senses[s.head].append(s)
    wanted = {word.lower() for word in english}
    refs = collections.defaultdict(list)
    for head, body in sources.dictd_articles("mueller7"):
        if head in wanted:
            body = re.sub(r"\[[^\]]*\]", " ", body)
            refs[head] += [(re.findall(r"_([a-z-]+)\.", m.group(1)), m.group(2))
                           for m in FORM_REF.finditer(body)]
    lines = []
    for word in english:
        lemma = word.lower()
        texts = russian_lines(lemma, senses, refs.get(lemma, ()), english_set)
        if not refs.get(lemma):
            # Mueller's own article of a form says so (ran); else WordNet tells
            texts = russian_form_lines(forms.notes(lemma), senses) + texts
        lines += entry_lines(word, texts)
    return lines


# ============================================================ main

def everyday_words():
    words = sources.wordlist("american-english-small")
    if words is None:
        sys.exit("missing /usr/share/dict/american-english-small: apt-get install wamerican-small")
    return set(words)


def main():
    everyday = everyday_words()
    wordnet = sources.WordNet()
    out = os.path.join(DICT_DIR, "rus", "expl", "eng", "explanatory.txt")
    sources.write_data_file(out, build_russian_english(everyday, wordnet))
    forms = FormNotes(wordnet, mueller_forms())
    out = os.path.join(DICT_DIR, "eng", "expl", "eng", "explanatory.txt")
    sources.write_data_file(out, build_english_english(wordnet, forms))
    out = os.path.join(DICT_DIR, "eng", "expl", "rus", "explanatory.txt")
    sources.write_data_file(out, build_english_russian(forms))


if __name__ == "__main__":
    main()
