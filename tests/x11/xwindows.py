# The X side of the X tests: starting Sumora, its windows as the window manager and the X server see them.
import math
import os
import re
import subprocess
import time

from xbase import TITLE_PATTERN, run, wait_until


def seconds_left(clock_text):
    minutes, seconds = clock_text.split(":")
    return int(minutes) * 60 + int(seconds)


def clock_since(clock_text, moment):
    """Whether a clock that was at 01:05 at the moment (time.monotonic()) can read clock_text now: it lost at most
    the whole seconds passed since, however slowly this machine answers."""
    left = seconds_left(clock_text)
    return 65 - math.ceil(time.monotonic() - moment) <= left <= 65


def require_window_manager(checks):
    """Ends the test at once, saying why, when no window manager runs on this display: every check here needs one."""
    name = window_manager_name()
    if not checks.check(name is not None, "window manager: " + (name or
                        "none on this display (the session's manager did not start or has died)")):
        checks.finish()



def set_xft_dpi(dpi):
    # The server keeps the resource only while some client is connected; the window manager is.
    subprocess.run(["xrdb", "-merge"], input=f"Xft.dpi: {dpi}\n", text=True, check=True, timeout=10)



def xft_dpi():
    match = re.search(r"^Xft\.dpi:\s*(\S+)", run("xrdb", "-query"), re.M)
    return match.group(1) if match else None



class Program:
    """One run of Sumora; the practice window is looked up by title, restricted to this process."""

    def __init__(self, path, extra_env=None, accessible=False, drop_env=(), args=()):
        env = dict(os.environ)
        for name in drop_env:
            env.pop(name, None)
        if accessible:
            env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        env.update(extra_env or {})
        # The program's own warnings go to the test's log. Its clock starts after this moment (time.monotonic()).
        self.started = time.monotonic()
        self.process = subprocess.Popen([path, *args], env=env, stdout=subprocess.DEVNULL)
        self.pid = self.process.pid

    def wait_window(self, timeout=15, pattern=TITLE_PATTERN):
        out = run("xdotool", "search", "--sync", "--all", "--onlyvisible", "--pid", str(self.pid), "--name", pattern,
                  timeout=timeout)
        window = int(out.split()[0])
        wait_managed(window)
        return window

    def wait_exit(self, timeout):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            return None

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait(5)



def wait_managed(window, timeout=5):
    """Waits until the window manager has taken a mapped window over (it sets these two on the window)."""
    def managed():
        text = run("xprop", "-id", str(window), "WM_STATE", "_NET_WM_DESKTOP", check=False)
        return "window state: Normal" in text and "_NET_WM_DESKTOP(CARDINAL) =" in text
    if not wait_until(managed, timeout):
        raise RuntimeError(f"the window manager did not take window {window} over")



def activate(window, timeout=5):
    """Makes the window the active one through the window manager, and waits until it is."""
    def active():
        subprocess.run(["xdotool", "windowactivate", str(window)], capture_output=True, timeout=timeout)
        return run("xdotool", "getactivewindow", check=False).strip() == str(window)
    return wait_until(active, timeout, 0.1)



def window_geometry(window):
    """Client area of a top-level window as (x, y, width, height) on the screen, from xwininfo."""
    info = run("xwininfo", "-id", str(window))
    value = lambda key: int(re.search(rf"{key}:\s+(-?\d+)", info).group(1))
    return value("Absolute upper-left X"), value("Absolute upper-left Y"), value("Width"), value("Height")



def screen_size():
    match = re.search(r"dimensions:\s+(\d+)x(\d+) pixels", run("xdpyinfo"))
    return int(match.group(1)), int(match.group(2))



def property_text(window, name):
    return run("xprop", "-id", str(window), name).strip()



def net_wm_state(window):
    text = property_text(window, "_NET_WM_STATE")
    return set(re.findall(r"_NET_WM_STATE_\w+", text.split("=", 1)[1])) if "=" in text else set()



