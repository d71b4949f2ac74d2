#!/usr/bin/env python3
"""Checks a printed data sheet or radiant listing (PDF) for columns that line up: every heading
starts at its column, and every field of every record line starts under its heading.

usage: sheet_columns.py PDF sheet|imo|terentjeva [KINDS]
KINDS (sheet only): 2 when both IMO and Terentjeva lines must be present."""
import re
import subprocess
import sys

LAYOUTS = {
    "sheet": {"COD": 0, "NOMBRE": 5, "AR": 32, "DEC": 39, "TAM.R": 46, "R": 53, "V": 59,
              "THZ": 65},
    "imo": {"COD": 0, "NOMBRE": 4, "INI.": 31, "FIN": 38, "MAX.": 45, "AR": 52, "DEC": 59,
            "D.AR": 66, "D.DEC": 73, "TAM.R": 80, "R": 87, "V": 93, "THZ": 99, "D": 106},
    "terentjeva": {"COD": 0, "NOMBRE": 5, "INI.": 32, "FIN": 39, "AR": 46, "DEC": 53,
                   "D.AR": 60, "D.DEC": 67, "TAM.R": 74, "V": 81, "D": 87},
}
WORD = re.compile(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)</word>')


def pages(pdf):
    html = subprocess.run(["pdftotext", "-bbox", pdf, "-"], check=True, capture_output=True,
                          text=True).stdout
    for page in html.split("<page ")[1:]:
        yield [(float(a), float(b), float(c), w) for a, b, c, w in WORD.findall(page)]


def lines(words):
    rows = {}
    for x, y, x2, w in words:
        rows.setdefault(round(y, 1), []).append((x, x2, w))
    return [sorted(rows[y]) for y in sorted(rows)]


def check(pdf, layout, kinds):
    columns = LAYOUTS[layout]
    name = columns["NOMBRE"]
    failures, records, seen = [], 0, set()
    for number, words in enumerate(pages(pdf), 1):
        rows = lines(words)
        header = next(i for i, r in enumerate(rows) if r[0][2] == "COD")
        x0 = rows[header][0][0]
        dashes = rows[header + 1][0]
        width = (dashes[1] - dashes[0]) / len(dashes[2])
        col = lambda x: round((x - x0) / width)
        heads = {w: col(x) for x, _, w in rows[header]}
        # The rate is right-aligned in five columns: it ends where its column ends.
        rate = columns.get("THZ")
        field = lambda start, end: rate if rate is not None and rate <= start and end == rate + 5 else start
        for heading, c in columns.items():
            if heads.get(heading) != c:
                failures.append(f"page {number}: heading {heading} at {heads.get(heading)}, not {c}")
        for row in rows[header + 2:]:
            code = row[0][2]
            starts = {field(col(x), col(x2)) for x, x2, _ in row if not name < col(x) < name + 25}
            want = set(columns.values())
            terentjeva = len(code) > 1 and code[1].isdigit()
            seen.add("T" if terentjeva else "I")
            if layout == "sheet" and terentjeva:
                want -= {columns["R"], columns["THZ"]}
                if starts & {columns["R"], columns["THZ"]}:
                    failures.append(f"page {number}: {code} has R or THZ")
            if "D" in columns and columns["D"] not in starts:
                want.discard(columns["D"])
            if starts != want:
                failures.append(f"page {number}: {code} fields at {sorted(starts)}, want {sorted(want)}")
            records += 1
    if kinds == 2 and seen != {"I", "T"}:
        failures.append(f"both kinds of radiant expected, saw {sorted(seen)}")
    if records == 0:
        failures.append("no record lines")
    for f in failures:
        print(f"FAIL {pdf}: {f}", file=sys.stderr)
    print(f"{pdf}: {records} record lines checked, {len(failures)} faults")
    return not failures


if __name__ == "__main__":
    sys.exit(0 if check(sys.argv[1], sys.argv[2], int(sys.argv[3]) if len(sys.argv) > 3 else 1) else 1)
