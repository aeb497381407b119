# Every start of Sumora shows the same first sheet: two starts read the same 20 questions on the screen-reader bus.
import sys

import xharness as x


def read_sheet(path):
    program = x.Program(path, accessible=True)
    try:
        program.wait_window()
        window = x.find_window(x.find_application(program.pid), x.TITLE)
        # The rows are made before the window is shown, so the first complete reading is the sheet.
        questions = x.wait_until(lambda: [r["question"].name for r in x.sheet_rows(window)] or None, 5) or []
        printing = {line.split()[-1] for line in open(f"/proc/{program.pid}/maps") if "/libcups" in line}
        return program.pid, questions, printing
    finally:
        program.stop()


def main():
    c = x.Checks("first sheet")
    x.require_window_manager(c)
    bus = x.start_accessibility_bus()
    try:
        first_pid, first, printing = read_sheet(sys.argv[1])
        second_pid, second, _ = read_sheet(sys.argv[1])
    finally:
        bus.terminate()
        bus.wait(5)
    c.check(not printing, f"the practice window loads neither Qt's CUPS plugin nor libcups: {printing}")
    c.check(len(first) == 20, f"start 1 (pid {first_pid}): {' '.join(first)}")
    c.check(len(second) == 20, f"start 2 (pid {second_pid}): {' '.join(second)}")
    c.check(first_pid != second_pid and first == second, "both starts show the same 20 questions in the same order")
    c.finish()


if __name__ == "__main__":
    main()
