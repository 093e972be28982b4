#!/usr/bin/python3
"""Reads every workbook that xls_interop_writer wrote with xlrd and olefile, checks each
container with cfb_lint.py, and compares the corpus exports (also those of the copies with
empty records of identifier 0 in their sheets) with their originals.

usage: check_workbooks.py OUTPUT_FOLDER CORPUS_FOLDER TOOLS_FOLDER
"""
import hashlib
import os
import subprocess
import sys

try:
    import olefile
    import xlrd
except ImportError as missing:
    print('SKIP: %s is not installed (python3-xlrd, python3-olefile); scripts/setup installs them' % missing.name)
    sys.exit(77)

TEXT, NUMBER, DATE, BOOLEAN, BLANK = (xlrd.XL_CELL_TEXT, xlrd.XL_CELL_NUMBER, xlrd.XL_CELL_DATE,
                                      xlrd.XL_CELL_BOOLEAN, xlrd.XL_CELL_BLANK)
failures = []


def fail(message):
    failures.append(message)
    print('FAIL ' + message)


def T(text):
    return (TEXT, text)


def N(value):
    return (NUMBER, float(value))


def day(date, serial, amount):
    return (date, [[T('Datum'), (DATE, serial), (BLANK, '')],
                   [T('Apfel'), N(amount), N(3)],
                   [T('Summe'), N(amount), N(3)]])


def long_rows():
    rows = [[T('x' * 9000), N(1)]]
    for row in range(1, 40):
        rows.append([T('Zeile %d' % row), (BLANK, '') if row == 5 else N(row + 0.25)])
    return rows


OWN = {
    'example.xls': [('Summe', [[T('Name'), T('Menge')], [T('Apfel'), N(12)], [(BLANK, ''), N(12)]])],
    'series.xls': [day('05-03-29', 38440, 1.5), day('05-03-30', 38441, 1234.75), day('05-03-31', 38442, 3.5)],
    'kinds.xls': [
        ('Werte', [[T('Text'), N(12.5), N(1234.5), (BOOLEAN, 1), (DATE, 38442), (DATE, 0.5208333333333334),
                    (BLANK, ''), T('\u20acuro \u03a9'), N(-0.1), N(1e300)]]),
        ('Lang', long_rows()),
        ('Viele', [[T('Produkt Nummer %d%s' % (r, '' if r % 3 else ' \u00e4\u0416')), N(r)] for r in range(1500)]),
    ],
    'replaced.xls': [('Neu', [[T('neu')]])],
}
CORPUS_GRID = [[T('Kontaro'), T('Wert')], [T('Apfel'), N(12.5)]]
REFUSED = {
    '59074.xls': 'Template file is saved with an invalid Excel version',
    'clusterfuzz-testcase-minimized-POIHSSFFuzzer-4819588401201152.xls': 'Can\'t read file "{copy}"',
    'password.xls': 'File is password protected',
    'testEXCEL_4.xls': 'The file "{copy}" is invalid',
}


def cells(sheet):
    return [[(c.ctype, c.value) for c in sheet.row(r)] for r in range(sheet.nrows)]


def same_cell(got, want):
    if got[0] != want[0]:
        return False
    if isinstance(want[1], float):
        return abs(got[1] - want[1]) <= 1e-9 * max(1.0, abs(want[1]))
    return got[1] == want[1]


def compare_sheet(label, sheet, rows):
    got = cells(sheet)
    if len(got) != len(rows):
        fail('%s: %d rows, expected %d' % (label, len(got), len(rows)))
        return
    for r, (have, want) in enumerate(zip(got, rows)):
        if len(have) != len(want) or not all(same_cell(h, w) for h, w in zip(have, want)):
            fail('%s row %d: %r, expected %r' % (label, r, have[:6], want[:6]))
            return


def check_container(path, tools):
    lint = subprocess.run([sys.executable, os.path.join(tools, 'cfb_lint.py'), path],
                          capture_output=True, text=True)
    if 'ERR' in lint.stdout or lint.returncode != 0:
        fail('cfb_lint %s: %s %s' % (path, lint.stdout.strip(), lint.stderr.strip()))
    ole = olefile.OleFileIO(path)
    streams = ['/'.join(entry) for entry in ole.listdir()]
    if 'Workbook' not in streams:
        fail('%s: no Workbook stream in %r' % (path, streams))
    ole.close()
    return streams


