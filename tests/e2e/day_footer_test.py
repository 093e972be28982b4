"""The day view's footer, read through AT-SPI, shows the day's sums as kontaro-report computes
them: for the day the program opens on and for the day before, reached with the keyboard
(Ctrl+Tab from the grid to the calendar, then the Left arrow).

Arguments: KONTARO KONTARO_REPORT PROJECT
"""

import datetime
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from kontaro_e2e import E2eFailure, Program, report_footer, run_e2e, wait_for  # noqa: E402

# The window and the report tool read their number format from the same locale.
LOCALE = {"LANG": "de_DE.UTF-8", "LC_ALL": "de_DE.UTF-8", "LANGUAGE": ""}
SHORT_DATE = re.compile(r"^(\d\d)-(\d\d)-(\d\d)$")


def footer_date(footer):
    """The day whose sums the footer holds, from its date cell ("yy-mm-dd")."""
    for text in footer.values():
        match = SHORT_DATE.match(text)
        if match:
            year, month, day = (int(part) for part in match.groups())
            return datetime.date(2000 + year, month, day)
    raise E2eFailure(f"no date in the footer {footer}")


def dated_footer(program, table, day=None):
    """The footer once it holds a date (that day, when given); None before."""
    footer = program.footer(table)
    return footer if (day is None and footer_date(footer)) or (day and footer_date(footer) == day) else None


def expect_report_footer(report, project, footer, env):
    day = footer_date(footer)
    expected = report_footer(report, ["day", project, "--date", day.isoformat()], env)
    shared = [header for header in expected if header in footer]
    if len(shared) < len(expected):
        raise E2eFailure(f"the window's footer lacks columns of the report: {sorted(set(expected) - set(shared))}")
    differing = {h: (footer[h], expected[h]) for h in shared if footer[h] != expected[h]}
    if differing:
        raise E2eFailure(f"footer of {day} (window, report) differs: {differing}")
    return day


def main(args):
    if len(args) != 3:
        raise E2eFailure("usage: day_footer_test.py KONTARO KONTARO_REPORT PROJECT")
    kontaro, report, project = args
    env = dict(os.environ, **LOCALE)
    with Program(kontaro, [project], env=dict(LOCALE, ASAN_OPTIONS="detect_leaks=0")) as program:
        grid = program.wait_find("gDayView", program.pyatspi.ROLE_TABLE)
        table = grid.queryTable()
        first = wait_for("the day view's footer", lambda: dated_footer(program, table))
        shown = expect_report_footer(report, project, first, env)
        print(f"{shown}: {first}")
        if all(re.fullmatch(r"-?0[,.]00|", text) for h, text in first.items() if h.startswith("Verkauf")):
            raise E2eFailure(f"the project opened on a day without sales ({shown}): nothing is compared")

        program.focus(grid)
        program.press("Tab", "Control_L")
        program.wait_focused(program.wait_find("Kalender"))
        program.press("Left")

        before = shown - datetime.timedelta(days=1)
        second = wait_for(f"the footer of {before}", lambda: dated_footer(program, table, before))
        expect_report_footer(report, project, second, env)
        print(f"{before}: {second}")
        if second == first:
            raise E2eFailure("the footer did not change with the day")


if __name__ == "__main__":
    run_e2e(main)
