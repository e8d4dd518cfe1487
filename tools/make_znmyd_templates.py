#!/usr/bin/env python3
"""Writes the twenty-four unit sheet templates znmyd1.vts .. znmyd24.vts of the functional-department report.

Usage: make_znmyd_templates.py QUESTIONNAIRE_JSON OUTDIR
       (data/questionnaires/functional.json, data/report)

Same look as the medical-technical sheets (department_sheets.py writes both): one row per answer code, the option
caption in column B, the count (left empty, the report fills it) in column C, the question's rate in column D of its
first row, the mean of the rates in column D of the row after the last question. The sheets follow the template
order of the report, not the questionnaire's; a three-answer scale keeps a fourth, empty row.
"""
import json
import re
import sys
from pathlib import Path

from department_sheets import FIRST_ROW, parse_question, quote, sheet

WIDTHS = {"A": 4600, "B": 2200, "C": 1400, "D": 1700}

# Template order: unit and the letters of its answer columns.
UNITS = [
    ("院办公室", "yb"), ("党委办公室", "dw"), ("纪检、监察处", "jj"), ("人事处", "rs"), ("护理部", "hl"),
    ("医教处", "yj"), ("设备处", "sb"), ("财务处", "cw"), ("保卫处", "bw"), ("门诊部办公室", "mz"),
    ("感染科", "gr"), ("对外医疗服务处", "yf"), ("网络管理室", "wg"), ("信息科", "xx"), ("保健科", "bj"),
    ("车队", "cd"), ("总务处", "zw"), ("锅炉房", "gl"), ("水管维修组", "sg"), ("电工房", "dg"),
    ("木工房", "mg"), ("电梯房", "dt"), ("厨房", "cf"), ("洗浆房", "xj"),
]
BLOCK_ROWS = {"Grade4NeScale": 5, "Grade4Scale": 4, "Grade3Scale": 4, "YesNoNeScale": 3, "TwoChoiceScale": 2}


def unit_questions(catalogue, prefix):
    found = [q for q in catalogue["questions"] if re.fullmatch(prefix + r"\d+", q["column"])]
    return sorted(found, key=lambda q: int(q["column"][len(prefix):]))


def template(number, name, questions):
    blocks = []
    row = FIRST_ROW
    for q in questions:
        _, question, options = parse_question(q["text"])
        rows = BLOCK_ROWS[q["answerSet"]]
        assert len(options) <= rows, q["column"]
        options += [""] * (rows - len(options))
        first, last = row, row + len(options) - 1
        blocks.append(f"# {q['column']}: {question}")
        # A merged range draws the borders its cells carry: every cell of it gets the style.
        blocks.append(f"cells A{first}:A{last} question")
        blocks.append(f"cell A{first} question {quote(question)}")
        blocks.append(f"cells C{first}:C{last} count")
        blocks.append(f"cells D{first}:D{last} rate")
        for option in options:
            blocks.append(f"cell B{row} option {quote(option)}" if option else f"cell B{row} option")
            row += 1
        blocks.append(f"merge A{first}:A{last}")
        blocks.append(f"merge D{first}:D{last}")
        blocks.append("")
    return sheet(name, "tools/make_znmyd_templates.py", "15,15,15,15", WIDTHS, "h=left v=center wrap box=thin",
                 row - FIRST_ROW, blocks)


def main():
    catalogue = json.loads(Path(sys.argv[1]).read_text(encoding="utf-8"))
    outdir = Path(sys.argv[2])
    for number, (name, prefix) in enumerate(UNITS, start=1):
        questions = unit_questions(catalogue, prefix)
        assert questions, prefix
        (outdir / f"znmyd{number}.vts").write_text(template(number, name, questions), encoding="utf-8")


if __name__ == "__main__":
    main()
