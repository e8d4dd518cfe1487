#!/usr/bin/env python3
"""Writes the six patient report templates data/report/brmyd1.vts .. brmyd6.vts.

The question headings and answer captions come from data/questionnaires/patient.json; the column layout (which
question, at which offset, with which rate column) matches reports/patient/PatientSheets.cpp.
Run from the repository root:  tools/make_patient_templates.py
"""
import json
import re
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
NUMERALS = "一二三四五六"

# sheet: (last column, subtitle, [(question, offset, code columns, has rate)], extra columns)
SHEETS = {
    1: (33, "第二题至第五题", [(2, 2, 11, False), (3, 13, 6, True), (4, 20, 5, True), (5, 26, 5, True)]),
    2: (27, "第六题至第九题", [(6, 1, 5, True), (7, 7, 6, True), (8, 14, 6, True), (9, 21, 5, True)]),
    3: (29, "第十题至第十三题", [(10, 1, 6, True), (11, 8, 6, True), (12, 15, 6, True), (13, 22, 6, True)]),
    4: (27, "第十四题至第十七题", [(14, 1, 6, True), (15, 8, 6, True), (16, 15, 5, True), (17, 21, 5, True)]),
    5: (31, "第十八题至第二十二题", [(18, 1, 5, True), (19, 7, 5, True), (20, 13, 6, True), (21, 20, 5, True),
                              (22, 26, 4, True)]),
    6: (29, "第二十三题至第二十八题", [(23, 1, 4, True), (24, 6, 4, True), (25, 11, 3, True), (26, 15, 3, True),
                                (27, 19, 2, True), (28, 22, 6, True)]),
}

PRINTABLE_WIDTH = 15500  # twips across an A4 landscape page with 10 mm side margins, less a little
NAME_WIDTH = 1300
COUNT_WIDTH = 560
SHARE_WIDTH = 760
RATE_WIDTH = 640
MAX_CODE_WIDTH = 600
NARROW_WIDTH = 450


def column_letters(col):
    letters = ""
    while col:
        col, rest = divmod(col - 1, 26)
        letters = chr(ord("A") + rest) + letters
    return letters


def cell(row, col):
    return f"{column_letters(col)}{row}"


def quoted(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def load_questions():
    data = json.loads((ROOT / "data/questionnaires/patient.json").read_text(encoding="utf-8"))
    questions = {}
    for q in data["questions"]:
        parts = q["text"].split("_")
        heading = parts[0].strip()
        answers = "".join(parts[1:])
        captions = [a.strip(" \u3000") for a in re.split(r"[\u2460-\u2487]", answers)]
        questions[q["answer"]] = (heading, [c for c in captions if c])
    return questions


def rate_caption(question):
    # Question 27 rates its first answer, "有".
    return "索要率(%)" if question == 27 else "满意率(%)"


def template(number, questions):
    last_col, subtitle, blocks = SHEETS[number]
    first_sheet = number == 1
    code_count = sum(codes for _, _, codes, _ in blocks)
    rate_count = sum(1 for *_, rated in blocks if rated)
    fixed = NAME_WIDTH + rate_count * RATE_WIDTH + (COUNT_WIDTH + SHARE_WIDTH if first_sheet else 0)
    code_width = min(MAX_CODE_WIDTH, (PRINTABLE_WIDTH - fixed) // code_count // 10 * 10)

    out = [
        "hestova-sheet 1",
        f"# 病人满意度调查报表{number}: written by tools/make_patient_templates.py, do not edit by hand.",
        "# Row 11 is the totals row and the department rows follow; the program fills and frames them.",
        "page orientation=landscape margins=10,12,10,12",
        'header "青禾市中心医院      调查日期："',
        f"used rows=10 cols={last_col}",
        'default font="宋体" size=9 charset=134',
        "",
        "style title size=16 bold h=center v=center",
        "style subtitle size=10 h=center v=center",
        "style group size=9 bold h=center v=center wrap box=thin",
        # Columns too narrow for two characters of 9 pt take the captions in 8 pt.
        f"style answer size={9 if code_width >= NARROW_WIDTH else 8} h=center v=center wrap box=thin",
        "",
        f"column A width={NAME_WIDTH}",
    ]
    widths = {}
    for question, offset, codes, rated in blocks:
        for col in range(offset + 1, offset + codes + 1):
            widths[col] = code_width
        if rated:
            widths[offset + codes + 1] = RATE_WIDTH
    if first_sheet:
        widths[2] = COUNT_WIDTH
        widths[last_col] = SHARE_WIDTH
    for col in sorted(widths):
        out.append(f"column {column_letters(col)} width={widths[col]}")
    out += [
        "row 1 height=600",
        "row 2 height=360",
        "row 3-5 height=330",
        "row 6-10 height=250",
        "",
        f"cell A1 title {quoted(f'病人满意度调查统计表（{NUMERALS[number - 1]}）')}",
        f"merge A1:{cell(1, last_col)}",
        f"cell A2 subtitle {quoted(subtitle)}",
        f"merge A2:{cell(2, last_col)}",
        "",
        f"cells A3:{cell(10, last_col)} answer",
        'cell A3 group "科室"',
        "merge A3:A10",
    ]
    if first_sheet:
        out += ['cell B3 group "问卷数"', "merge B3:B10",
                f'cell {cell(3, last_col)} group "综合满意率(%)"', f"merge {cell(3, last_col)}:{cell(10, last_col)}"]
    for question, offset, codes, rated in blocks:
        heading, captions = questions[question]
        last = offset + codes + (1 if rated else 0)
        out += ["", f"cell {cell(3, offset + 1)} group {quoted(heading)}",
                f"merge {cell(3, offset + 1)}:{cell(5, last)}"]
        labels = captions[:codes] + ([rate_caption(question)] if rated else [])
        for i, label in enumerate(labels):
            col = offset + 1 + i
            out += [f"cell {cell(6, col)} {quoted(label)}", f"merge {cell(6, col)}:{cell(10, col)}"]
    return "\n".join(out) + "\n"


def main():
    questions = load_questions()
    for number in SHEETS:
        path = ROOT / "data/report" / f"brmyd{number}.vts"
        path.write_text(template(number, questions), encoding="utf-8")
        print(path)


if __name__ == "__main__":
    main()
