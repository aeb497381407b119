# An explicit QT_QPA_PLATFORM is respected under a Wayland compositor with Xwayland: "wayland" and "xcb" alike.
#
# "wayland" puts the program on Wayland with no X11 window at all, "xcb" on Xwayland.
import os
import sys

import xharness as x


def run_on(c, path, platform):
    program = x.Program(path, extra_env={"QT_QPA_PLATFORM": platform}, accessible=True)
    try:
        window = x.find_window(x.find_application(program.pid), x.TITLE)
        rows = x.wait_until(lambda: x.sheet_rows(window), 5) or []
        c.check(len(rows) == 20, f"QT_QPA_PLATFORM={platform}: the sheet shows {len(rows)} questions on the bus")
        plugins = x.platform_plugins(program.pid)
        c.check(plugins == {platform}, f"QT_QPA_PLATFORM={platform}: Qt platform plugin loaded: {sorted(plugins)}")
        if platform == "xcb":
            windows = x.wait_until(lambda: x.x_windows(program.pid), 5)
            c.check(bool(windows), f"QT_QPA_PLATFORM=xcb: X11 windows on {os.environ['DISPLAY']}: {windows}")
        else:
            windows = x.x_windows(program.pid)
            c.check(not windows, f"QT_QPA_PLATFORM={platform}: no X11 window on {os.environ['DISPLAY']}"
                    + (f"; but there are {windows}" if windows else ""))
    except RuntimeError as error:
        c.check(False, f"QT_QPA_PLATFORM={platform}: stopped early: {error}")
    finally:
        program.stop()


def main():
    c = x.Checks("explicit platform")
    if not (os.environ.get("WAYLAND_DISPLAY") and os.environ.get("DISPLAY")):
        x.skip("needs WAYLAND_DISPLAY and DISPLAY: run it through scripts/mutter-session.sh")
    x.require_window_manager(c)
    bus = x.start_accessibility_bus()
    try:
        run_on(c, sys.argv[1], "wayland")
        run_on(c, sys.argv[1], "xcb")
    finally:
        bus.terminate()
        bus.wait(5)
    c.finish()


if __name__ == "__main__":
    main()
