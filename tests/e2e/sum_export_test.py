"""A month computed on "Summenansicht" and exported with daily sums, as a user does it:
the period typed into the "Von:" picker, "Berechnen", the footer read through AT-SPI and
compared with kontaro-report, then "Export mit Tagessummen..." answered in the program's
own save dialog with the name it proposes beside the project. The workbook is read back
with xlrd: "Summe" with the footer's figures, then one sheet per calendar day with the
project's name and its date in the footer, the whole footer as kontaro-report's day
footer for some of them.

Arguments: KONTARO KONTARO_REPORT PROJECT (a project with sales in January 2026)
"""

import datetime
import os
import re
import shutil
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

try:
    import xlrd
except ImportError:
    xlrd = None

from kontaro_e2e import SKIP, E2eFailure, Program, report_footer, run_e2e, wait_for  # noqa: E402

LOCALE = {"LANG": "de_DE.UTF-8", "LC_ALL": "de_DE.UTF-8", "LANGUAGE": ""}
FIRST, LAST = datetime.date(2026, 1, 1), datetime.date(2026, 1, 31)
PROPOSAL = "Laden_26-01-31.xls"
# The first and last day, a day without sales and the sample's busiest day.
COMPARED_DAYS = {FIRST, datetime.date(2026, 1, 2), datetime.date(2026, 1, 17), LAST}
SHORT_DATE = re.compile(r"^\d\d-\d\d-\d\d$")


def number(text):
    """A figure as the window shows it in the German locale ("1.234,56")."""
    return float(text.replace(".", "").replace(",", "."))


def same(shown, cell, datemode):
    """A footer text of the window or the report against the workbook's cell; the writer
    stores a date text ("yy-mm-dd") as a date."""
    if not isinstance(cell, float):
        return shown == cell
    if SHORT_DATE.match(shown):
        return xlrd.xldate_as_datetime(cell, datemode).date() == datetime.datetime.strptime(shown, "%y-%m-%d").date()
    return shown != "" and abs(number(shown) - cell) < 0.005


def sheet_footer(sheet):
    """The last row of a sheet as {column header: value}."""
    return dict(zip(sheet.row_values(0), sheet.row_values(sheet.nrows - 1)))


def expect_footer(what, expected, sheet, datemode):
    found = sheet_footer(sheet)
    differing = {h: (text, found.get(h)) for h, text in expected.items() if not same(text, found.get(h), datemode)}
    if differing:
        raise E2eFailure(f"{what} (expected, workbook) differs: {differing}")


def showing(program, name, role):
    """The object of that name and role on the page in front."""
    def probe():
        queue = [program.app]
        while queue:
            node = queue.pop(0)
            if node is None:
                continue
            if node.name == name and node.getRole() == role and program.showing(node):
                return node
            if node.getRole() != program.pyatspi.ROLE_TABLE:
                queue.extend(node.getChildAtIndex(i) for i in range(node.childCount))
        return None
    return wait_for(f"'{name}' showing", probe)


def text_of(node):
    return node.queryText().getText(0, -1)


def file_name_field(program, dialog):
    """The save dialog's field of the file name: the text field that holds a workbook's name."""
    queue = [dialog]
    while queue:
        node = queue.pop(0)
        if node is None:
            continue
        if node.getRole() == program.pyatspi.ROLE_TEXT and text_of(node).endswith(".xls"):
            return node
        queue.extend(node.getChildAtIndex(i) for i in range(node.childCount))
    return None


def choose_date(program, picker, day):
    """Sets a picker ("yy-mm-dd") to the day with its arrow keys, section by section from
    the year on, as a keyboard user does; waits until it shows each section's value."""
    program.focus(picker)
    program.press("Home")
    target = day.strftime("%y-%m-%d")
    for section in range(3):
        if section:
            for _ in range(3):
                program.press("Right")
        start = 3 * section
        shown = int(text_of(picker)[start:start + 2])
        wanted = int(target[start:start + 2])
        for _ in range(abs(wanted - shown)):
            program.press("Up" if wanted > shown else "Down")
        wait_for(f"'{picker.name}' at {target[:start + 2]}", lambda: text_of(picker)[:start + 2] == target[:start + 2])


