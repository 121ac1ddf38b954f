#!/usr/bin/env python3
"""Writes resources/wtrimora.txt, the 60 topics of the menu "Themen".

Each record: "[" + title, the six coordinate texts (x A, y A, x B, y B, x C, y C) exactly as the field
reader gets them, then the names of the switched-on elements in four groups, each ended by "#":
tab list "Allgemein" (CL1x), "Dreiecke / Lote" (CL2x), "A-M" (CL3x), "N-Z" (CL4x); inside a group the
names follow the item order of the tab list. After the last record the line "[#".
The file is Windows-1252 with CR LF line ends, like the catalogue.

The names come from resources/xtrimora.txt, the tab lists from base/catalogue.cpp.

usage: python3 tools/gen_presets.py            write the file
       python3 tools/gen_presets.py --check    exit 1 if the checked-in file differs
"""

import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
CATALOGUE = ROOT / "resources" / "xtrimora.txt"
TAB_LISTS = ROOT / "base" / "catalogue.cpp"
OUTPUT = ROOT / "resources" / "wtrimora.txt"
CATALOGUE_SIZE = 507

# Group order of a record: the tab lists by their list names.
GROUP_LISTS = ("CL1x", "CL2x", "CL3x", "CL4x")

# The topics in the order of the menu "Themen": title, coordinate texts, catalogue indices of the
# switched-on elements as runs.
TOPICS = [
    ("Grunddreieck", ("1", "2", "-2", "-1", "2", "-1"), "0-7, 9-10, 12-22, 24, 26-27, 30, 67, 346-347"),
    ("Rechtwinkliges Dreieck", ("-2", "-1", "3", "-1", "-1", "1"), "0-6, 13-19, 22, 24-25, 28, 36, 346"),
    ("Kreise des Apollonius", ("-0.14", "1.33", "-1.26", "-0.36", "1.48", "-0.36"), "0-7, 14, 16-18, 22-24, 26, 155-156"),
    ("Feuerbach-Kreis", ("-1", "2", "-2", "-1.2", "1.8", "-1.2"), "0-7, 12-13, 15, 17, 19-21, 30, 335, 346, 450"),
    ("Adams-Kreis", ("1.26", "2.53", "-1.85", "-1.54", "1.8", "-1.54"), "0-7, 14-17, 36, 41-42, 247-252"),
    ("Ankreis-Inkreis-Kreise", ("-0.84", "1.34", "-1.8", "-1", "1", "-1"), "0-7, 10, 12, 14, 16, 18, 22, 24, 31, 408, 425-428, 430-431"),
    ("Antikomplementärdreieck", ("-0,56", "1,09", "-1,03", "-0,96", "1,6", "-0,96"), "0-7, 13, 26-27, 69-70, 494-495, 506"),
    ("Apollonius-Punkt", ("-0.09", "0.78", "-0.97", "-0.64", "1.05", "-0.65"), "0-7, 18, 22-24, 31, 130-135, 137, 139, 238"),
    ("Bézier-Parabeln", ("-0.76", "2.39", "-2.1", "-1.74", "2.36", "-1.74"), "0-7, 9, 13, 26-27, 478-479"),
    ("Brocard-Achse", ("-1.07", "2.7", "-2.22", "-1.6", "2.84", "-1.6"), "0-7, 15, 17, 49, 51-52, 67, 90, 93-94, 221-222, 435"),
    ("Carnot-Dreieck", ("0,49", "2,5", "-3,3", "-1,9", "2,78", "-1,9"), "0-6, 12, 20, 30, 346, 370, 498-500"),
    ("Carnot-Johnson-Kreise", ("-0,4", "1,34", "-1,28", "-0,76", "1,61", "-0,76"), "0-6, 12, 69-70, 369-370, 494-496"),
    ("Clawson-Punkt", ("-0.57", "0.57", "-0.9", "-0.47", "0.37", "-0.35"), "0-7, 18, 22-24, 28-29, 238, 283, 285, 287-288, 360"),
    ("Conway-Kreis", ("-0.01", "0.4", "-0.87", "-0.95", "1.6", "-0.95"), "0-7, 14, 16-17, 22, 443-445"),
    ("Epstein-Punkt", ("0.21", "0.48", "-0.56", "-0.6", "0.56", "-0.75"), "0-7, 16, 25, 61-63, 263, 343-345"),
    ("Eulersche Kreise", ("-1,05", "2,55", "-2,56", "-1,78", "2,61", "-1,78"), "0-6, 15, 17, 20-21, 26, 30, 497"),
    ("Fermat-Napoleon-Gerade", ("-1", "1,16", "-1,8", "-0,95", "2,21", "0,36"), "0-6, 15, 17, 20-21, 67, 141, 152, 282, 377, 485-487"),
    ("Feuerbach-Hyperbel", ("-1.83", "1.56", "-2.39", "-1.96", "1.94", "-1.96"), "0-7, 12, 14, 16-17, 20, 32, 41, 155, 236, 392, 460, 481"),
    ("Feuerbach-Hypozykloiden", ("-0,93", "1,53", "-2,15", "-1,37", "2,54", "-1,37"), "0-7, 20-21, 30, 488"),
    ("Fuhrmanndreieck", ("-1.11", "1.81", "-2.3", "-0.96", "1.79", "-0.96"), "0-5, 7, 15, 17, 175-180"),
    ("Gergonne-Gerade", ("-0.18", "0.57", "-0.68", "-0.9", "3.1", "0.01"), "0-7, 14-17, 36, 38-42"),
    ("Gergonne-Punkt", ("-1.14", "1.69", "-2.01", "-1.68", "2.3", "-1.68"), "0-7, 14-17, 36-37, 41-42, 151, 357-359, 446, 482-483"),
    ("Hadamard-Punkt", ("-1.06", "1.12", "-1.8", "-0.95", "0.79", "-0.95"), "0-7, 14, 16-18, 22-24, 31-33, 238, 322-323"),
    ("Hexyl-Dreieck", ("0.4", "1", "-1", "-0.7", "1.3", "-0.09"), "0-7, 14, 16, 18, 22-24, 31, 408, 438-442"),
    ("Hofstadter-Trapez", ("-1.06", "1.39", "-1.57", "-2.11", "2.73", "-2.11"), "0-7, 12, 14-18, 22, 24, 28, 31-33, 346, 464-465"),
    ("Höhendrachenvierecke", ("-0,35", "2,29", "-1,8", "-0,95", "2,89", "-0,95"), "0-6, 12, 15, 17, 20, 28, 346, 490-492"),
    ("Höhendreieck", ("-1.19", "2.37", "-2.28", "-1.44", "2.94", "-1.44"), "0-8, 12, 20-21, 28-29, 311-319, 454-456"),
    ("Inkreis-Umkreis-Gerade", ("-1.19", "2.16", "-2.53", "-0.88", "2.8", "-2.26"), "0-7, 14-17, 36-37, 151, 264, 322, 410-411, 482-483"),
    ("Inversion am Inkreis", ("-1.53", "2.18", "-2.09", "-1.83", "2.5", "-1.83"), "0-7, 14-17, 36-37, 446-447"),
    ("Isodynamische Punkte", ("0.05", "-0.31", "-1.8", "-0.95", "0.42", "0.73"), "0-7, 13, 221-224, 270, 326-329, 391"),
    ("Jerabek-Hyperbel", ("-1.1", "1.35", "-1.8", "-0.95", "1.6", "-0.95"), "0-7, 12, 15, 19, 67, 225, 289, 384, 400, 463"),
    ("Kiepert-Hyperbel", ("-1.73", "1.86", "-2.36", "-1.86", "2.17", "-1.86"), "0-7, 12-13, 15, 17, 20, 30, 44, 67, 93, 141, 152, 282, 284, 367, 377, 380, 399, 406, 433-435, 472-473"),
    ("Kimberling-Punkte", ("-0.79", "2.38", "-2.31", "-1.05", "2.57", "-2.9"), "0-6, 12-15, 21, 32, 41, 44, 67, 141, 150, 152, 155, 157, 221-222, 236, 282-283, 377, 380, 392-393, 437"),
    ("Kontaktdreieck", ("-1.5", "2.74", "-2.74", "-1.65", "3.01", "-1.65"), "0-7, 14, 16, 36-37, 410-411, 451-453, 461-462"),
    ("Kosnita-Punkt", ("-1.02", "2", "-1.93", "-1.57", "2.13", "-1.57"), "0-7, 15, 17, 20-21, 26, 289, 354-356, 385-389"),
    ("Lamoen-Kreis", ("-1.25", "2.16", "-2.53", "-0.95", "2.54", "-0.95"), "0-6, 13, 330-332"),
    ("Lémoine-Kreis", ("-1,1", "1,8", "-1,8", "-1", "1,6", "-1"), "0-6, 67, 254-257, 259-260"),
    ("Lémoine-Punkt", ("0", "0.5", "-0.83", "-0.6", "0.53", "-0.6"), "0-7, 16-17, 64, 66-67, 361-366, 372"),
    ("Lester-Kreis", ("-0.51", "1.68", "-1.8", "-0.95", "2.35", "-0.95"), "0-6, 15, 17, 20-21, 30, 152, 281, 377, 457"),
    ("Lucas-Kreise", ("-1.69", "2.45", "-2.41", "-1.95", "2.86", "-1.95"), "0-7, 15, 17, 414-419, 421-424"),
    ("Malfatti-Problem", ("0.87", "2.39", "-1.8", "-1.6", "2.16", "-1.6"), "0-5, 7, 16-17, 193-198, 202"),
    ("Musselman-Theorem", ("-0.46", "0.68", "-1.8", "-0.95", "0.52", "-0.57"), "0-7, 12, 15, 17, 28, 401-405"),
    ("Napoleon-Kreis", ("-1.1", "1.35", "-1.8", "-0.95", "1.6", "-0.95"), "0-7, 13, 282, 373-376"),
    ("Napoleon-Punkt", ("0.79", "2.24", "-1.8", "-0.95", "0.88", "-0.95"), "0-7, 16, 141-144, 152-154, 324-325, 371"),
    ("Neuberg-Kreise", ("-0.59", "2.06", "-1.5", "-0.7", "1.55", "-0.7"), "0-7, 15, 17, 26, 69-70, 239-241, 245, 354-356, 367-368"),
    ("Orthozentrisches Viereck", ("-1.1", "1.35", "-1.8", "-0.95", "1.6", "-0.95"), "0-7, 12, 15, 17, 20-21, 346, 369-370"),
    ("Rekursive Soddy-Kreise", ("-1,65", "3", "-3,08", "-2,94", "3,72", "-2,94"), "0-7, 16, 25, 36, 59, 493"),
    ("Rosenbaum-Dreieck", ("-1,88", "2,38", "-3", "-2", "3", "-2"), "0-6, 9, 13, 26-27, 501-502, 505"),
    ("Schiffler-Punkt", ("-1.59", "2.1", "-2.17", "-1.7", "3.23", "-1.7"), "0-6, 10, 12-14, 16, 19, 227-236, 290, 346"),
    ("Soddy Kreise", ("-1.1", "1.35", "-1.1", "-1.42", "2.14", "-0.86"), "0-7, 16-17, 25, 36, 59-63, 343"),
    ("Spieker- und Nagelpunkt", ("-0.77", "0.75", "-1.8", "-0.95", "1.6", "-0.95"), "0-7, 13-14, 16, 18, 22, 24, 26-27, 32, 35, 43-44, 238"),
    ("Stammler-Hyperbel", ("-0.65", "1.55", "-1.8", "-0.95", "1.11", "-0.39"), "0-7, 14-15, 18, 22-24, 67, 291, 480"),
    ("Steiner-Ellipse", ("-1.14", "2.28", "-2.01", "-1.32", "2.17", "-1.32"), "0-7, 10, 13-15, 17, 26-27, 225-226, 367, 382-384, 400, 448"),
    ("Südpolsatz", ("-1,1", "1,35", "-1,8", "-0,95", "1,6", "-0,95"), "0-6, 11, 14-17, 354-356, 445, 469"),
    ("Tangentialdreieck", ("-1.1", "1.35", "-1.8", "-0.95", "0.85", "-0.58"), "0-7, 14-17, 145-150, 321"),
    ("Thébault-Punkt", ("0.5", "1.81", "-2.32", "-1.76", "2.21", "-1.76"), "0-7, 12, 17, 20-21, 28-30, 311-320, 348-350"),
    ("Vecten-Punkt", ("0.27", "1.35", "-1.38", "-0.61", "1.28", "-0.6"), "0-7, 16-17, 361-362, 364, 378-381"),
    ("Villiers-Punkt", ("-1.8", "2.49", "-2.49", "-2.18", "2.66", "-2.18"), "0-6, 14, 16, 36, 451-453, 458-461"),
    ("Yff-Dreieck", ("-1.05", "2.21", "-1.78", "-1.82", "2.53", "-1.82"), "0-7, 14-17, 339-342"),
    ("Yff-Zentraldreieck", ("-0.61", "2.45", "-2.04", "-2.16", "2.72", "-2.16"), "0-7, 16-17, 264-268, 336-338"),
]


