#!/usr/bin/env python3
"""Writes the seventeen department sheet templates yjmyd1.vts .. yjmyd17.vts of the medical-technical report.

Usage: make_yjmyd_templates.py QUESTIONNAIRE_JSON OUTDIR
       (data/questionnaires/medtech.json, data/report)

Each sheet lists its department's questions one under another, one row per answer option: the option caption in
column B, the count (left empty, the report fills it) in column C, the question's rate in column D of its first
row, and the mean of the rates in column D of the row after the last question. The question and option texts are
taken from the questionnaire catalogue, so the sheets say exactly what the questionnaire asked.
"""
import json
import re
import sys
from pathlib import Path

from department_sheets import FIRST_ROW, parse_question, quote, sheet

WIDTHS = {"A": 6100, "B": 1600, "C": 1100, "D": 1400}


def departments(catalogue):
    """Questions grouped by department (the letters of their column name), in questionnaire order."""
    groups = []
    for q in sorted(catalogue["questions"], key=lambda q: q["answer"]):
        prefix = re.match(r"[a-z]+", q["column"]).group(0)
        if not groups or groups[-1][0] != prefix:
            groups.append((prefix, []))
        groups[-1][1].append(q)
    return groups


def department_name(heading):
    # "一、检验科" -> "检验科"; "五、CT、磁共振室" -> "CT、磁共振室"
    return heading.split("、", 1)[1]


def template(number, questions):
    parsed = [parse_question(q["text"]) for q in questions]
    name = department_name(parsed[0][0])
    blocks = []
    row = FIRST_ROW
    for _, question, options in parsed:
        first, last = row, row + len(options) - 1
        blocks.append(f"# {question}")
        # every cell of a merged range carries the style, so that the range's outer lines are whole
        blocks.append(f"cells A{first}:A{last} question")
        blocks.append(f"cells C{first}:C{last} count")
        blocks.append(f"cells D{first}:D{last} rate")
        blocks.append(f"cell A{first} {quote(' ' + question)}")
        for option in options:
            blocks.append(f"cell B{row} option {quote(option)}")
            row += 1
        if last > first:
            blocks.append(f"merge A{first}:A{last}")
            blocks.append(f"merge D{first}:D{last}")
        blocks.append("")
    return sheet(name, "tools/make_yjmyd_templates.py", "12,15,12,15", WIDTHS, "size=9 h=left v=center wrap box=thin",
                 row - FIRST_ROW, blocks)


def main():
    catalogue = json.loads(Path(sys.argv[1]).read_text(encoding="utf-8"))
    outdir = Path(sys.argv[2])
    groups = departments(catalogue)
    assert len(groups) == 17, len(groups)
    for number, (_, questions) in enumerate(groups, start=1):
        (outdir / f"yjmyd{number}.vts").write_text(template(number, questions), encoding="utf-8")


if __name__ == "__main__":
    main()
