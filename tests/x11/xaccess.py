# The screen-reader side of the X tests: the program, its windows and its sheet on the AT-SPI bus.
import contextlib
import subprocess

from xbase import QUESTION, wait_until
from xwindows import Program


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


@contextlib.contextmanager
def accessible_program(checks, path, **program_args):
    """Sumora started on the screen-reader bus of this session, both stopped when the block ends.

    A RuntimeError inside the block (a tool that failed, a window or object that never came) ends the block as a
    failed check, saying where it stopped, instead of a traceback."""
    bus = start_accessibility_bus()
    program = Program(path, accessible=True, **program_args)
    try:
        yield program
    except RuntimeError as error:
        checks.check(False, f"stopped early: {error}")
    finally:
        program.stop()
        bus.terminate()
        bus.wait(5)
