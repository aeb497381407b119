# Under GNOME's compositor with Xwayland the program runs through X11: centred, off the taskbar, above later windows,
# and so is the options dialog at each opening.
#
# The session has WAYLAND_DISPLAY and DISPLAY both set and QT_QPA_PLATFORM unset (scripts/mutter-session.sh).
import os
import subprocess
import sys

import xharness as x
from window_system import check_dialog

CLIENT = (616, 287)  # the practice window's client area at 96 dpi


def main():
    c = x.Checks("mutter with Xwayland")
    if not (os.environ.get("WAYLAND_DISPLAY") and os.environ.get("DISPLAY")):
        x.skip("needs WAYLAND_DISPLAY and DISPLAY: run it through scripts/mutter-session.sh")
    x.require_tools("xlogo")
    x.require_window_manager(c)
    program = x.Program(sys.argv[1], drop_env=("QT_QPA_PLATFORM",))
    later = None
    try:
        found = x.wait_until(lambda: [w for w in x.x_windows(program.pid) if not x.override_redirect(w)], 10)
        plugins = x.platform_plugins(program.pid)
        c.check(plugins == {"xcb"}, f"Qt platform plugin: expected xcb (Xwayland on {os.environ['DISPLAY']}), "
                f"loaded {sorted(plugins) or 'none'}")
        if not c.check(bool(found), f"X11 window on {os.environ['DISPLAY']}: " + (
                f"{found}" if found else "none within 10 s (the program is not on Xwayland)")):
            return c.finish()
        window = program.wait_window(5)
        c.note(f"window {window}: type {x.window_type(window)}, "
               + x.run("xprop", "-id", str(window), "WM_TRANSIENT_FOR").strip())

        state = x.net_wm_state(window)
        c.check("_NET_WM_STATE_ABOVE" in state, f"top-most: _NET_WM_STATE {sorted(state)}")
        c.check("_NET_WM_STATE_SKIP_TASKBAR" in state, f"off the taskbar: _NET_WM_STATE {sorted(state)}")
        geometry = x.window_geometry(window)
        dx, dy = x.centre_offset(geometry)
        c.check(geometry[2:] == CLIENT and dx <= 1 and dy <= 1,
                f"client {geometry[2]}x{geometry[3]} at {geometry[0]},{geometry[1]}: centre off the screen centre "
                f"by {dx:g},{dy:g} (expected {CLIENT[0]}x{CLIENT[1]}, at most 1 px off)")

        # A window opened later gets the focus and is raised; the top-most window stays above it.
        later = subprocess.Popen(["xlogo"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # xlogo sets no _NET_WM_PID; its class names it.
        logo = int(x.run("xdotool", "search", "--sync", "--onlyvisible", "--class", "xlogo").split()[0])
        x.wait_managed(logo)
        x.wait_until(lambda: x.run("xdotool", "getactivewindow", check=False).strip() == str(logo), 2)
        stacking = x.client_stacking()
        c.note(f"xlogo {logo} opened; active window {x.run('xdotool', 'getactivewindow', check=False).strip()}")
        c.check(window in stacking and logo in stacking and stacking.index(window) > stacking.index(logo),
                f"practice window {window} above xlogo {logo}: stacking bottom to top {stacking}")
        state = x.net_wm_state(window)
        c.check({"_NET_WM_STATE_ABOVE", "_NET_WM_STATE_SKIP_TASKBAR"} <= state,
                f"after xlogo still top-most and off the taskbar: _NET_WM_STATE {sorted(state)}")
        check_dialog(c, program, window, x.screen_size())
    except (RuntimeError, subprocess.TimeoutExpired) as error:
        c.check(False, f"stopped early: {error}")
    finally:
        if later is not None:
            later.kill()
            later.wait(5)
        program.stop()
    c.finish()


if __name__ == "__main__":
    main()
