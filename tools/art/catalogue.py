"""The picture names and sizes of the game's own skin catalogue (src/media/SkinCatalogue.cpp).

The generators read the table the windows use, so a size changed there is the size drawn here.
"""

import os
import re

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
SOURCE = os.path.join(ROOT, "src", "media", "SkinCatalogue.cpp")
HEADER = os.path.join(ROOT, "src", "media", "SkinCatalogue.h")

_ENTRY = re.compile(r'\{"([^"]+)",\s*([^,{}]+?),\s*([^,{}]+?)\}')
_CONSTANT = re.compile(r"constexpr int (\w+) = (\d+);")


def _tables():
    with open(HEADER, encoding="utf-8") as f:
        constants = {name: int(value) for name, value in _CONSTANT.findall(f.read())}
    with open(SOURCE, encoding="utf-8") as f:
        text = f.read()
    tables = {}
    for table in ("kPictures", "kAnimations", "kClassicOnly"):
        body = text[text.index(table + " ="):]
        body = body[:body.index("});")]
        tables[table] = {
            name: (_evaluate(w, constants), _evaluate(h, constants))
            for name, w, h in _ENTRY.findall(body)
        }
    return tables


def _evaluate(expression, constants):
    value = 1
    for factor in expression.split("*"):
        factor = factor.strip()
        value *= constants[factor] if factor in constants else int(factor)
    return value


_TABLES = _tables()
PICTURES = _TABLES["kPictures"]
ANIMATIONS = _TABLES["kAnimations"]
CLASSIC_ONLY = _TABLES["kClassicOnly"]
