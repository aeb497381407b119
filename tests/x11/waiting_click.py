# A click that waits while a full score is handed in: the program, held still, gets Enter and a click on 出题(D) at once.
#
# The hand-in at 100 points lets waiting events run before it moves the focus; the waiting click builds the next
# sheet there, and the program lives on with that sheet and the focus in its first box.
import os
import signal
import sys
import time

import xharness as x

# The centre of 出题(D) in client coordinates (67 x 23 at 374, 254).
NEW_SHEET = (374 + 33, 254 + 11)


def main():
    c = x.Checks("waiting click")
    x.require_window_manager(c)
    with x.accessible_program(c, sys.argv[1]) as program:
        window = program.wait_window()
        app_window = x.find_window(x.find_application(program.pid), x.TITLE)
        c.check(x.activate(window), f"practice window {window} active")
        first = [row["question"].name for row in x.sheet_rows(app_window)]
        x.fill_sheet(app_window, 20)
        focus = x.wait_until(lambda: x.focused(app_window), 3)
        c.check(focus is not None and focus.getRoleName() == "text",
                f"the focus is in an answer box: {focus.name if focus is not None else None!r}")

        # Both reach the program in one go, as when it was busy: the key first, then the click.
        os.kill(program.pid, signal.SIGSTOP)
        try:
            x.run("xdotool", "key", "--clearmodifiers", "Return")
            x.run("xdotool", "mousemove", "--window", str(window), *map(str, NEW_SHEET), "click", "1")
        finally:
            os.kill(program.pid, signal.SIGCONT)

        def new_sheet():
            rows = [row["question"].name for row in x.sheet_rows(app_window)]
            return rows if len(rows) == 20 and rows != first else None

        after = x.wait_until(new_sheet, 5)
        time.sleep(0.5)  # a crash after the new sheet would show now
        alive = program.process.poll() is None
        c.check(alive, "the program runs on" if alive else f"the program ended with status {program.process.poll()}")
        if not alive:
            c.finish()
        c.check(after is not None, f"the waiting click built a new sheet: {(after or [])[:4]}")
        score = x.label_after(app_window, "得分：")
        c.check(score.name == "00", f"score of the new sheet {score.name!r}")
        boxes = x.answer_boxes(app_window)
        focus = x.wait_until(lambda: x.focused(app_window), 3)
        c.check(focus is not None and boxes and focus.name == boxes[0].name and x.text_of(focus) == "",
                f"the focus is in the new sheet's first box: {focus.name if focus is not None else None!r}")

        x.run("xdotool", "key", "--clearmodifiers", "alt+x")
        status = program.wait_exit(3)
        c.check(status == 0, f"Alt+X ends it with status {status}")
    c.finish()


if __name__ == "__main__":
    main()
