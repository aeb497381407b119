# The program from the package, started on a virtual X server: its window title and first sheet (20 questions,
# the clock at 01:05 less the seconds since the start, the score 00), read by X and through the screen-reader bus.
import sys
import os

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "x11"))
import xharness as x  # noqa: E402  (found through the path above)


def label_after(window, caption):
    # The value labels follow their captions among the window's children.
    nodes = x.children(window)
    names = [n.name for n in nodes]
    return nodes[names.index(caption) + 1].name if caption in names else None


def main():
    c = x.Checks("packaged program")
    x.require_window_manager(c)
    with x.accessible_program(c, sys.argv[1]) as program:
        window = program.wait_window()
        title = x.run("xdotool", "getwindowname", str(window)).strip()
        c.check(title == x.TITLE, f"window title {title!r}")
        app_window = x.find_window(x.find_application(program.pid), x.TITLE)
        # Read as soon as the window is on the bus: the clock ticks once a second.
        clock = label_after(app_window, "倒计时:")
        score = label_after(app_window, "得分：")
        questions = x.wait_until(lambda: [r["question"].name for r in x.sheet_rows(app_window)] or None, 5) or []
        c.check(len(questions) == 20, f"{len(questions)} questions: {' '.join(questions)}")
        c.check(clock is not None and x.clock_since(clock, program.started), f"clock {clock!r}")
        c.check(score == "00", f"score {score!r}")
    c.finish()


if __name__ == "__main__":
    main()