def motif_hints(window):
    """(flags, functions, decorations) of _MOTIF_WM_HINTS, or None when the window has none."""
    text = property_text(window, "_MOTIF_WM_HINTS")
    if "=" not in text:
        return None
    values = [int(v, 16) for v in re.findall(r"0x[0-9a-fA-F]+", text.split("=", 1)[1])]
    return values[0], values[1], values[2]



def close_window(window):
    """Asks the window manager to close the window, as its frame's close button does (EWMH _NET_CLOSE_WINDOW)."""
    import ctypes as ct
    x11 = ct.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = x11.XInternAtom.restype = x11.XDefaultRootWindow.restype = ct.c_void_p
    x11.XInternAtom.argtypes, x11.XDefaultRootWindow.argtypes = [ct.c_void_p, ct.c_char_p, ct.c_int], [ct.c_void_p]
    x11.XSendEvent.argtypes = [ct.c_void_p, ct.c_void_p, ct.c_int, ct.c_long, ct.c_void_p]
    x11.XCloseDisplay.argtypes = [ct.c_void_p]
    display = x11.XOpenDisplay(None)
    # An XClientMessageEvent in the 24 longs of an XEvent: type 33, the window, format 32, time 0, asked by a pager.
    event = (ct.c_long * 24)(33, 0, 0, display, window, x11.XInternAtom(display, b"_NET_CLOSE_WINDOW", 0), 32, 0, 2)
    # SubstructureRedirect and SubstructureNotify on the root window: the window manager receives it.
    x11.XSendEvent(display, x11.XDefaultRootWindow(display), 0, (1 << 19) | (1 << 20), event)
    x11.XCloseDisplay(display)  # flushes the request



def window_manager_name():
    """The name the running window manager gives itself (Openbox, Xfwm4, Metacity, Mutter), or None."""
    root = run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK", check=False)
    match = re.search(r"window id # (0x[0-9a-f]+)", root)
    if not match:
        return None
    found = re.search(r'= "(.*)"', run("xprop", "-id", match.group(1), "_NET_WM_NAME", check=False))
    return found.group(1) if found else None



def platform_plugins(pid):
    """Qt platform plugins the process has loaded, by their short name: {"xcb"}, {"wayland"}, ...

    Read from the process's memory map: Qt loads exactly one platform plugin from its plugins/platforms folder
    (libqxcb.so, libqwayland-generic.so, libqwayland-egl.so, libqoffscreen.so).
    """
    try:
        with open(f"/proc/{pid}/maps") as maps:
            text = maps.read()
    except OSError:
        return set()
    return {m.group(1) for m in re.finditer(r"/platforms/libq([a-z]+)(?:-[a-z]+)?\.so", text)}



def x_windows(pid):
    """The process's viewable top-level X windows (by _NET_WM_PID), popups included; [] when it has none."""
    out = run("xdotool", "search", "--onlyvisible", "--pid", str(pid), check=False)
    return [int(w) for w in out.split()]



def wm_state(window):
    """The ICCCM WM_STATE the window manager keeps on the window: "Normal", "Iconic", "Withdrawn" or None."""
    match = re.search(r"window state: (\w+)", run("xprop", "-id", str(window), "WM_STATE", check=False))
    return match.group(1) if match else None



def viewable(window):
    return "IsViewable" in run("xwininfo", "-id", str(window), check=False)



def override_redirect(window):
    return "Override Redirect State: yes" in run("xwininfo", "-id", str(window), check=False)



def client_stacking():
    """Managed top-level windows, bottom to top, as the window manager lists them (_NET_CLIENT_LIST_STACKING)."""
    return [int(v, 16) for v in re.findall(r"0x[0-9a-f]+", run("xprop", "-root", "_NET_CLIENT_LIST_STACKING"))]



def window_type(window):
    text = property_text(window, "_NET_WM_WINDOW_TYPE")
    return re.findall(r"_NET_WM_WINDOW_TYPE_(\w+)", text)



def centre_offset(geometry):
    """Distance of a client area's centre from the screen's centre, per axis, in pixels."""
    gx, gy, gw, gh = geometry
    sw, sh = screen_size()
    return abs(gx + gw / 2 - sw / 2), abs(gy + gh / 2 - sh / 2)
