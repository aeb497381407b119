# Shared pieces of the X11 tests: starting Sumora, finding its windows on X and on the screen-reader bus, pixels.
import os
import re
import subprocess
import sys
import time

# The practice window's title, as a pattern for `xdotool search --name`.
TITLE = "Sumora(Brenn六周年纪念版)"
TITLE_PATTERN = r"^Sumora\("

QUESTION = re.compile(r"^(\d+)([＋－×÷])(\d+)$")
OPERATORS = "＋－×÷"


class Checks:
    """Collects the outcome of every check; each one prints what it saw, so a log can be quoted."""

    def __init__(self, name):
        self.name = name
        self.failures = 0

    def check(self, condition, message):
        print(("ok   " if condition else "FAIL ") + message, flush=True)
        if not condition:
            self.failures += 1
        return condition

    def note(self, message):
        print("     " + message, flush=True)

    def finish(self):
        print(f"{self.name}: {'all checks passed' if self.failures == 0 else f'{self.failures} check(s) failed'}",
              flush=True)
        sys.exit(1 if self.failures else 0)


def run(*args, timeout=10, check=True):
    """Runs a tool and returns what it printed; a failure is raised with the tool's own complaint."""
    result = subprocess.run(args, capture_output=True, text=True, timeout=timeout)
    if check and result.returncode != 0:
        raise RuntimeError(f"{' '.join(args)}: status {result.returncode}: {result.stderr.strip()}")
    return result.stdout


def wait_until(probe, timeout, interval=0.05):
    """Polls probe() until it returns something true, and returns that (or the last value after timeout).

    While the program rebuilds its sheet, objects on the screen-reader bus vanish under a reader: a probe that
    fails counts as not yet, and its error is raised only if it still fails at the end.
    """
    deadline = time.monotonic() + timeout
    while True:
        try:
            value, error = probe(), None
        except Exception as caught:  # a vanished object: tried again until the deadline
            value, error = None, caught
        if value or time.monotonic() >= deadline:
            if error is not None:
                raise error
            return value
        time.sleep(interval)


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


def start_accessibility_bus():
    """Starts the screen-reader bus of this session and waits until the session bus hands out its address."""
    launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def owned():
        # Asking the bus about the name itself would start a second launcher through bus activation.
        result = subprocess.run(["dbus-send", "--session", "--dest=org.freedesktop.DBus", "--print-reply",
                                 "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner",
                                 "string:org.a11y.Bus"], capture_output=True, text=True)
        return result.returncode == 0 and "boolean true" in result.stdout

    def ready():
        if launcher.poll() is not None or not owned():
            return False
        result = subprocess.run(["dbus-send", "--session", "--dest=org.a11y.Bus", "--print-reply",
                                 "/org/a11y/bus", "org.a11y.Bus.GetAddress"], capture_output=True, text=True)
        return result.returncode == 0 and "unix:" in result.stdout

    if not wait_until(ready, 10):
        raise RuntimeError("the accessibility bus did not come up")
    return launcher


class Program:
    """One run of Sumora; the practice window is looked up by title, restricted to this process."""

    def __init__(self, path, extra_env=None, accessible=False, drop_env=()):
        env = dict(os.environ)
        for name in drop_env:
            env.pop(name, None)
        if accessible:
            env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        env.update(extra_env or {})
        # The program's own warnings go to the test's log.
        self.process = subprocess.Popen([path], env=env, stdout=subprocess.DEVNULL)
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


class Image:
    """A screenshot of one window's client area, read from a binary PPM."""

    def __init__(self, data):
        fields = []
        position = 0
        # Header: P6, width, height, maximum, each separated by white space (comments are not used by import).
        while len(fields) < 4:
            while data[position:position + 1].isspace():
                position += 1
            start = position
            while not data[position:position + 1].isspace():
                position += 1
            fields.append(data[start:position])
        if fields[0] != b"P6" or fields[3] != b"255":
            raise ValueError("not an 8-bit binary PPM")
        self.width, self.height = int(fields[1]), int(fields[2])
        self.pixels = data[position + 1:position + 1 + 3 * self.width * self.height]

    def at(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.pixels[i:i + 3])


