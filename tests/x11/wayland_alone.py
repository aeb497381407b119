# On a Wayland compositor without X11 (no DISPLAY) the program starts and works, as a screen reader sees it.
#
# A pupil answers, hands in, hears the score, asks for a new sheet, goes through the options and ends the program.
import os
import sys

import xharness as x

RIGHT = 13  # rows answered right: 65.00 points


def main():
    c = x.Checks("Wayland alone")
    if os.environ.get("DISPLAY") or not os.environ.get("WAYLAND_DISPLAY"):
        x.skip("needs WAYLAND_DISPLAY without DISPLAY: run it through MUTTER_SESSION=wayland scripts/mutter-session.sh")
    socket = os.path.join(os.environ.get("XDG_RUNTIME_DIR", ""), os.environ["WAYLAND_DISPLAY"])
    c.check(os.path.exists(socket), f"compositor socket {socket}")
    atspi = x.pyatspi()
    with x.accessible_program(c, sys.argv[1], drop_env=("QT_QPA_PLATFORM",)) as program:
        window = x.find_window(x.find_application(program.pid), x.TITLE)
        plugins = x.platform_plugins(program.pid)
        c.check(plugins == {"wayland"}, f"Qt platform plugin: {sorted(plugins)}")
        rows = x.wait_until(lambda: x.sheet_rows(window), 5) or []
        c.check(len(rows) == 20, f"{len(rows)} questions with their boxes: {[r['question'].name for r in rows[:4]]}...")
        typed = x.fill_sheet(window, RIGHT)
        read_back = [x.text_of(b) for b in x.answer_boxes(window)]
        c.check(read_back == typed, f"boxes hold {' '.join(read_back)}")

        x.press(x.push_button(window, "交卷(T)"))
        score = x.label_after(window, "得分：")
        c.check(x.wait_until(lambda: score.name == "65.00", 3),
                f"score after hand-in {score.name!r} (expected '65.00')")
        marked = [i + 1 for i, r in enumerate(x.sheet_rows(window)) if x.showing(r["mark"]) and r["mark"].name == "√"]
        c.check(marked == list(range(1, RIGHT + 1)), f"rows marked √: {marked}")
        locked = sum(1 for b in x.answer_boxes(window) if b.getState().contains(atspi.STATE_READ_ONLY))
        c.check(locked == 20, f"{locked} of 20 boxes read-only after hand-in")

        first = [r["question"].name for r in x.sheet_rows(window)]
        x.press(x.push_button(window, "出题(D)"))
        renewed = x.wait_until(lambda: (lambda q: len(q) == 20 and q != first)(
            [r["question"].name for r in x.sheet_rows(window)]), 3)
        c.check(renewed, "出题(D) builds a new sheet")
        clock = x.label_after(window, "倒计时:")
        start = clock.name
        c.check(x.wait_until(lambda: clock.name != start, 2.5), f"clock runs: {start!r}, then {clock.name!r}")

        x.press(x.push_button(window, "设置"))
        dialog = x.find_window(x.find_application(program.pid), "设置选项")
        c.check(x.wait_until(lambda: x.showing(dialog), 3), "设置 shows the options dialog")
        before = [r["question"].name for r in x.sheet_rows(window)]
        x.press(x.push_button(dialog, "确定"))
        rebuilt = x.wait_until(lambda: (lambda q: len(q) == 20 and q != before)(
            [r["question"].name for r in x.sheet_rows(window)]), 3)
        c.check(rebuilt and not x.showing(dialog), "确定 hides the dialog and builds a new sheet")

        x.press(x.push_button(window, "退出(X)"))
        status = program.wait_exit(3)
        c.check(status == 0, f"退出(X) ends the program: exit status {status}")
    c.finish()


if __name__ == "__main__":
    main()
