#!/usr/bin/env python3
"""Writes the questionnaire catalogue files (data/questionnaires/*.json) from the design document.

usage: extract_questionnaires.py DESIGN.md OUTDIR

The question texts are taken character for character from the quoted cells of the document's tables
(leading blanks, ideographic spaces and the "_" line-break marker included), so the files match the
paper forms exactly. Tables are found by their header rows.
"""

import json
import re
import sys

PATIENT_QUESTIONS = '| question | page, row | text as stored ("_" = line break) | answer set | buttons |'
PATIENT_PAGES = '| page | questions | buttons per row |'
MEDTECH_UNITS = '| no. | heading in the texts | abbreviation | questions | question numbers | `yjdcxx` columns | pages |'
MEDTECH_QUESTIONS = '| question | `yjdcxx` column | page | row | department, its question | text | buttons | answers | name | report reads it through |'
MEDTECH_PAGES = '| page | department | questions | rows shown | buttons in the shown rows |'
FUNCTIONAL_PAGES = '| Page | Rows n | Columns of rows 1 to n | Answers stored (numbers) | Buttons |'
FUNCTIONAL_COLUMNS = '| Columns | Names | Holds (unit of '
FUNCTIONAL_QUESTIONS = '| Page.row | Column | Answer set | Text as stored |'


def table(lines, header):
    """Rows (lists of raw cells) of the table whose header line is (or begins with) `header`."""
    matches = [i for i, line in enumerate(lines) if line.rstrip('\n') == header
               or (not header.endswith('|') and line.startswith(header))]
    if len(matches) != 1:
        sys.exit(f'table header found {len(matches)} times: {header}')
    rows = []
    for line in lines[matches[0] + 2:]:
        line = line.rstrip('\n')
        if not line.startswith('|'):
            break
        rows.append(split_row(line))
    return rows


def split_row(line):
    """Cells of a table row; a quoted text cell may hold anything but a double quote."""
    cells = []
    rest = line[1:]
    while rest:
        rest = rest[1:] if rest.startswith(' ') else rest
        if rest.startswith('"'):
            end = rest.index('"', 1)
            # a quoted cell may carry words after the closing quote (the department question)
            close = rest.index(' |', end)
            cells.append(rest[:close])
            rest = rest[close + 2:]
        else:
            close = rest.index(' |') if ' |' in rest else len(rest)
            cells.append(rest[:close])
            rest = rest[close + 2:]
    return cells


def quoted(cell):
    start = cell.index('"')
    end = cell.rindex('"')
    return cell[start + 1:end]


def ticks(cell):
    return re.findall(r'`([^`]*)`', cell)


def numbers(cell):
    return [int(n) for n in re.findall(r'\d+', cell)]


def span(cell):
    """'5-9' -> [5..9], '69-71' -> [69, 70, 71], '7' -> [7]."""
    parts = numbers(cell)
    return list(range(parts[0], parts[-1] + 1))


def column_names(cell):
    """'`yb1`-`yb4`' -> yb1..yb4; '`yf1`, `yf2`, `wg1`, `wg2`' as listed; '`yj6`, `sb1`-`sb4`' mixed."""
    names = []
    for item in cell.split(','):
        item = item.strip()
        found = ticks(item)
        if len(found) == 2 and '-' in item:
            prefix = re.match(r'[a-z]+', found[0]).group(0)
            first, last = int(found[0][len(prefix):]), int(found[1][len(prefix):])
            names += [f'{prefix}{n}' for n in range(first, last + 1)]
        else:
            names += found
    return names


def patient(lines):
    questions = []
    for cells in table(lines, PATIENT_QUESTIONS):
        number = int(cells[0])
        entry = {'answer': number, 'text': quoted(cells[2]), 'answerSet': ticks(cells[3])[0]}
        if cells[4].strip() == '`DeptCount`':
            entry['departments'] = True
        else:
            entry['buttons'] = int(cells[4])
        if number == 1:
            entry['column'] = 'jyks1'
        questions.append(entry)
    pages = []
    for cells in table(lines, PATIENT_PAGES):
        rows = span(cells[1])
        pages.append({'rows': rows})
    planned = [plan_counts(cells[2]) for cells in table(lines, PATIENT_PAGES)]
    return catalogue(1, 'brwjdcxx', '病人满意度调查', [30, 12, 6, 6, 6], questions, pages, planned)


def plan_counts(cell):
    """'`DeptCount`, 12, 6, 5, 5' -> [0, 12, 6, 5, 5] (0: the department count); '3, 2, 6; rows ...' -> [3, 2, 6]."""
    counts = []
    for item in cell.split(';')[0].split(','):
        item = item.strip()
        counts.append(0 if item == '`DeptCount`' else int(item))
    return counts


