#!/usr/bin/python3
"""Writes the four reports of kontaro-report into workbooks (--xls) and checks every sheet
against the same report printed as CSV: each figure arrives as a number whatever the decimal
separator, each date as a date, each text unchanged; existing sheets are kept or replaced
as asked, and every file passes cfb_lint.py and olefile.

usage: check_report_workbooks.py KONTARO_REPORT PROJECT OUTPUT_FOLDER TOOLS_FOLDER
"""
import csv
import datetime
import io
import os
import re
import shutil
import subprocess
import sys

try:
    import olefile
    import xlrd
except ImportError as missing:
    print('SKIP: %s is not installed (python3-xlrd, python3-olefile); scripts/setup installs them' % missing.name)
    sys.exit(77)

failures = []


def fail(message):
    failures.append(message)
    print('FAIL ' + message)


def run(tool, args, allowed=(0, 1)):
    done = subprocess.run([tool] + args, capture_output=True, text=True)
    if done.returncode not in allowed:
        fail('kontaro-report %s: exit %d: %s' % (' '.join(args), done.returncode, done.stderr.strip()))
    return done


def serial(text):
    day = datetime.datetime.strptime(text, '%y-%m-%d').date()
    return float((day - datetime.date(1899, 12, 30)).days)


def compare(label, sheet, table, decimal):
    number = re.compile(r'^-?\d+(%s\d+)?$' % re.escape(decimal))
    date = re.compile(r'^\d\d-\d\d-\d\d$')
    if sheet.nrows != len(table):
        fail('%s: %d rows, the report has %d' % (label, sheet.nrows, len(table)))
        return
    for r, line in enumerate(table):
        for c, text in enumerate(line):
            cell = sheet.cell(r, c) if c < sheet.ncols else None
            where = '%s R%dC%d %r' % (label, r + 1, c + 1, text)
            if cell is None:
                fail('%s: missing' % where)
            elif number.match(text):
                if cell.ctype != xlrd.XL_CELL_NUMBER or abs(cell.value - float(text.replace(decimal, '.'))) > 1e-9:
                    fail('%s: %r, expected the number' % (where, cell))
            elif date.match(text):
                if cell.ctype != xlrd.XL_CELL_DATE or cell.value != serial(text):
                    fail('%s: %r, expected the date' % (where, cell))
            elif text == '':
                if cell.ctype not in (xlrd.XL_CELL_BLANK, xlrd.XL_CELL_EMPTY):
                    fail('%s: %r, expected an empty cell' % (where, cell))
            elif cell.ctype != xlrd.XL_CELL_TEXT or cell.value != text:
                fail('%s: %r, expected the text' % (where, cell))


def main():
    tool, project, out, tools = sys.argv[1:5]
    out = os.path.abspath(out)
    shutil.rmtree(out, ignore_errors=True)
    os.makedirs(out)
    book = os.path.join(out, 'reports.xls')
    period = ['--from', '2025-12-01', '--to', '2026-01-31']
    # (verb arguments, decimal, sheet the report lands in, expected sheets afterwards)
    steps = [
        (['summary', project] + period + ['--replace'], ',', 'Summe', ['Summe']),
        (['day', project, '--date', '2026-01-17'], '.', '26-01-17', ['Summe', '26-01-17']),
        (['groups', project] + period + ['--sheet', 'Gruppen'], ',', 'Gruppen', ['Summe', '26-01-17', 'Gruppen']),
        (['products', project, '--date', '2026-01-17'], '.', 'Produktübersicht',
         ['Summe', '26-01-17', 'Gruppen', 'Produktübersicht']),
        (['day', project, '--date', '2026-01-17'], ',', '26-01-17',
         ['Summe', '26-01-17', 'Gruppen', 'Produktübersicht']),
    ]
    for args, decimal, sheet_name, sheets in steps:
        label = ' '.join(args[:1] + args[2:]) + ' --decimal ' + decimal
        run(tool, args + ['--decimal', decimal, '--xls', book])
        printed = run(tool, [a for a in args if a not in ('--replace',) and a != '--sheet' and a != 'Gruppen'] +
                      ['--decimal', decimal, '--csv']).stdout
        table = list(csv.reader(io.StringIO(printed), delimiter=';' if decimal == ',' else ','))
        workbook = xlrd.open_workbook(book, formatting_info=True)
        if workbook.sheet_names() != sheets:
            fail('%s: sheets %r, expected %r' % (label, workbook.sheet_names(), sheets))
            continue
        compare(label, workbook.sheet_by_name(sheet_name), table, decimal)

    # The day grid's look: its light yellow columns arrive as a solid fill.
    workbook = xlrd.open_workbook(book, formatting_info=True)
    day = workbook.sheet_by_name('26-01-17')
    yellow = False
    for c in range(day.ncols):
        fill = workbook.xf_list[day.cell_xf_index(1, c)].background
        red, green, blue = workbook.colour_map.get(fill.pattern_colour_index) or (0, 0, 0)
        yellow = yellow or (fill.fill_pattern == 1 and red > 240 and green > 240 and blue < 230)
    if not yellow:
        fail('day sheet: no column with a light yellow fill')

    # A refused replacement leaves the workbook as it was.
    before = open(book, 'rb').read()
    refused = run(tool, ['products', project, '--date', '2026-01-17', '--xls', book, '--sheet', 'a/b'], (2,))
    if refused.returncode != 2 or 'a/b' not in refused.stderr or open(book, 'rb').read() != before:
        fail('an invalid sheet name was not refused cleanly: %r' % refused.stderr)

    alone = run(tool, ['products', project, '--sheet', 'Blatt'], (2,))
    if '--xls' not in alone.stderr:
        fail('--sheet without --xls was not refused: %r' % alone.stderr)
    missing = os.path.join(out, 'no-such-folder', 'r.xls')
    unwritable = run(tool, ['products', project, '--xls', missing], (2,))
    if "Can't write to file" not in unwritable.stderr:
        fail('an unwritable target was not reported: %r' % unwritable.stderr)

    lint = subprocess.run([sys.executable, os.path.join(tools, 'cfb_lint.py'), book], capture_output=True, text=True)
    if 'ERR' in lint.stdout:
        fail(lint.stdout.strip())
    streams = ['/'.join(e) for e in olefile.OleFileIO(book).listdir()]
    if sorted(streams) != ['\x05DocumentSummaryInformation', '\x05SummaryInformation', 'Workbook']:
        fail('streams %r' % streams)
    print('%d problem(s)' % len(failures) if failures else 'every report arrives in the workbook as printed')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
