# A pupil working through a screen reader: reading the questions, answering, handing in, hearing marks, score and clock.
import re
import sys
import time

import xharness as x

ANSWER_NAME = re.compile(r"^(\d+)([＋－×÷])(\d+)＝$")
RIGHT = 13  # rows answered right; the other seven get a wrong answer


def main():
    c = x.Checks("screen reader")
    x.require_window_manager(c)
    atspi = x.pyatspi()
    with x.accessible_program(c, sys.argv[1]) as program:
        program.wait_window()
        app = x.find_application(program.pid)
        window = x.find_window(app, x.TITLE)
        c.check(True, f"application {app.name!r} (pid {program.pid}) with window {window.name!r}")
        nodes = x.children(window)

        boxes = [n for n in nodes if n.getRoleName() == "text" and x.showing(n)]
        names = [b.name for b in boxes]
        c.check(len(boxes) == 20, f"{len(boxes)} answer boxes showing: {' '.join(names)}")
        bad = [n for n in names if not ANSWER_NAME.match(n)]
        c.check(not bad, "every box is named after its question and ＝" + (f"; not: {bad}" if bad else ""))

        answers, unfit, counts = [], [], {op: 0 for op in x.OPERATORS}
        for name in names:
            a, op, b = (int(v) if v.isdigit() else v for v in ANSWER_NAME.match(name).groups())
            counts[op] += 1
            # The sheet only asks what a pupil can answer: no negative differences, only exact quotients.
            if (op == "－" and a < b) or (op == "÷" and (b == 0 or a % b != 0)):
                unfit.append(name)
            answers.append(x.right_answer(f"{a}{op}{b}"))
        c.check(not unfit, "operators " + ", ".join(f"{op} {n}" for op, n in counts.items())
                + "; no negative difference, no inexact quotient" + (f"; but: {unfit}" if unfit else ""))
        c.note("right answers worked out here: " + " ".join(f"{n}{a}" for n, a in zip(names, answers)))

        typed = [str(a) if i < RIGHT else str(a + 1) for i, a in enumerate(answers)]
        for box, text in zip(boxes, typed):
            box.queryEditableText().setTextContents(text)
        read_back = [x.text_of(b) for b in boxes]
        c.check(read_back == typed, f"boxes hold {' '.join(read_back)} ({RIGHT} right, {20 - RIGHT} wrong)")

        buttons = [n for n in nodes if n.getRoleName() == "push button"]
        button_names = [b.name for b in buttons]
        c.check(len(buttons) == 4 and all("&" not in n for n in button_names), f"button names {button_names}")
        hand_in = next((b for b in buttons if b.name == "交卷(T)"), None)
        action = hand_in.queryAction().getName(0) if hand_in else None
        c.check(hand_in is not None and action == "Press", f"交卷(T) action 0: {action!r}")
        x.press(hand_in)

        def marks():
            return [n for n in x.children(window) if n.getRoleName() == "label" and x.showing(n) and n.name == "√"]

        # Marks appear all at once; wait until the count holds still at what the sheet was given.
        x.wait_until(lambda: len(marks()) >= RIGHT, 3)
        time.sleep(0.1)
        shown = marks()
        c.check(len(shown) == RIGHT, f"{len(shown)} marks √ showing after hand-in")

        # The mark of a row is read right after its question and equals sign, before its box.
        rows = x.sheet_rows(window)
        marked = [i for i, row in enumerate(rows) if x.showing(row["mark"]) and row["mark"].name == "√"]
        c.check(marked == list(range(RIGHT)), f"marked rows {[i + 1 for i in marked]}")
        paired = all(row["box"].name == row["question"].name + row["equals"].name for row in rows)
        c.check(len(rows) == 20 and paired, f"{len(rows)} rows read as question, ＝, mark, box")

        nodes = x.children(window)
        names_now = [n.name for n in nodes]
        score = nodes[names_now.index("得分：") + 1].name
        c.check(score == "65.00", f"score {score!r}")
        locked = sum(1 for b in boxes if b.getState().contains(atspi.STATE_READ_ONLY))
        c.check(locked == 20, f"{locked} of 20 boxes read-only after hand-in")

        clock = nodes[names_now.index("倒计时:") + 1]
        first = clock.name
        c.check(re.fullmatch(r"\d\d:[0-5]\d", first) is not None, f"clock reads {first!r} (mm:ss)")
        # Handing in stops the clock: it still reads the same a tick later.
        time.sleep(1.2)
        c.check(clock.name == first, f"clock after handing in and 1.2 s: {clock.name!r}")
    c.finish()


if __name__ == "__main__":
    main()
