# The practice window takes the keyboard focus when it starts: typed digits land in the first answer box.
#
# Nobody clicks or activates the window first. Some window managers give no focus on mapping to certain kinds of
# window (openbox to a Normal-type window that skips the taskbar); the program asks for it.
import os
import sys

import xharness as x


def main():
    c = x.Checks("focus at start")
    x.require_window_manager(c)
    # Under a Wayland compositor the program is put on Xwayland explicitly, where keys can be sent to it.
    extra = {"QT_QPA_PLATFORM": "xcb"} if os.environ.get("WAYLAND_DISPLAY") else {}
    with x.accessible_program(c, sys.argv[1], extra_env=extra) as program:
        window = program.wait_window()
        app_window = x.find_window(x.find_application(program.pid), x.TITLE)
        active = lambda: x.run("xdotool", "getactivewindow", check=False).strip()
        c.check(x.wait_until(lambda: active() == str(window), 3),
                f"{x.window_manager_name()}'s active window: expected the practice window {window}, "
                f"seen {active() or 'none'}")
        first = x.answer_boxes(app_window)[0]
        has_focus = x.wait_until(lambda: first.getState().contains(x.pyatspi().STATE_FOCUSED), 3)
        now = x.focused(app_window)
        c.check(has_focus, f"focus in the first answer box ({first.name}); focused: "
                + (f"{now.getRoleName()} {now.name!r}" if now is not None else "nothing"))
        x.run("xdotool", "type", "7")
        typed = x.wait_until(lambda: x.text_of(first) == "7", 2)
        c.check(typed, f"a typed 7 lands in the first box: it holds {x.text_of(first)!r}")
    c.finish()


if __name__ == "__main__":
    main()
