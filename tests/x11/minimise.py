# Never lost when minimised: the practice window comes straight back from an iconify request, clock still going.
#
# The request is the one a minimise button or GNOME's Super+H makes the window manager carry out. Afterwards the
# window is viewable, WM_STATE Normal, without _NET_WM_STATE_HIDDEN, still top-most and off the taskbar.
import os
import re
import subprocess
import sys
import tempfile
import time

import xharness as x


def restored(window):
    """What is wrong with the window's state as the window manager keeps it, or "" when it is back on screen."""
    problems = []
    if not x.viewable(window):
        problems.append("not viewable")
    state = x.wm_state(window)
    if state != "Normal":
        problems.append(f"WM_STATE {state}")
    net = x.net_wm_state(window)
    if "_NET_WM_STATE_HIDDEN" in net:
        problems.append("_NET_WM_STATE_HIDDEN")
    for wanted in ("_NET_WM_STATE_ABOVE", "_NET_WM_STATE_SKIP_TASKBAR"):
        if wanted not in net:
            problems.append(f"no {wanted}")
    return ", ".join(problems)


def describe_state(window):
    return (f"viewable {x.viewable(window)}, WM_STATE {x.wm_state(window)}, "
            f"_NET_WM_STATE {sorted(x.net_wm_state(window))}")


def main():
    c = x.Checks("minimise")
    x.require_window_manager(c)
    # Under a Wayland compositor the program is put on Xwayland explicitly: this test is about minimising, and an
    # explicit platform is always respected.
    extra = {"QT_QPA_PLATFORM": "xcb"} if os.environ.get("WAYLAND_DISPLAY") else {}
    with x.accessible_program(c, sys.argv[1], extra_env=extra) as program:
        window = program.wait_window()
        app_window = x.find_window(x.find_application(program.pid), x.TITLE)
        clock = x.label_after(app_window, "倒计时:")
        problems = restored(window)
        c.check(not problems, f"before the request window {window} is on screen, top-most and off the taskbar: "
                + describe_state(window) + (f"; but {problems}" if problems else ""))
        actions = x.property_text(window, "_NET_WM_ALLOWED_ACTIONS")
        c.note(f"window manager {x.window_manager_name()} allows: "
               + ("minimise" if "_NET_WM_ACTION_MINIMIZE" in actions else "no minimise") + f" ({actions})")

        # Every WM_STATE the window goes through, in order, to tell in the log a window manager that iconified the
        # window and a program that brought it back from one that never iconified it.
        spy_log = tempfile.TemporaryFile()
        spy = subprocess.Popen(["xprop", "-spy", "-id", str(window), "WM_STATE"], stdout=spy_log,
                               stderr=subprocess.DEVNULL)
        x.wait_until(lambda: spy_log.tell() > 0, 2)
        # xdotool sends the ICCCM iconify request (WM_CHANGE_STATE, IconicState) to the root window.
        x.run("xdotool", "windowminimize", str(window))
        # The window manager answers asynchronously: give it a moment to act before the state counts.
        x.wait_until(lambda: x.wm_state(window) == "Iconic" or "_NET_WM_STATE_HIDDEN" in x.net_wm_state(window),
                     1, 0.02)
        back = x.wait_until(lambda: not restored(window), 3)
        spy.terminate()
        spy.wait(5)
        spy_log.seek(0)
        states = re.findall(r"window state: (\w+)", spy_log.read().decode())
        c.note("WM_STATE from the request on: " + " -> ".join(states))
        c.check(back, "back on screen after the minimise request: expected viewable, WM_STATE Normal, no "
                "_NET_WM_STATE_HIDDEN, still ABOVE and SKIP_TASKBAR; seen " + describe_state(window))
        # It must stay so: a window manager that iconifies again later would leave it lost.
        time.sleep(0.5)
        problems = restored(window)
        c.check(not problems, "still on screen half a second later" + (f": {problems}" if problems else ""))
        first = clock.name
        ticking = x.wait_until(lambda: clock.name != first, 2.5)
        c.check(ticking, f"clock still running: {first!r}, then {clock.name!r}")
    c.finish()


if __name__ == "__main__":
    main()
