#!/usr/bin/python3
"""Writes the exports with daily sums and the product overview with kontaro-report and reads
them back with xlrd: the sheets and their order ("Summe", then every calendar day of the
period, also a day without sales), an existing workbook replaced by the summary series and
kept with its other sheets by the group series, and every sheet as the same report printed
as CSV.

usage: check_daily_workbooks.py KONTARO_REPORT PROJECT OUTPUT_FOLDER
"""
import datetime
import csv
import io
import os
import shutil
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_report_workbooks as reports  # noqa: E402  (skips without xlrd)

xlrd = reports.xlrd
DECIMAL = ','
FIRST, LAST = datetime.date(2026, 1, 10), datetime.date(2026, 1, 13)  # 11 January: no sales


def days():
    day = FIRST
    while day <= LAST:
        yield day
        day += datetime.timedelta(days=1)


def printed(tool, args):
    text = reports.run(tool, args + ['--decimal', DECIMAL, '--csv']).stdout
    return list(csv.reader(io.StringIO(text), delimiter=';'))


def check_series(label, book, expected_sheets, expected_tables):
    workbook = xlrd.open_workbook(book, formatting_info=True)
    if workbook.sheet_names() != expected_sheets:
        reports.fail('%s: sheets %r, expected %r' % (label, workbook.sheet_names(), expected_sheets))
        return
    for name, table in expected_tables:
        reports.compare('%s %s' % (label, name), workbook.sheet_by_name(name), table, DECIMAL)


def main():
    tool, project, out = sys.argv[1:4]
    out = os.path.abspath(out)
    shutil.rmtree(out, ignore_errors=True)
    os.makedirs(out)
    period = ['--from', FIRST.isoformat(), '--to', LAST.isoformat()]
    names = [day.strftime('%y-%m-%d') for day in days()]

    # The summary series replaces an existing workbook: only its own sheets remain.
    book = os.path.join(out, 'summe.xls')
    reports.run(tool, ['day', project, '--date', '2026-01-17', '--xls', book, '--sheet', 'Alt'])
    reports.run(tool, ['summary', project] + period + ['--decimal', DECIMAL, '--xls', book, '--daily'])
    tables = [('Summe', printed(tool, ['summary', project] + period))]
    tables += [(name, printed(tool, ['day', project, '--date', day.isoformat()])) for name, day in zip(names, days())]
    check_series('summary --daily', book, ['Summe'] + names, tables)
    empty = xlrd.open_workbook(book).sheet_by_name('26-01-11')
    if empty.nrows != 3:
        reports.fail('a day without sales: %d rows, expected the header, an empty row and the footer' % empty.nrows)

    # The group series keeps the workbook's other sheets and replaces its own in place.
    book = os.path.join(out, 'gruppen.xls')
    reports.run(tool, ['day', project, '--date', '2026-01-17', '--xls', book, '--sheet', 'Notizen'])
    reports.run(tool, ['day', project, '--date', '2026-01-17', '--xls', book, '--sheet', 'Summe'])
    for _ in range(2):
        reports.run(tool, ['groups', project] + period + ['--decimal', DECIMAL, '--xls', book, '--daily'])
    tables = [('Summe', printed(tool, ['groups', project] + period))]
    tables += [(name, printed(tool, ['groups', project, '--from', day.isoformat(), '--to', day.isoformat()]))
               for name, day in zip(names, days())]
    check_series('groups --daily', book, ['Notizen', 'Summe'] + names, tables)

    # The overview of "Export Übersicht": a new file with its one sheet.
    book = os.path.join(out, 'produkte.xls')
    reports.run(tool, ['day', project, '--date', '2026-01-17', '--xls', book, '--sheet', 'Alt'])
    reports.run(tool, ['products', project, '--date', '2026-01-17', '--decimal', DECIMAL, '--xls', book, '--replace'])
    check_series('products', book, ['Produktübersicht'],
                 [('Produktübersicht', printed(tool, ['products', project, '--date', '2026-01-17']))])

    failures = reports.failures
    print('%d problem(s)' % len(failures) if failures else 'every series arrives as its reports print')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
