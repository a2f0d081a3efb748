#!/usr/bin/env python3
"""Fails, naming file and line, when a source of src/ or tools/cli/ includes a header of a layer
above its own or of a library its layer may not use.

usage: check-layers.py SOURCE_DIR QT_HEADERS_DIR
"""

import pathlib
import re
import sys

# The layers from the bottom up, as the architecture's layer table has them: the libraries each may
# use besides the C and C++ standard ones, and the highest layer it may include (None: the one just
# below it). This table is the only copy of the rule.
LAYERS = [
    ("media (text part)", {"QtCore", "ICU"}, None),
    ("model", {"QtCore"}, None),
    ("dictionary", {"QtCore"}, None),
    ("Routines", {"QtCore"}, None),
    ("VirtOpp", {"QtCore"}, None),
    ("persistence", {"QtCore"}, None),
    ("flow", {"QtCore"}, None),
    ("media (sound, pictures)", {"QtCore", "QtGui", "SDL"}, None),
    ("ui", {"QtCore", "QtGui", "QtWidgets", "SDL", "ICU"}, None),
    # The command line links quorim_core alone.
    ("cli", {"QtCore"}, "flow"),
]
RANK = {name: rank for rank, (name, _, _) in enumerate(LAYERS)}
CORE_MEDIA, GUI_MEDIA = "media (text part)", "media (sound, pictures)"

INCLUDE = re.compile(r'^\s*#\s*include\s*(<[^>]+>|"[^"]+")')


def media_sources(source_dir):
    """The stems of src/media's files that src/CMakeLists.txt puts into quorim_media."""
    cmake = (source_dir / "src" / "CMakeLists.txt").read_text()
    block = re.search(r"add_library\(quorim_media\b(.*?)\)", cmake, re.S)
    if not block:
        sys.exit("src/CMakeLists.txt: no quorim_media library")
    return {pathlib.PurePosixPath(name).stem
            for name in re.findall(r"media/(\S+)\.cpp", block.group(1))}


def layer_of(relative, gui_media):
    """The layer of a path relative to the source tree, or None."""
    parts = relative.parts
    if parts[:2] == ("tools", "cli"):
        return "cli"
    if len(parts) < 3 or parts[0] != "src":
        return None
    if parts[1] == "media":
        return GUI_MEDIA if relative.stem in gui_media else CORE_MEDIA
    return parts[1] if parts[1] in RANK else None


def library_of(header, qt_headers):
    """The library an angle-bracket include belongs to; None for the standard ones."""
    if header.startswith("unicode/"):
        return "ICU"
    if header.startswith("SDL"):
        return "SDL"
    if "/" in header and (qt_headers / header).is_file():
        return header.split("/")[0]
    for module in qt_headers.glob("Qt*"):
        if (module / header).is_file():
            return module.name
    if re.match(r"Q[A-Z]", header):
        return "no Qt module found"
    return None


def included_layer(source_dir, including, header, gui_media):
    """The layer of a quoted include: beside the including file, else under src/."""
    beside = including.parent / header
    target = beside if beside.is_file() else source_dir / "src" / header
    return layer_of(target.relative_to(source_dir), gui_media)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__.strip())
    source_dir = pathlib.Path(sys.argv[1]).resolve()
    qt_headers = pathlib.Path(sys.argv[2])
    gui_media = media_sources(source_dir)
    files = sorted(p for folder in ("src", "tools/cli")
                   for p in (source_dir / folder).rglob("*") if p.suffix in (".h", ".cpp"))
    problems = []
    for path in files:
        relative = path.relative_to(source_dir)
        layer = layer_of(relative, gui_media)
        if layer is None:
            problems.append(f"{relative}: in no layer")
            continue
        _, libraries, highest = LAYERS[RANK[layer]]
        top = RANK[highest] if highest else RANK[layer] - 1
        for number, line in enumerate(path.read_text(errors="replace").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            written = match.group(1)
            header = written[1:-1]
            where = f"{relative}:{number}: {layer} may not include {written}"
            if written[0] == "<":
                library = library_of(header, qt_headers)
                if library and library not in libraries:
                    problems.append(f"{where} ({library})")
                continue
            target = included_layer(source_dir, path, header, gui_media)
            if target is None:
                problems.append(f"{where} (a header of no layer)")
            elif target != layer and RANK[target] > top:
                problems.append(f"{where} (layer {target})")
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