def medtech(lines):
    units = {}
    for cells in table(lines, MEDTECH_UNITS):
        for q in span(cells[4]):
            units[q] = cells[2]
    questions = []
    per_unit = {}
    for cells in table(lines, MEDTECH_QUESTIONS):
        number = int(cells[0])
        if int(cells[1]) != number + 1:
            sys.exit(f'medical-technical question {number} not in column {number + 1}')
        unit = units[number]
        per_unit[unit] = per_unit.get(unit, 0) + 1
        fixed = ticks(cells[8])
        column = fixed[0] if fixed else f'{unit}{per_unit[unit]}'
        answer_set = ticks(cells[7])[0]
        entry = {'answer': number, 'column': column, 'text': quoted(cells[5]),
                 'buttons': int(cells[6]), 'answerSet': answer_set}
        wording = cells[7].replace(f'`{answer_set}`', '').strip()
        if wording:
            entry['wording'] = wording
        questions.append(entry)
    pages = []
    planned = []
    for cells in table(lines, MEDTECH_PAGES):
        rows = span(cells[2])
        if len(rows) != int(cells[3]):
            sys.exit(f'medical-technical page {cells[0]}: row count differs')
        pages.append({'rows': rows})
        planned.append(numbers(cells[4]))
    return catalogue(2, 'yjdcxx', '医技科室满意度调查', [5] * 5, questions, pages, planned)


def functional(lines):
    answer_of = {}
    for cells in table(lines, FUNCTIONAL_COLUMNS):
        names = column_names(cells[1])
        if names == ['id']:
            continue
        for column, name in zip(span(cells[0]), names):
            answer_of[name] = column - 1
    pages = []
    planned = []
    page_columns = []
    for cells in table(lines, FUNCTIONAL_PAGES):
        names = column_names(cells[2])
        rows = [answer_of[name] for name in names]
        if rows != span(cells[3]) or len(rows) != int(cells[1]):
            sys.exit(f'functional page {cells[0]}: answers differ from the column table')
        pages.append({'rows': rows})
        planned.append(numbers(cells[4]))
        page_columns.append(names)
    questions = []
    for cells in table(lines, FUNCTIONAL_QUESTIONS):
        page, row = (int(n) for n in cells[0].split('.'))
        column = ticks(cells[1])[0]
        if page_columns[page - 1][row - 1] != column:
            sys.exit(f'functional question {cells[0]}: column {column} not on that page row')
        questions.append({'answer': answer_of[column], 'column': column, 'text': quoted(cells[3]),
                          'buttons': planned[page - 1][row - 1], 'answerSet': ticks(cells[2])[0]})
    return catalogue(3, 'zndcxx', '行政职能科室满意度调查', [5] * 5, questions, pages, planned)


def catalogue(kind, answer_table, heading, row_capacity, questions, pages, planned):
    """A questionnaire file's content; the window's title bar reads the heading followed by "项目"."""
    return {
        'kind': kind,
        'answerTable': answer_table,
        'heading': heading,
        'titleBar': heading + '项目',
        'rowCapacity': row_capacity,
        'questions': questions,
        'pages': pages,
        'plannedButtons': planned,
    }


def write(path, content):
    # The planned counts only cross-check the per-question counts; the files carry the latter.
    planned = content.pop('plannedButtons')
    by_answer = {q['answer']: q for q in content['questions']}
    for number, (page, counts) in enumerate(zip(content['pages'], planned), start=1):
        for row, (answer, count) in enumerate(zip(page['rows'], counts), start=1):
            question = by_answer[answer]
            if question.get('departments'):
                continue
            if question['buttons'] != count:
                sys.exit(f'{path}: page {number} row {row}: {question["buttons"]} buttons, plan says {count}')
    # One question or page to a line, so the files read (and diff) like the tables they come from.
    def dumps(value):
        return json.dumps(value, ensure_ascii=False)
    lines = []
    for key, value in content.items():
        if isinstance(value, list) and value and isinstance(value[0], dict):
            items = ',\n'.join(f'  {dumps(item)}' for item in value)
            lines.append(f' {dumps(key)}: [\n{items}\n ]')
        else:
            lines.append(f' {dumps(key)}: {dumps(value)}')
    with open(path, 'w', encoding='utf-8') as out:
        out.write('{\n' + ',\n'.join(lines) + '\n}\n')


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    with open(sys.argv[1], encoding='utf-8') as source:
        lines = source.readlines()
    out = sys.argv[2].rstrip('/')
    write(f'{out}/patient.json', patient(lines))
    write(f'{out}/medtech.json', medtech(lines))
    write(f'{out}/functional.json', functional(lines))


if __name__ == '__main__':
    main()
