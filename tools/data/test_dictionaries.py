#!/usr/bin/env python3
"""Checks the committed word lists in data/dict/ (no source packages needed).

Run from the repository root:  python3 tools/data/test_dictionaries.py
or point it at a checkout:      python3 tools/data/test_dictionaries.py /path/to/repo
                                QUORIM_ROOT=/path/to/repo python3 tools/data/test_dictionaries.py
"""

import os
import sys
import unittest

ROOT = os.environ.get("QUORIM_ROOT") or os.path.dirname(
    os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

RUS_LETTERS = "АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"
ENG_LETTERS = "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
THEME_LETTERS = set("CEFGHIK")
THEME_KEYS = ["DCommom=C", "DExtended1=E", "DExtended2=F", "DExtended3=G",
              "DExtended4=H", "DExtended5=I", "DChildren=K"]

RUS_IN = """ДОМ КОТ СОБАКА ЯБЛОКО НОЖНИЦЫ САНИ БРЮКИ ОЧКИ ДЕНЬГИ ВОРОТА СУТКИ ЩИ ДРОВА
ДЖИНСЫ КОФЕ ПАЛЬТО МЕТРО КИНО РАДИО МАТЬ ДОЧЬ ПУТЬ ВРЕМЯ ИМЯ ПЛАМЯ ЗНАМЯ СЕМЯ
ЛЕД СОН РОТ ЛОБ ДЕНЬ ОТЕЦ ЦЕРКОВЬ ЛЮБОВЬ ЛОЖЬ ЖИВОТНОЕ НАСЕКОМОЕ МОРОЖЕНОЕ
СТОЛОВАЯ ЗАПЯТАЯ РАБОЧИЙ ЧЕЛОВЕК РЕБЕНОК ЕЛКА ЕЖ КОШКА МЫШЬ ЛОШАДЬ КОРОВА ВОДА
ЗЕМЛЯ НЕБО СОЛНЦЕ ЛУНА ЗВЕЗДА ДЕРЕВО ЛЕС РЕКА МОРЕ ГОРА ПОЛЕ ОКНО ДВЕРЬ СТОЛ
СТУЛ КНИГА ШКОЛА ГОРОД УЛИЦА МАШИНА ХЛЕБ МОЛОКО СЫР МЯСО РЫБА ПТИЦА ЦВЕТОК ТРАВА
СНЕГ ДОЖДЬ ВЕТЕР ОГОНЬ НОЧЬ УТРО ВЕЧЕР ЗИМА ВЕСНА ЛЕТО ОСЕНЬ ГОЛОВА РУКА НОГА
ГЛАЗ УХО НОС СЕРДЦЕ ДРУГ БРАТ СЕСТРА СЫН ДЕДУШКА БАБУШКА ВРАЧ УЧИТЕЛЬ ПИСЬМО
СЛОВО ЯЗЫК МУЗЫКА ИГРА МЯЧ КУКЛА ЧАШКА ЛОЖКА НОЖ ТАРЕЛКА КРОВАТЬ ПОДУШКА ОДЕЯЛО
ЯЙЦО ГРИБ ЯГОДА ОРЕХ СОЛЬ САХАР ЧАЙ СУП КАША ТЫСЯЧА ЧАСЫ ВЫБОРЫ НАРДЫ ТАКСИ МЕНЮ
ВОРОБЕЙ МУРАВЕЙ РУЧЕЙ УЛЕЙ АВТОБУС АДРЕС АКТЕР АПТЕКА АРБУЗ БАНАН БАНК БЕРЕГ
БИЛЕТ БОЛЕЗНЬ БОТИНОК БУКВА БУМАГА БУТЫЛКА ВАГОН ВАЗА ВЕДРО ВЕЛОСИПЕД ВИЛКА ВИНО
ВНУК ВОЙНА ВОКЗАЛ ВОПРОС ВОРОНА ВОСТОК ВРАГ ГАЗЕТА ГВОЗДЬ ГЕРОЙ ГОЛУБЬ ГОЛОС
ГРУША ГУБА ДВОР ДЕВОЧКА ДЕВУШКА ДЕТСТВО ДИВАН ДОРОГА ДОСКА ДУША ДЫМ ЖЕЛЕЗО ЖЕНА
ЖЕНЩИНА ЖИЗНЬ ЖУК ЖУРНАЛ ЗАВОД ЗАМОК ЗАЯЦ ЗВУК ЗДОРОВЬЕ ЗЕРКАЛО ЗОНТ ЗУБ ИГЛА
ИГРУШКА КАРАНДАШ КАРТА КАРТОФЕЛЬ КАРМАН КАПУСТА КВАРТИРА КЛЮЧ КОЗА КОЛЕСО КОЛЬЦО
КОМНАТА КОНФЕТА КОРАБЛЬ КОСТЮМ КРОВЬ КУРИЦА ЛАМПА ЛАПА ЛИМОН ЛИСА ЛИЦО ЛОДКА ЛУК
МАГАЗИН МАЛЬЧИК МАСЛО МЕДВЕДЬ МЕСТО МЕСЯЦ МОРКОВЬ МОСТ МУЖ МУЖЧИНА МУХА НЕДЕЛЯ
НОСОК ОБЕД ОБЛАКО ОГУРЕЦ ОЗЕРО ОСТРОВ ПАЛЕЦ ПАРК ПЕСНЯ ПЕСОК ПИРОГ ПЛАТЬЕ
ПЛОЩАДЬ ПОЕЗД ПОДАРОК ПОЛКА ПОМИДОР ПРАЗДНИК ПРАВДА ПТЕНЕЦ РАБОТА РАДУГА РУБАШКА
РУЧКА САД САМОЛЕТ САПОГ СВЕЧА СВИНЬЯ СЕЛО СЕМЬЯ СКАЗКА СЛОН СМЕХ СОВА СТАКАН
СТЕНА СТРАНА СУМКА ТЕАТР ТЕЛЕФОН ТЕЛО ТЕТРАДЬ ТИГР ТОПОР ТРАКТОР ТУЧА УТКА
УЧЕНИК ФЛАГ ФОНАРЬ ФРУКТ ХВОСТ ХОЛОДИЛЬНИК ЦАРЬ ЦВЕТ ЧЕРЕПАХА ЧУДО ШАПКА ШАР
ШАРФ ШКАФ ШОКОЛАД ЩЕКА ЩЕНОК ЭКРАН ЮБКА ЯКОРЬ ЯЩИК ЯЩЕРИЦА ВЕРБЛЮД ДЯТЕЛ ЕНОТ
КЕНГУРУ ПИАНИНО ШОССЕ ЖЮРИ КАФЕ ВИСКИ ИНТЕРВЬЮ СТУДЕНТ КОМПЬЮТЕР ИНТЕРНЕТ
СМАРТФОН ПРОГРАММА ГОСУДАРСТВО ПРАВИТЕЛЬСТВО ПРЕЗИДЕНТ ЭКОНОМИКА ПОЛИТИКА
ДЕМОКРАТИЯ СВОБОДА СЧАСТЬЕ НАДЕЖДА ВЕРА ПАМЯТЬ ГРУСТЬ РАДОСТЬ СТРАХ ГНЕВ МЫСЛЬ
ИДЕЯ ПОНЯТИЕ СМЫСЛ ВКУС ЗАПАХ ЦЕНА ДОЛГ ПОДЪЕЗД ОБЪЯВЛЕНИЕ СЪЕЗД МЕБЕЛЬ ОБУВЬ
ОДЕЖДА ПОСУДА МОЛОДЕЖЬ ЛЮДИ ДЕТИ ЯСЛИ ШАХМАТЫ КАНИКУЛЫ ДУХИ ОБОИ ПОХОРОНЫ СЛИВКИ
ОПИЛКИ""".split()

RUS_OUT = {
    "verbs": "ИДТИ ЧИТАТЬ БЕЖАТЬ ПИСАТЬ ГОВОРИТЬ ДЕЛАТЬ СМОТРЕТЬ",
    "adjectives": "КРАСНЫЙ БОЛЬШОЙ МАЛЕНЬКИЙ ХОРОШИЙ НОВЫЙ СИНИЙ КРАСНАЯ НЕОЖИДАННЫЙ",
    "possessive and ordinal adjectives": "ВОЛЧИЙ ЛИСИЙ БАБИЙ ПЕРВЫЙ ТРЕТИЙ",
    "participles and gerunds": "ЧИТАЮЩИЙ ПРОЧИТАННЫЙ ЧИТАЯ",
    "adverbs and comparatives": "БЫСТРО ОЧЕНЬ ХОРОШО ЗАВТРА ВСЕГДА ТАМ ЗДЕСЬ МНОГО БЫСТРЕЕ",
    "pronouns": "ОН ОНА ОНИ МЫ ВЫ ЭТОТ ТОТ КТО ЧТО НИЧТО ЕГО ИХ",
    "numerals": "ДВА ТРИ ЧЕТЫРЕ ПЯТЬ ШЕСТЬ СЕМЬ ВОСЕМЬ ДЕВЯТЬ ДЕСЯТЬ СТО ОДИН ВОСЕМНАДЦАТЬ ДВАДЦАТЬ",
    "function words": "НАД ИЛИ ЧТОБЫ УРА АХ",
    "names and places": "ИВАН МАРИЯ ПЕТР ОЛЬГА МОСКВА РОССИЯ ПАРИЖ ФРАНЦИЯ ЛОНДОН ЕВРОПА",
    "abbreviations": "СССР США ЧПУ ЧП",
    "inflected forms": "КОТА СОБАКОЙ ДОМОВ КНИГИ ЛЮДЬМИ ДЕТЬМИ ДОМА СНА ПРЕНИЙ ЧУЧЕЛ",
    "plurals of listed nouns": "СНЫ ЛИСТЬЯ ДРУЗЬЯ ДЕРЕВЬЯ СТУЛЬЯ КОТЫ",
}

ENG_IN = """CAT DOG HOUSE APPLE TREE WATER BOOK CHILD CHILDREN CATS RUN RUNNING
BEAUTIFUL QUICKLY OX AX AN AT BE GO TO IS OF ZOO JAZZ QUIZ MOTHER SCISSORS""".split()

ENG_OUT = {
    "names and places": "MARY LONDON FRANCE AMERICA MONDAY",
    "abbreviations": "ETC GOVT ASST MPH BLDG LTD INC USA NASA TV CC OK",
    "roman numerals": "II IV XIV XX",
    "possessives": "CAT'S DOG'S",
}


def read_data_file(path):
    with open(path, "rb") as f:
        return f.read()


def data_lines(raw):
    return raw[3:].decode("utf-8").split("\r\n")[:-1]


def dictionary(lang):
    """{WORD: theme letters} of data/dict/<lang>/dictionary.txt."""
    raw = read_data_file(os.path.join(ROOT, "data", "dict", lang, "dictionary.txt"))
    return dict(line.partition("=")[::2] for line in data_lines(raw))


class FileFormat(unittest.TestCase):
    """Every data file: BOM, CR LF after every line, no empty lines."""

    FILES = [os.path.join("data", "dict", lang, name)
             for lang in ("rus", "eng")
             for name in ("dictionary.txt", "themes.txt", "nochange.txt")]

    def test_bom_crlf_no_empty_lines(self):
        for rel in self.FILES:
            with self.subTest(file=rel):
                raw = read_data_file(os.path.join(ROOT, rel))
                self.assertTrue(raw.startswith(b"\xef\xbb\xbf"), "no BOM")
                self.assertTrue(raw.endswith(b"\r\n"), "last line not ended")
                body = raw[3:]
                self.assertNotIn(b"\xef\xbb\xbf", body, "second BOM")
                self.assertEqual(body.count(b"\n"), body.count(b"\r\n"), "bare LF")
                self.assertEqual(body.count(b"\r"), body.count(b"\r\n"), "bare CR")
                self.assertNotIn(b"\r\n\r\n", body, "empty line")
                self.assertFalse(body.startswith(b"\r\n"), "empty first line")
                body.decode("utf-8")

    def test_themes_file(self):
        for lang in ("rus", "eng"):
            with self.subTest(lang=lang):
                lines = data_lines(read_data_file(
                    os.path.join(ROOT, "data", "dict", lang, "themes.txt")))
                self.assertEqual(lines[:len(THEME_KEYS)], THEME_KEYS)
                self.assertEqual(lines[len(THEME_KEYS)], "[DictionaryThemes]")
                self.assertEqual(lines[-1], "endoffile")
                titled = {}
                for line in lines[len(THEME_KEYS) + 1:-1]:
                    letter, eq, title = line.partition("=")
                    self.assertTrue(eq and title.strip(), line)
                    self.assertIn(letter, THEME_LETTERS)
                    titled[letter] = title
                used = set("".join(dictionary(lang).values()))
                self.assertEqual(set(titled), used, "titles must match the themes in use")

    def test_nochange_file(self):
        for lang, letters in (("rus", RUS_LETTERS), ("eng", ENG_LETTERS)):
            with self.subTest(lang=lang):
                lines = data_lines(read_data_file(
                    os.path.join(ROOT, "data", "dict", lang, "nochange.txt")))
                # the game reads only the first line: every letter of it is kept
                self.assertEqual(len(lines), 1)
                kept = lines[0]
                self.assertGreaterEqual(len(kept), 5)
                self.assertEqual(len(kept), len(set(kept)), "a letter twice")
                self.assertTrue(set(kept) <= set(letters), kept)
                self.assertTrue(set(kept) >= set("AEIOU" if lang == "eng" else "АЕИОУ"), kept)


class DictionaryShape(unittest.TestCase):
    """Words, order and theme tags of both dictionaries."""

    CASES = [("rus", RUS_LETTERS, 40000), ("eng", ENG_LETTERS, 60000)]

    def test_words_and_order(self):
        for lang, letters, minimum in self.CASES:
            with self.subTest(lang=lang):
                raw = read_data_file(os.path.join(ROOT, "data", "dict", lang, "dictionary.txt"))
                words = [line.partition("=")[0] for line in data_lines(raw)]
                self.assertGreaterEqual(len(words), minimum)
                self.assertEqual(len(words), len(set(words)), "duplicates")
                bad = [w for w in words
                       if not 2 <= len(w) <= 15 or any(ch not in letters for ch in w)]
                self.assertEqual(bad[:20], [])
                # each first letter forms exactly one run
                seen, last = set(), None
                for w in words:
                    if w[0] != last:
                        self.assertNotIn(w[0], seen, f"second run of {w[0]}")
                        seen.add(w[0])
                        last = w[0]
                key = [[letters.index(ch) for ch in w] for w in words]
                self.assertEqual(key, sorted(key), "not in alphabetical order")

    def test_themes(self):
        for lang, _, _ in self.CASES:
            with self.subTest(lang=lang):
                d = dictionary(lang)
                for word, themes in d.items():
                    self.assertTrue(themes, f"{word} has no theme")
                    self.assertTrue(set(themes) <= THEME_LETTERS, word)
                    self.assertEqual(len(themes), len(set(themes)), word)
                    self.assertTrue("C" in themes or "E" in themes, word)
                    self.assertFalse("C" in themes and "E" in themes, word)
                    if "K" in themes:
                        self.assertIn("C", themes, f"children's {word} not common")
                        self.assertTrue(3 <= len(word) <= 6, word)
                counts = {t: sum(t in v for v in d.values()) for t in "CEK"}
                self.assertGreater(counts["C"], 5000)
                self.assertGreater(counts["E"], 5000)
                self.assertGreater(counts["K"], 300)


class RussianContent(unittest.TestCase):

    @classmethod
    def setUpClass(cls):
        cls.words = dictionary("rus")

    def test_common_nouns_present(self):
        missing = [w for w in RUS_IN if w not in self.words]
        self.assertEqual(missing, [])

    def test_not_nouns_absent(self):
        for kind, words in RUS_OUT.items():
            with self.subTest(kind=kind):
                self.assertEqual([w for w in words.split() if w in self.words], [])

    def test_no_yo(self):
        self.assertFalse(any("Ё" in w for w in self.words))

    def test_theme_examples(self):
        for word in ("КОТ", "ДОМ", "СОБАКА", "ЯБЛОКО", "ОКНО"):
            self.assertIn("K", self.words[word], word)
        for word in ("ХЛОРОФИЛЛ", "ЖИВОТНОВОДСТВО", "ЧЕЛОВЕК"):
            if word in self.words:
                self.assertNotIn("K", self.words[word], word)
        self.assertIn("C", self.words["ЧЕЛОВЕК"])


class EnglishContent(unittest.TestCase):

    @classmethod
    def setUpClass(cls):
        cls.words = dictionary("eng")

    def test_common_words_present(self):
        self.assertEqual([w for w in ENG_IN if w not in self.words], [])

    def test_excluded_absent(self):
        for kind, words in ENG_OUT.items():
            with self.subTest(kind=kind):
                self.assertEqual([w for w in words.split() if w in self.words], [])

    def test_theme_examples(self):
        for word in ("CAT", "DOG", "APPLE", "TREE"):
            self.assertIn("K", self.words[word], word)
        self.assertEqual(self.words["CHILDREN"], "C")


if __name__ == "__main__":
    args = sys.argv[1:]
    if args and not args[0].startswith("-"):
        ROOT = os.path.abspath(args.pop(0))
    unittest.main(argv=[sys.argv[0]] + args)