def main(args):
    if len(args) != 3:
        raise E2eFailure("usage: sum_export_test.py KONTARO KONTARO_REPORT PROJECT")
    kontaro, report, source = args
    env = dict(os.environ, **LOCALE)
    folder = tempfile.mkdtemp(prefix="kontaro-e2e-")
    try:
        project = os.path.join(folder, "Laden.kdt")
        shutil.copyfile(source, project)
        with Program(kontaro, [project], env=dict(LOCALE, ASAN_OPTIONS="detect_leaks=0")) as program:
            roles = program.pyatspi
            grid = program.wait_find("gSumView", roles.ROLE_TABLE)
            program.show_page("Summenansicht", grid)
            choose_date(program, showing(program, "Von:", roles.ROLE_SPIN_BUTTON), FIRST)
            to = showing(program, "Bis:", roles.ROLE_SPIN_BUTTON)
            wait_for("'Bis:' at the month's end", lambda: text_of(to) == LAST.strftime("%y-%m-%d"))
            program.activate(showing(program, "Berechnen", roles.ROLE_PUSH_BUTTON))

            table = grid.queryTable()
            period = (FIRST.strftime("%y-%m-%d"), LAST.strftime("%y-%m-%d"))

            def computed():
                found = program.footer(table)
                return found if (found["Produkt"], found["Menge"]) == period and found["Name"] == "Summe (Laden)" \
                    else None
            footer = wait_for("the January footer", computed)
            expected = report_footer(report, ["summary", project, "--from", FIRST.isoformat(),
                                              "--to", LAST.isoformat()], env)
            differing = {h: (footer.get(h), text) for h, text in expected.items() if footer.get(h) != text}
            if differing:
                raise E2eFailure(f"the window's footer (window, report) differs: {differing}")
            print(f"Summenansicht: {footer}")

            program.activate(showing(program, "Export mit Tagessummen...", roles.ROLE_PUSH_BUTTON))
            dialog = wait_for("the save dialog", lambda: next(
                (program.app.getChildAtIndex(i) for i in range(program.app.childCount)
                 if program.app.getChildAtIndex(i).getRole() == roles.ROLE_DIALOG), None))
            name = wait_for("the dialog's file name", lambda: file_name_field(program, dialog))
            proposed = text_of(name)
            if proposed != PROPOSAL:
                raise E2eFailure(f"the dialog proposes '{proposed}', not '{PROPOSAL}'")
            program.focus(name)
            program.press("Return")

            target = os.path.join(folder, PROPOSAL)
            wait_for(f"{PROPOSAL} written", lambda: os.path.exists(target))
            book = xlrd.open_workbook(target)
            days = [FIRST + datetime.timedelta(days=n) for n in range((LAST - FIRST).days + 1)]
            names = ["Summe"] + [day.strftime("%y-%m-%d") for day in days]
            if book.sheet_names() != names:
                raise E2eFailure(f"the workbook's sheets are {book.sheet_names()}, not {names}")
            expect_footer("Summe", footer, book.sheet_by_name("Summe"), book.datemode)
            for day in days:
                sheet = book.sheet_by_name(day.strftime("%y-%m-%d"))
                # Every day's footer is named after the project and dated; a few are compared
                # whole, as each report costs a start of the tool.
                if day in COMPARED_DAYS:
                    expected = report_footer(report, ["day", project, "--date", day.isoformat()], env)
                else:
                    expected = {"Name": "Summe (Laden)", "Produkt": day.strftime("%y-%m-%d")}
                expect_footer(f"the sheet of {day}", expected, sheet, book.datemode)
            print(f"{PROPOSAL}: {len(names)} sheets, the footers of {len(COMPARED_DAYS)} days as kontaro-report's")
    finally:
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    if xlrd is None:
        print("SKIP: python3-xlrd not installed (scripts/setup installs it)")
        sys.exit(SKIP)
    run_e2e(main)