def expand_runs(text):
    """ "0-7, 22, 12-15" -> [0, 1, ..., 7, 22, 12, ..., 15] """
    out = []
    for part in text.split(","):
        part = part.strip()
        if "-" in part:
            first, last = (int(s) for s in part.split("-"))
            if last < first:
                raise ValueError("falling run " + part)
            out.extend(range(first, last + 1))
        else:
            out.append(int(part))
    return out


def read_catalogue():
    text = CATALOGUE.read_bytes().decode("cp1252")
    if not text.endswith("\r\n"):
        raise ValueError("catalogue does not end with CR LF")
    names = text[:-2].split("\r\n")
    if len(names) != CATALOGUE_SIZE:
        raise ValueError("catalogue has %d names, expected %d" % (len(names), CATALOGUE_SIZE))
    return names


def read_tab_lists():
    """Tab lists of base/catalogue.cpp: list name -> catalogue indices in item order."""
    source = TAB_LISTS.read_text(encoding="utf-8")
    arrays = {}
    for m in re.finditer(r"constexpr auto (k\w+) = Items<(\d+)>\(\{(.*?)\}\);", source, re.S):
        items = []
        for run in re.finditer(r"\{\s*(\d+)\s*,\s*(\d+)\s*\}|(\d+)", m.group(3)):
            if run.group(3):
                items.append(int(run.group(3)))
            else:
                items.extend(range(int(run.group(1)), int(run.group(2)) + 1))
        if len(items) != int(m.group(2)):
            raise ValueError("%s: %d items, declared %s" % (m.group(1), len(items), m.group(2)))
        arrays[m.group(1)] = items
    lists = {}
    for m in re.finditer(r'\{"[^"]+", "(CL\dx)", (k\w+)\}', source):
        lists[m.group(1)] = arrays[m.group(2)]
    if sorted(lists) != sorted(GROUP_LISTS):
        raise ValueError("tab lists not found in " + str(TAB_LISTS))
    every = sorted(i for items in lists.values() for i in items)
    if every != list(range(CATALOGUE_SIZE)):
        raise ValueError("the tab lists do not hold every catalogue index exactly once")
    return lists