def sha(path):
    with open(path, 'rb') as f:
        return hashlib.sha256(f.read()).hexdigest()


def check_carried(name, source, written, replaced, tools):
    """The export added the sheet Kontaro and, when named, replaced the sheet `replaced`;
    every other sheet and stream is as it was."""
    check_container(written, tools)
    diff = subprocess.run([sys.executable, os.path.join(tools, 'cfb_diff.py'), source, written,
                           '--ignore', 'Workbook'], capture_output=True, text=True)
    if diff.returncode != 0:
        fail('%s: other streams differ: %s' % (name, diff.stdout.strip()))
    before = xlrd.open_workbook(source, formatting_info=True)
    after = xlrd.open_workbook(written, formatting_info=True)
    if after.sheet_names() != before.sheet_names() + ['Kontaro']:
        fail('%s: sheets %r, before %r' % (name, after.sheet_names(), before.sheet_names()))
        return
    for sheet in before.sheets():
        if sheet.name == replaced:
            continue
        compare_sheet('%s/%s' % (name, sheet.name), after.sheet_by_name(sheet.name), cells(sheet))
    if replaced:
        compare_sheet('%s/%s' % (name, replaced), after.sheet_by_name(replaced), CORPUS_GRID)
    compare_sheet('%s/Kontaro' % name, after.sheet_by_name('Kontaro'), CORPUS_GRID)
    if before.datemode != after.datemode:
        fail('%s: date mode changed' % name)


def main():
    out, corpus, tools = (os.path.abspath(p) for p in sys.argv[1:4])
    for name, sheets in OWN.items():
        path = os.path.join(out, name)
        streams = check_container(path, tools)
        if sorted(streams) != ['\x05DocumentSummaryInformation', '\x05SummaryInformation', 'Workbook']:
            fail('%s: streams %r' % (name, streams))
        book = xlrd.open_workbook(path, formatting_info=True)
        if book.sheet_names() != [s[0] for s in sheets]:
            fail('%s: sheets %r' % (name, book.sheet_names()))
            continue
        for sheet_name, rows in sheets:
            compare_sheet('%s/%s' % (name, sheet_name), book.sheet_by_name(sheet_name), rows)

    with open(os.path.join(out, 'corpus.txt'), encoding='utf-8') as f:
        outcomes = [line.rstrip('\n').split('\t') for line in f if line.strip()]
    for name, outcome, detail in outcomes:
        source = os.path.join(corpus, name)
        written = os.path.join(out, 'corpus', name)
        if name in REFUSED:
            want = REFUSED[name].format(copy=written)
            if outcome != 'refused' or detail != want:
                fail('%s: %s "%s", expected refusal "%s"' % (name, outcome, detail, want))
            if sha(source) != sha(written):
                fail('%s: refused file was changed' % name)
            continue
        if outcome != 'carried':
            fail('%s: refused with "%s"' % (name, detail))
            continue
        check_carried(name, source, written, detail, tools)
    missing = set(os.listdir(corpus)) - {o[0] for o in outcomes} - {'README.md'}
    if missing:
        fail('corpus files not exported: %r' % sorted(missing))

    # Copies of the readable corpus files with empty records of identifier 0 in every sheet.
    with open(os.path.join(out, 'empty_records.txt'), encoding='utf-8') as f:
        outcomes = [line.rstrip('\n').split('\t') for line in f if line.strip()]
    readable = sorted(n for n in os.listdir(corpus) if n.endswith('.xls') and n not in REFUSED)
    if sorted(o[0] for o in outcomes) != readable:
        fail('empty records: %r written, expected %r' % (sorted(o[0] for o in outcomes), readable))
    for name, outcome, detail in outcomes:
        folder = os.path.join(out, 'empty_records')
        if outcome != 'carried':
            fail('%s with empty records: refused with "%s"' % (name, detail))
            continue
        check_carried(name + ' with empty records', os.path.join(folder, 'source', name),
                      os.path.join(folder, name), '', tools)

    print('%d problem(s)' % len(failures) if failures else 'all workbooks read back as written')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
