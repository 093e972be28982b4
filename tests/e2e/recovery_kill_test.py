"""After a kill the program offers its recovery copy, which holds the last change.

The program runs on a copy of the sample with a short copy interval; the test deletes a row of
the day shown (Delete in the grid), waits until the recovery copy holds that change, kills the
program with SIGKILL and starts it again without a file. The start asks whether to open the
copy; "Ja" opens it as an unsaved project with the row gone, while the project file itself is
left as it was.

Arguments: KONTARO KONTARO_REPORT PROJECT
"""

import glob
import os
import shutil
import signal
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from kontaro_e2e import E2eFailure, Program, run_e2e, wait_for  # noqa: E402

LOCALE = {"LANG": "de_DE.UTF-8", "LC_ALL": "de_DE.UTF-8", "LANGUAGE": ""}
QUESTION = "Wiederherstellungskopie"


def entries(report, project):
    """The number of day entries kontaro-report info counts in a project file."""
    result = subprocess.run([report, "info", project], capture_output=True, text=True, timeout=15)
    if result.returncode != 0:
        return None
    for line in result.stdout.splitlines():
        words = line.replace(":", " ").split()
        if words and words[0].lower().startswith("entr"):
            return int(words[-1])
    raise E2eFailure(f"no entry count in kontaro-report info: {result.stdout}")


def main(args):
    if len(args) != 3:
        raise E2eFailure("usage: recovery_kill_test.py KONTARO KONTARO_REPORT PROJECT")
    kontaro, report, sample = args
    with tempfile.TemporaryDirectory(prefix="kontaro-recovery-") as home:
        project = os.path.join(home, "laden.kdt")
        shutil.copyfile(sample, project)
        with open(project, "rb") as original:
            original_bytes = original.read()
        before = entries(report, project)
        copies = os.path.join(home, "data", "Kontaro", "recovery")
        env = dict(LOCALE, ASAN_OPTIONS="detect_leaks=0", XDG_CONFIG_HOME=os.path.join(home, "config"),
                   XDG_DATA_HOME=os.path.join(home, "data"), KONTARO_TEST_RECOVERY_INTERVAL_MS="300")

        with Program(kontaro, [project], env=env) as program:
            grid = program.wait_find("gDayView", program.pyatspi.ROLE_TABLE)
            table = grid.queryTable()
            rows = wait_for("the day's rows", lambda: table.nRows)
            program.focus(grid)
            program.press("Delete")

            def copied():
                found = glob.glob(os.path.join(copies, "kontaro-*.kdt"))
                return found if found and entries(report, found[0]) == before - 1 else None
            copy = wait_for("a recovery copy without the deleted entry", copied)[0]
            print(f"{os.path.basename(copy)}: {before - 1} entries (the file: {before})")
            os.kill(program.process.pid, signal.SIGKILL)
            program.process.wait()
            if not os.path.exists(copy):
                raise E2eFailure("the kill took the recovery copy with it")

        with Program(kontaro, [], env=env) as program:
            question = program.wait_find("Ja", program.pyatspi.ROLE_PUSH_BUTTON)
            texts = []
            dialog = question.parent
            while dialog is not None and dialog.getRole() not in (program.pyatspi.ROLE_ALERT,
                                                                  program.pyatspi.ROLE_DIALOG):
                dialog = dialog.parent
            node_queue = [dialog] if dialog is not None else []
            while node_queue:
                node = node_queue.pop()
                texts.append(node.name or "")
                node_queue.extend(node.getChildAtIndex(i) for i in range(node.childCount))
            if not any(QUESTION in text and "laden.kdt" in text for text in texts):
                raise E2eFailure(f"the start did not offer the copy of laden.kdt: {texts}")
            program.activate(question)
            grid = program.wait_find("gDayView", program.pyatspi.ROLE_TABLE)
            table = grid.queryTable()
            wait_for("the recovered day without the deleted row",
                     lambda: table.nRows == rows - 1 or (rows == 3 and table.nRows == 3))
            title = wait_for("the window's title", lambda: program.window().name)
            if "laden.kdt" in title:
                raise E2eFailure(f"the recovered project took the file's name: {title}")
            wait_for("the old copy to be gone", lambda: not os.path.exists(copy))
        with open(project, "rb") as after:
            if after.read() != original_bytes:
                raise E2eFailure("the project file was changed")


if __name__ == "__main__":
    run_e2e(main)