def build():
    names = read_catalogue()
    lists = read_tab_lists()
    titles = [t[0] for t in TOPICS]
    if len(set(t.lower() for t in titles)) != len(titles):
        raise ValueError("titles are not unique")
    lines = []
    for title, coordinates, runs in TOPICS:
        if len(coordinates) != 6:
            raise ValueError(title + ": six coordinate texts expected")
        chosen = expand_runs(runs)
        if len(set(chosen)) != len(chosen) or not all(0 <= i < CATALOGUE_SIZE for i in chosen):
            raise ValueError(title + ": bad element list " + runs)
        chosen = set(chosen)
        lines.append("[" + title)
        lines.extend(coordinates)
        for list_name in GROUP_LISTS:
            lines.extend(names[i] for i in lists[list_name] if i in chosen)
            lines.append("#")
    lines.append("[#")
    return "".join(line + "\r\n" for line in lines).encode("cp1252")


def main(argv):
    data = build()
    if argv[1:] == ["--check"]:
        if OUTPUT.read_bytes() != data:
            print(str(OUTPUT) + " is out of date; run tools/gen_presets.py", file=sys.stderr)
            return 1
        return 0
    if argv[1:]:
        print(__doc__, file=sys.stderr)
        return 2
    OUTPUT.write_bytes(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
