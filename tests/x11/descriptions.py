# A screen reader hears the result of a hand-in through accessible descriptions; names and marks stay as they are.
#
# The object that gets the focus after a hand-in describes the score, every answer box whether its row was marked
# right, and before a sheet's first hand-in the boxes describe nothing.
import sys

import xharness as x

RIGHT = 13  # rows answered right on the first sheet: 65.00 points


def descriptions(window):
    return [box.description for box in x.answer_boxes(window)]


def marks(window):
    """For each row, whether its mark shows "√"."""
    return [x.showing(row["mark"]) and row["mark"].name == "√" for row in x.sheet_rows(window)]


def hand_in(c, window, right, score_text, focus_name):
    """Fills the sheet with `right` right answers, hands it in through 交卷(T) and checks what is described."""
    names = [box.name for box in x.answer_boxes(window)]
    before = descriptions(window)
    c.check(len(before) == 20 and all(d == "" for d in before),
            f"before hand-in the 20 boxes have empty descriptions: {sorted(set(before))}")
    x.fill_sheet(window, right)
    x.press(x.push_button(window, "交卷(T)"))
    score = x.label_after(window, "得分：")
    c.check(x.wait_until(lambda: score.name == score_text, 3), f"score {score.name!r} (expected {score_text!r})")

    def on_target():
        node = x.focused(window)
        return node if node is not None and node.name == focus_name else None

    target = x.wait_until(on_target, 3)
    now = x.focused(window)
    c.check(target is not None, f"focus on {focus_name!r} after hand-in; focused: "
            + (f"{now.getRoleName()} {now.name!r}" if now is not None else "nothing"))
    if target is not None:
        wanted = "得分：" + score_text
        c.check(target.description == wanted,
                f"{focus_name} describes the score: expected {wanted!r}, seen {target.description!r}")

    marked = marks(window)
    c.check(marked == [i < right for i in range(20)], f"rows marked √: {[i + 1 for i, m in enumerate(marked) if m]}")
    seen = descriptions(window)
    wanted = ["答对了" if m else "没有答对" for m in marked]
    wrong = [(i + 1, s) for i, (s, w) in enumerate(zip(seen, wanted)) if s != w]
    c.check(not wrong, "each box describes its row: 答对了 where marked √, 没有答对 elsewhere"
            + (f"; differs in {len(wrong)} rows, e.g. row {wrong[0][0]} {wrong[0][1]!r} "
               f"(expected {wanted[wrong[0][0] - 1]!r}); seen {sorted(set(seen))}" if wrong else ""))
    after = [box.name for box in x.answer_boxes(window)]
    c.check(after == names, "box names unchanged by the hand-in" + ("" if after == names else f": {after[:3]}..."))
    shown = [row["mark"].name for row in x.sheet_rows(window) if x.showing(row["mark"])]
    c.check(shown == ["√"] * right, f"{len(shown)} marks showing, all '√': {sorted(set(shown))}")


def main():
    c = x.Checks("accessible descriptions")
    x.require_window_manager(c)
    with x.accessible_program(c, sys.argv[1]) as program:
        native = program.wait_window()
        window = x.find_window(x.find_application(program.pid), x.TITLE)
        # The focus exists only in the active window; whether the program gets activated on start is not the point here.
        c.check(x.activate(native), f"window {native} active")
        hand_in(c, window, RIGHT, "65.00", "出题(D)")

        first = [row["question"].name for row in x.sheet_rows(window)]
        x.press(x.push_button(window, "出题(D)"))
        renewed = x.wait_until(lambda: (lambda q: len(q) == 20 and q != first)(
            [row["question"].name for row in x.sheet_rows(window)]), 3)
        c.check(renewed, "出题(D) builds a new sheet")
        hand_in(c, window, 20, "100.00", "退出(X)")
    c.finish()


if __name__ == "__main__":
    main()
