#!/usr/bin/python3
"""Converts workbooks to CSV with LibreOffice, one file per sheet, and compares every sheet's
CSV with what xlrd reads from the same workbook: texts equal, numbers equal, booleans and dates
present. LibreOffice exits 0 even when it cannot read a file, so only the CSV files count.

usage: check_libreoffice.py WORK_FOLDER WORKBOOK...
Exits 77 (skipped) when LibreOffice is not installed.
"""
import csv
import os
import shutil
import subprocess
import sys

try:
    import xlrd
except ImportError:
    print('SKIP: python3-xlrd is not installed; scripts/setup installs it')
    sys.exit(77)

FILTER = 'csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false,false,false,-1'


def main():
    soffice = shutil.which('soffice')
    if not soffice:
        print('SKIP: LibreOffice (soffice) is not installed; scripts/setup installs it')
        return 77
    work = os.path.abspath(sys.argv[1])
    books = [os.path.abspath(p) for p in sys.argv[2:]]
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    profile = 'file://' + os.path.join(work, 'profile')
    run = subprocess.run([soffice, '-env:UserInstallation=' + profile, '--headless', '--infilter=MS Excel 97',
                          '--convert-to', FILTER, '--outdir', work] + books,
                         capture_output=True, text=True, timeout=600)
    problems = []
    for book_path in books:
        stem = os.path.splitext(os.path.basename(book_path))[0]
        book = xlrd.open_workbook(book_path, formatting_info=True)
        for sheet in book.sheets():
            name = os.path.join(work, '%s-%s.csv' % (stem, sheet.name))
            if not os.path.exists(name):
                problems.append('%s: no CSV for sheet %r (soffice said: %s)' % (stem, sheet.name, run.stdout + run.stderr))
                continue
            with open(name, newline='', encoding='utf-8') as f:
                rows = list(csv.reader(f))
            for r in range(sheet.nrows):
                line = rows[r] if r < len(rows) else []
                for c, cell in enumerate(sheet.row(r)):
                    text = line[c] if c < len(line) else ''
                    where = '%s/%s R%dC%d' % (stem, sheet.name, r + 1, c + 1)
                    if cell.ctype == xlrd.XL_CELL_TEXT:
                        ok = text.replace('\r\n', '\n') == cell.value.replace('\r\n', '\n')
                    elif cell.ctype == xlrd.XL_CELL_NUMBER:
                        try:
                            ok = abs(float(text) - cell.value) <= 1e-9 * max(1.0, abs(cell.value))
                        except ValueError:
                            ok = False
                    elif cell.ctype in (xlrd.XL_CELL_BOOLEAN, xlrd.XL_CELL_DATE):
                        ok = text != ''
                    else:
                        ok = text == ''
                    if not ok:
                        problems.append('%s: LibreOffice %r, xlrd %r' % (where, text, cell.value))
                        break
    for problem in problems[:20]:
        print('FAIL ' + problem)
    print('%d problem(s)' % len(problems) if problems else 'LibreOffice reads %d workbooks as xlrd does' % len(books))
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