def screenshot(window):
    data = subprocess.run(["import", "-window", str(window), "-depth", "8", "ppm:-"], capture_output=True,
                          check=True, timeout=20).stdout
    return Image(data)


def hex_colour(rgb):
    return "#%02X%02X%02X" % rgb


# --- The screen-reader side -------------------------------------------------------------------------

def pyatspi():
    import pyatspi as module  # Debian's python3-pyatspi, present for /usr/bin/python3
    return module


def find_application(pid, timeout=15):
    atspi = pyatspi()

    def probe():
        desktop = atspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            try:
                if app is not None and app.get_process_id() == pid:
                    return app
            except Exception:
                pass
        return None

    app = wait_until(probe, timeout, 0.1)
    if app is None:
        raise RuntimeError(f"process {pid} did not show up on the accessibility bus")
    return app


def find_window(app, title, timeout=10):
    def probe():
        for i in range(app.childCount):
            child = app.getChildAtIndex(i)
            if child is not None and child.name == title:
                return child
        return None

    window = wait_until(probe, timeout, 0.1)
    if window is None:
        raise RuntimeError(f"no window named {title!r} on the accessibility bus")
    return window


def children(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def showing(node):
    return node.getState().contains(pyatspi().STATE_SHOWING)


def extents(node):
    """Extents in the screen coordinates the bridge reports (device-independent pixels for Qt)."""
    e = node.queryComponent().getExtents(pyatspi().DESKTOP_COORDS)
    return e.x, e.y, e.width, e.height


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def sheet_rows(window):
    """The showing rows of the sheet, in reading order as a screen reader walks them.

    A row is its question label followed by the equals sign, the mark and the answer box; marks may be
    hidden. Returns a list of dicts with the accessible objects under 'question', 'equals', 'mark', 'box'.
    """
    nodes = children(window)
    rows = []
    for i, node in enumerate(nodes):
        if node.getRoleName() != "label" or not showing(node) or not QUESTION.match(node.name):
            continue
        following = nodes[i + 1:i + 4]
        if len(following) < 3:
            break
        equals, mark, box = following
        rows.append({"question": node, "equals": equals, "mark": mark, "box": box})
    return rows


def right_answer(question):
    """The answer a pupil should type for "a<op>b", worked out here independently of the program."""
    a, op, b = QUESTION.match(question).groups()
    a, b = int(a), int(b)
    if op == "＋":
        return a + b
    if op == "－":
        return a - b
    if op == "×":
        return a * b
    return a // b


def press(node):
    action = node.queryAction()
    return action.doAction(0)


# --- Watching X events in order ------------------------------------------------------------------

class EventWatch:
    """Records, in the server's order, what happens to one top-level window: _NET_WM_STATE requests that
    clients send to the root window (with their action and atoms), changes of its _NET_WM_STATE property
    (with the value read right away), and its destruction. Runs its own X connection in a thread."""

    DESTROY_NOTIFY, PROPERTY_NOTIFY, CLIENT_MESSAGE = 17, 28, 33
    STRUCTURE_NOTIFY_MASK, PROPERTY_CHANGE_MASK = 1 << 17, 1 << 22
    XA_ATOM = 4

    def __init__(self, window):
        import ctypes
        import threading
        self.ctypes = ctypes
        self.window = window
        self.events = []
        self.ready = threading.Event()
        self.done = threading.Event()
        self.thread = threading.Thread(target=self._run, daemon=True)
        self.thread.start()
        if not self.ready.wait(5):
            raise RuntimeError("the X event watcher did not start")

    def _run(self):
        ct = self.ctypes
        x11 = ct.CDLL("libX11.so.6")
        x11.XOpenDisplay.restype = ct.c_void_p
        x11.XOpenDisplay.argtypes = [ct.c_char_p]
        x11.XDefaultRootWindow.restype = ct.c_ulong
        x11.XDefaultRootWindow.argtypes = [ct.c_void_p]
        x11.XInternAtom.restype = ct.c_ulong
        x11.XInternAtom.argtypes = [ct.c_void_p, ct.c_char_p, ct.c_int]
        x11.XGetAtomName.restype = ct.c_void_p
        x11.XGetAtomName.argtypes = [ct.c_void_p, ct.c_ulong]
        x11.XSelectInput.argtypes = [ct.c_void_p, ct.c_ulong, ct.c_long]
        x11.XSync.argtypes = [ct.c_void_p, ct.c_int]
        x11.XPending.argtypes = [ct.c_void_p]
        x11.XNextEvent.argtypes = [ct.c_void_p, ct.c_void_p]
        x11.XFree.argtypes = [ct.c_void_p]
        x11.XCloseDisplay.argtypes = [ct.c_void_p]
        x11.XGetWindowProperty.argtypes = [ct.c_void_p, ct.c_ulong, ct.c_ulong, ct.c_long, ct.c_long, ct.c_int,
                                           ct.c_ulong, ct.POINTER(ct.c_ulong), ct.POINTER(ct.c_int),
                                           ct.POINTER(ct.c_ulong), ct.POINTER(ct.c_ulong),
                                           ct.POINTER(ct.c_void_p)]
        # A property read on a window that is already gone must not end the test process.
        handler_type = ct.CFUNCTYPE(ct.c_int, ct.c_void_p, ct.c_void_p)
        self._handler = handler_type(lambda display, error: 0)
        x11.XSetErrorHandler(self._handler)

        display = x11.XOpenDisplay(None)
        root = x11.XDefaultRootWindow(display)
        state = x11.XInternAtom(display, b"_NET_WM_STATE", 0)
        names = {}

        def name(atom):
            if atom not in names:
                pointer = x11.XGetAtomName(display, atom)
                names[atom] = ct.string_at(pointer).decode() if pointer else str(atom)
                if pointer:
                    x11.XFree(pointer)
            return names[atom]

        def read_state():
            kind, form, count, after = ct.c_ulong(), ct.c_int(), ct.c_ulong(), ct.c_ulong()
            data = ct.c_void_p()
            if x11.XGetWindowProperty(display, self.window, state, 0, 64, 0, self.XA_ATOM, ct.byref(kind),
                                      ct.byref(form), ct.byref(count), ct.byref(after), ct.byref(data)) != 0:
                return None
            if not data.value:
                return None if kind.value == 0 else set()
            atoms = ct.cast(data, ct.POINTER(ct.c_ulong))
            value = {name(atoms[i]) for i in range(count.value)}
            x11.XFree(data)
            return value

        # Requests sent to the root window reach clients that select structure events on it.
        x11.XSelectInput(display, root, self.STRUCTURE_NOTIFY_MASK)
        x11.XSelectInput(display, self.window, self.STRUCTURE_NOTIFY_MASK | self.PROPERTY_CHANGE_MASK)
        x11.XSync(display, 0)
        self.events.append(("state", read_state()))
        self.ready.set()

        event = (ct.c_long * 24)()
        longs = lambda i: event[i]
        while not self.done.is_set():
            if not x11.XPending(display):
                time.sleep(0.002)
                continue
            x11.XNextEvent(display, event)
            kind = ct.c_int.from_buffer(event).value
            # Layout of the event structures on LP64: type at 0, the window fields from byte 32 on.
            if kind == self.CLIENT_MESSAGE and longs(4) == self.window and longs(5) == state:
                action = longs(7)
                atoms = [name(a) for a in (longs(8), longs(9)) if a]
                self.events.append(("request", action, atoms))
            elif kind == self.PROPERTY_NOTIFY and longs(4) == self.window and longs(5) == state:
                # The notice tells a new value from a deletion; the value itself is read afterwards.
                deleted = ct.c_int.from_buffer(event, 56).value == 1
                self.events.append(("deleted",) if deleted else ("state", read_state()))
            elif kind == self.DESTROY_NOTIFY and longs(5) == self.window:
                self.events.append(("destroyed",))
        x11.XCloseDisplay(display)

    def stop(self):
        self.done.set()
        self.thread.join(5)

    def describe(self):
        def one(event):
            if event[0] == "request":
                return f"request {('remove', 'add', 'toggle')[event[1]] if event[1] < 3 else event[1]} {event[2]}"
            if event[0] == "state":
                return "state " + ("gone" if event[1] is None else str(sorted(event[1])))
            return "property deleted" if event[0] == "deleted" else event[0]
        return "; ".join(one(e) for e in self.events)


# --- Desktops: which one runs, skipping, Qt's platform -------------------------------------------

SKIP = 77  # the exit status ctest counts as skipped (SKIP_RETURN_CODE)


def skip(reason):
    print(f"SKIP {reason}", flush=True)
    sys.exit(SKIP)


def require_tools(*tools):
    """Skips the test, naming the tool, when one of them is not installed."""
    import shutil
    for tool in tools:
        if shutil.which(tool) is None:
            skip(f"{tool} is not installed (scripts/packages.txt lists its package)")


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


# --- More of the screen-reader side ----------------------------------------------------------------

def label_after(window, caption):
    """The label right after the caption label (the score after "得分：", the clock after "倒计时:")."""
    nodes = children(window)
    names = [n.name for n in nodes]
    return nodes[names.index(caption) + 1]


def descendants(node, depth=4):
    """Every object below node, depth first, down to `depth` levels (a message box keeps its buttons in a box)."""
    found = []
    for child in children(node):
        if child is None:
            continue
        found.append(child)
        if depth > 1:
            found.extend(descendants(child, depth - 1))
    return found


def focused(window):
    """The showing child of the window that has the keyboard focus, or None."""
    state = pyatspi().STATE_FOCUSED
    return next((n for n in children(window) if showing(n) and n.getState().contains(state)), None)


def push_button(window, name):
    return next((n for n in children(window) if n.getRoleName() == "push button" and n.name == name), None)


def answer_boxes(window):
    return [row["box"] for row in sheet_rows(window)]


def fill_sheet(window, right):
    """Types the right answer into the first `right` boxes and a wrong one into the rest; returns what was typed."""
    rows = sheet_rows(window)
    typed = []
    for i, row in enumerate(rows):
        answer = right_answer(row["question"].name)
        text = str(answer if i < right else answer + 1)
        row["box"].queryEditableText().setTextContents(text)
        typed.append(text)
    return typed


# --- Qt's own translations -------------------------------------------------------------------------

QT_TRANSLATIONS = "/usr/share/qt6/translations"  # QLibraryInfo::TranslationsPath of Debian's Qt 6


def _elf_hash(data):
    # The hash Qt's translation files index their messages by (source text followed by comment, UTF-8).
    value = 0
    for byte in data:
        value = ((value << 4) + byte) & 0xFFFFFFFF
        high = value & 0xF0000000
        if high:
            value ^= high >> 24
        value &= ~high & 0xFFFFFFFF
    return value or 1


def qt_translation(context, source, catalogue="qtbase_zh_CN.qm", comment=""):
    """What a Qt translation file (.qm) says for one message, or None when it has none for that context.

    The file is a 16-byte magic followed by blocks (tag byte, 32-bit big-endian length): 0x42 holds sorted pairs of
    (hash, offset into the messages), 0x69 the messages, each a list of tagged fields ending in tag 1: 3 the
    translation (UTF-16BE), 6 the source text, 7 the context, 8 the comment (UTF-8), 5 four bytes of nothing.
    """
    import struct
    with open(os.path.join(QT_TRANSLATIONS, catalogue), "rb") as file:
        data = file.read()
    if data[:16] != bytes.fromhex("3cb86418caef9c95cd211cbf60a1bddd"):
        raise ValueError(f"{catalogue} is not a Qt translation file")
    blocks, position = {}, 16
    while position < len(data):
        tag, length = data[position], struct.unpack(">I", data[position + 1:position + 5])[0]
        blocks[tag] = data[position + 5:position + 5 + length]
        position += 5 + length
    hashes, messages = blocks.get(0x42, b""), blocks.get(0x69, b"")
    wanted = _elf_hash((source + comment).encode())
    for entry in range(0, len(hashes), 8):
        value, offset = struct.unpack(">II", hashes[entry:entry + 8])
        if value != wanted:
            continue
        fields, translation, position = {}, None, offset
        while messages[position] != 1:
            tag = messages[position]
            position += 1
            if tag == 5:
                position += 4
                continue
            length = struct.unpack(">I", messages[position:position + 4])[0]
            position += 4
            if length == 0xFFFFFFFF:  # a null translation
                continue
            if tag == 3 and translation is None:
                translation = messages[position:position + length].decode("utf-16-be")
            elif tag in (6, 7, 8):
                fields[tag] = messages[position:position + length].decode()
            position += length
        # Fields a compressed file left out match anything.
        if fields.get(6, source) == source and fields.get(7, context) == context and fields.get(8, comment) == comment:
            return translation
    return None


def without_mnemonic(text):
    """A menu or button text as shown: "撤消(&U)" reads "撤消(U)", "Cu&t" reads "Cut"."""
    return text.replace("&&", "\0").replace("&", "").replace("\0", "&")


# --- Reading a popup menu off the screen -----------------------------------------------------------

def write_ppm(path, image, box):
    """Writes the part box = (x0, y0, x1, y1) of an Image as a binary PPM."""
    x0, y0, x1, y1 = box
    rows = [image.pixels[3 * (y * image.width + x0):3 * (y * image.width + x1)] for y in range(y0, y1)]
    with open(path, "wb") as file:
        file.write(f"P6\n{x1 - x0} {y1 - y0}\n255\n".encode() + b"".join(rows))


def menu_entries(image, scale=1):
    """The entries of a popup menu screenshot, top to bottom, as boxes around their texts (without shortcuts).

    Ink is any pixel darker than grey 200 (Qt greys disabled entries to 149). Rows of ink lower than 4 px a scale
    unit are separators. Within a row, the text ends at the first gap wider than 10 px a scale unit: the shortcut
    column starts far to the right, while the gap inside "撤消(U)" is a few pixels.
    """
    border = 3 * scale

    def ink(px, py):
        return min(image.at(px, py)) < 200

    rows, start = [], None
    for py in range(border, image.height - border + 1):
        dark = py < image.height - border and any(ink(px, py) for px in range(border, image.width - border))
        if dark and start is None:
            start = py
        elif not dark and start is not None:
            if py - start >= 4 * scale:
                rows.append((start, py))
            start = None
    entries = []
    for top, bottom in rows:
        columns = [px for px in range(border, image.width - border)
                   if any(ink(px, py) for py in range(top, bottom))]
        left = right = columns[0]
        for px in columns:
            if px - right > 10 * scale:
                break
            right = px
        pad = 3 * scale
        entries.append((max(left - pad, 0), max(top - pad, 0), min(right + 1 + pad, image.width),
                        min(bottom + pad, image.height)))
    return entries


def ocr_line(image, box, language="chi_sim", enlarge=None):
    """Tesseract's reading of one line of text inside box, as one string without white space.

    enlarge (e.g. "200%") has ImageMagick resize the line first, which reads some glyphs better and others worse.
    """
    import tempfile
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "line.ppm")
        write_ppm(path, image, box)
        if enlarge:
            run("convert", path, "-resize", enlarge, path)
        out = run("tesseract", path, "stdout", "-l", language, "--psm", "7", timeout=20)
    return re.sub(r"\s+", "", out)
