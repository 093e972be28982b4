"""The catalogue's pages, brought to the front through their tabs as a screen reader's user
does, list every product and group of the project (as kontaro-report info counts them).

Arguments: KONTARO KONTARO_REPORT PROJECT
"""

import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from kontaro_e2e import WAIT_SECONDS, E2eFailure, Program, run_e2e  # noqa: E402


def catalogue_counts(report, project):
    result = subprocess.run([report, "info", project], capture_output=True, text=True, timeout=WAIT_SECONDS)
    if result.returncode != 0:
        raise E2eFailure(f"kontaro-report info failed: {result.stderr.strip()}")
    counts = dict(line.split(": ", 1) for line in result.stdout.splitlines() if ": " in line)
    return int(counts["products"]), int(counts["groups"])


def main(args):
    if len(args) != 3:
        raise E2eFailure("usage: catalogue_pages_test.py KONTARO KONTARO_REPORT PROJECT")
    kontaro, report, project = args
    products, groups = catalogue_counts(report, project)
    with Program(kontaro, [project], env={"LANG": "de_DE.UTF-8", "ASAN_OPTIONS": "detect_leaks=0"}) as program:
        for page, rows in (("Produkte", products), ("Gruppen", groups)):
            listing = program.wait_find(page, program.pyatspi.ROLE_TABLE)
            program.show_page(page, listing)
            table = listing.queryTable()
            if table.nRows != rows:
                raise E2eFailure(f"the list '{page}' has {table.nRows} rows, the project {rows}")
            print(f"{page}: {rows} rows, first {program.table_row(table, 0)}")
        day_grid = program.wait_find("gDayView", program.pyatspi.ROLE_TABLE)
        if program.showing(day_grid):
            raise E2eFailure("the day view still shows behind the catalogue")


if __name__ == "__main__":
    run_e2e(main)
