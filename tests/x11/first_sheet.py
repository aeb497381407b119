# Every start of Sumora shows the same first sheet: two starts read the same 20 questions on the screen-reader bus.
import re
import sys

import xharness as x


def read_sheet(c, path):
    program = x.Program(path, accessible=True)
    try:
        program.wait_window()
        window = x.find_window(x.find_application(program.pid), x.TITLE)
        # The rows are made before the window is shown, so the first complete reading is the sheet.
        questions = x.wait_until(lambda: [r["question"].name for r in x.sheet_rows(window)] or None, 5) or []
        # The practice window makes no printer: Qt's CUPS plugin and libcups stay unloaded.
        with open(f"/proc/{program.pid}/maps") as maps:
            printing = set(re.findall(r"\S*/lib(?:cupsprintersupport|cups)\.so\S*", maps.read()))
        c.check(not printing, f"start (pid {program.pid}): no printing libraries loaded: {printing}")
        return program.pid, questions
    finally:
        program.stop()


def main():
    c = x.Checks("first sheet")
    x.require_window_manager(c)
    bus = x.start_accessibility_bus()
    try:
        first_pid, first = read_sheet(c, sys.argv[1])
        second_pid, second = read_sheet(c, sys.argv[1])
    finally:
        bus.terminate()
        bus.wait(5)
    c.check(len(first) == 20, f"start 1 (pid {first_pid}): {' '.join(first)}")
    c.check(len(second) == 20, f"start 2 (pid {second_pid}): {' '.join(second)}")
    c.check(first_pid != second_pid and first == second, "both starts show the same 20 questions in the same order")
    c.finish()


if __name__ == "__main__":
    main()
