# The practice window and the options dialog as window manager and screen see them: place, hints, keys, pixels.
import re
import sys
import time

import xharness as x

# Client area of the practice window and of the options dialog at 96 dpi.
CLIENT = (616, 287)
DIALOG = (302, 88)
# Buttons of the status strip, left to right, in client coordinates: (caption, left); all 67 x 23 at y 254.
BUTTONS = [("交卷(T)", 296), ("出题(D)", 374), ("设置", 452), ("退出(X)", 530)]
BUTTON_TOP, BUTTON_SIZE = 254, (67, 23)
# The dialog's OK button, in dialog coordinates.
DIALOG_OK_CENTRE = (256, 19)

# Motif hint bits (flags, functions, decorations).
MWM_HINTS_FUNCTIONS, MWM_HINTS_DECORATIONS = 0x1, 0x2
MWM_FUNC_ALL, MWM_FUNC_MINIMIZE, MWM_FUNC_MAXIMIZE = 0x1, 0x8, 0x10
MWM_DECOR_ALL, MWM_DECOR_MINIMIZE, MWM_DECOR_MAXIMIZE = 0x1, 0x20, 0x40

WINDOW_COLOUR = (0xC0, 0xFF, 0xC0)
SHAPE_FILL = (0xC0, 0xFF, 0xFF)
SHAPE_OUTLINE = (0x00, 0x80, 0x80)
SEPARATOR = (0x00, 0x80, 0x00)
SCORE_RED = (0xFF, 0x00, 0x00)


def centred(geometry, screen):
    """Distance of the client area's centre from the screen's centre, per axis."""
    gx, gy, gw, gh = geometry
    return abs(gx + gw / 2 - screen[0] / 2), abs(gy + gh / 2 - screen[1] / 2)


def describe(geometry):
    return f"{geometry[2]}x{geometry[3]} at {geometry[0]},{geometry[1]}"


def check_size_hints(c, window):
    hints = x.property_text(window, "WM_NORMAL_HINTS")
    minimum = re.search(r"minimum size: (\d+) by (\d+)", hints)
    maximum = re.search(r"maximum size: (\d+) by (\d+)", hints)
    low = tuple(map(int, minimum.groups())) if minimum else None
    high = tuple(map(int, maximum.groups())) if maximum else None
    c.check(low == CLIENT and high == CLIENT, f"size hints: minimum {low}, maximum {high} (fixed {CLIENT})")


def check_motif(c, window):
    hints = x.motif_hints(window)
    if not c.check(hints is not None, f"_MOTIF_WM_HINTS present: {hints}"):
        return
    flags, functions, decorations = hints
    # Without the flag bit a field means "all"; with MWM_FUNC_ALL set the listed bits are the ones taken away.
    def offers(field_set, value, all_bit, bit):
        if not field_set:
            return True
        return bool(value & bit) != bool(value & all_bit)

    functions_set, decorations_set = bool(flags & MWM_HINTS_FUNCTIONS), bool(flags & MWM_HINTS_DECORATIONS)
    minimize = offers(functions_set, functions, MWM_FUNC_ALL, MWM_FUNC_MINIMIZE)
    maximize = offers(functions_set, functions, MWM_FUNC_ALL, MWM_FUNC_MAXIMIZE)
    decor_min = offers(decorations_set, decorations, MWM_DECOR_ALL, MWM_DECOR_MINIMIZE)
    decor_max = offers(decorations_set, decorations, MWM_DECOR_ALL, MWM_DECOR_MAXIMIZE)
    c.check(not (minimize or maximize or decor_min or decor_max),
            f"motif hints flags 0x{flags:x} functions 0x{functions:x} decorations 0x{decorations:x}: "
            f"minimize {minimize}/{decor_min}, maximize {maximize}/{decor_max} (function/button)")


def check_pixels(c, window):
    image = x.screenshot(window)
    c.check((image.width, image.height) == CLIENT, f"screenshot {image.width}x{image.height}")

    def expect(points, colour, what):
        seen = {p: image.at(*p) for p in points}
        wrong = {p: x.hex_colour(v) for p, v in seen.items() if v != colour}
        c.check(not wrong, f"{what} {x.hex_colour(colour)} at {len(points)} points"
                + (f"; differs at {wrong}" if wrong else ""))

    # Corners and gaps of the sheet that nothing is drawn over.
    expect([(3, 3), (612, 3), (5, 240), (612, 240), (300, 283), (150, 30), (10, 100)], WINDOW_COLOUR,
           "window colour")
    # Inside the slogan's frame (196,5 201x33), left and right of the slogan and above and below it.
    expect([(205, 21), (225, 15), (370, 21), (390, 21), (296, 9), (296, 34)], SHAPE_FILL, "Shape1 fill")
    expect([(296, 5), (296, 6), (296, 36), (296, 37), (196, 21), (197, 21), (395, 21), (396, 21)], SHAPE_OUTLINE,
           "Shape1 outline")
    # The separator, 5 px round y 248, from the left edge to the right edge.
    xs = list(range(0, CLIENT[0], 40)) + [CLIENT[0] - 1]
    expect([(px, 248) for px in xs], SEPARATOR, f"separator at y 248 for x {xs[0]}..{xs[-1]}")
    expect([(300, y) for y in range(246, 251)], SEPARATOR, "separator 5 px thick (y 246..250 at x 300)")
    expect([(300, 245), (300, 251)], WINDOW_COLOUR, "window colour just above and below the separator")
    # The score, drawn in pure red; its anti-aliased rim is only reddish.
    area = [(px, py) for px in range(64, 111) for py in range(258, 275)]
    pure = sum(1 for p in area if image.at(*p) == SCORE_RED)
    reddish = sum(1 for p in area if (lambda r, g, b: r >= 0xE0 and g <= 0x60 and b <= 0x60)(*image.at(*p)))
    c.check(pure >= 5 and reddish >= 12,
            f"score text in x 64..110, y 258..274: {pure} pure red, {reddish} reddish pixels")


def key(combo):
    x.run("xdotool", "key", "--clearmodifiers", combo)


def activate(c, window, accessible_window):
    atspi = x.pyatspi()
    # Keys go to the program's focus window once the program knows it is active, not just the window manager.
    active = x.activate(window) and x.wait_until(lambda: accessible_window.getState().contains(atspi.STATE_ACTIVE), 5)
    c.check(active, f"practice window {window} active")


def questions(window):
    return [row["question"].name for row in x.sheet_rows(window)]


def score_label(window):
    return x.label_after(window, "得分：")


def clock_label(window):
    return x.label_after(window, "倒计时:")


def check_keys(c, program, window, app_window):
    atspi = x.pyatspi()
    first = questions(app_window)
    score, clock = score_label(app_window), clock_label(app_window)
    c.check(len(first) == 20, f"{len(first)} questions showing, first {first[:4]}")
    c.check(score.name == "00", f"score before hand-in: {score.name!r}")
    start = clock.name
    c.check(x.clock_since(start, program.started), f"clock at start: {start!r}")
    # Let the clock tick once, so that a restart can be told from a clock that stood still.
    ticked = x.wait_until(lambda: clock.name != start, 3)
    c.check(ticked, f"clock ticks: {clock.name!r}")

    activate(c, window, app_window)
    key("alt+t")
    graded = x.wait_until(lambda: score.name == "0.00", 3)
    c.check(graded, f"Alt+T hands in the empty sheet: score {score.name!r}")
    boxes = [row["box"] for row in x.sheet_rows(app_window)]
    locked = sum(1 for b in boxes if b.getState().contains(atspi.STATE_READ_ONLY))
    c.check(locked == 20, f"after hand-in {locked} of 20 answer boxes read-only")
    stopped_at = clock.name

    renewing = time.monotonic()
    key("alt+d")
    after = x.wait_until(lambda: (lambda q: q if len(q) == 20 and q != first else None)(questions(app_window)), 3)
    renewed = after is not None
    after = after or []
    clock_now = clock_label(app_window).name
    c.check(renewed and len(after) == 20, f"Alt+D builds a new sheet: first questions {after[:4]}")
    # The hand-in stopped the clock: one that moves again and reads 01:05 less the seconds since Alt+D has restarted,
    # however slowly this machine answers.
    runs = x.wait_until(lambda: clock_label(app_window).name != clock_now, 3)
    c.check(x.clock_since(clock_now, renewing) and runs and x.seconds_left(stopped_at) < 65,
            f"clock restarts: {stopped_at!r} before, {clock_now!r} after, then {clock_label(app_window).name!r}")
    c.check(score_label(app_window).name == "00", f"score after Alt+D: {score_label(app_window).name!r}")
    boxes = [row["box"] for row in x.sheet_rows(app_window)]
    editable = sum(1 for b in boxes if not b.getState().contains(atspi.STATE_READ_ONLY))
    c.check(editable == 20, f"after Alt+D {editable} of 20 answer boxes editable")


def check_dialog(c, program, window, screen):
    """Shown again after either way of closing it, the dialog is the same as at its first opening."""
    for opening, closing in enumerate(("确定", "_NET_CLOSE_WINDOW", "确定"), 1):
        check_dialog_opening(c, program, window, screen, opening, closing)


def check_dialog_opening(c, program, window, screen, opening, closing):
    left = dict(BUTTONS)["设置"]
    cx, cy = left + BUTTON_SIZE[0] // 2, BUTTON_TOP + BUTTON_SIZE[1] // 2
    x.run("xdotool", "mousemove", "--window", str(window), str(cx), str(cy), "click", "1")
    dialog = program.wait_window(10, "^设置选项$")
    info = x.run("xwininfo", "-id", str(dialog))
    c.check("IsViewable" in info, f"opening {opening}: click on 设置 at {cx},{cy} maps the dialog {dialog}")
    geometry = x.window_geometry(dialog)
    dx, dy = centred(geometry, screen)
    c.check(geometry[2:] == DIALOG, f"dialog client {describe(geometry)}")
    c.check(dx <= 1 and dy <= 1, f"dialog centre off the screen centre by {dx:g},{dy:g}")

    hints = x.motif_hints(dialog)
    c.check(hints is not None and hints[0] & MWM_HINTS_DECORATIONS and hints[2] == 0,
            f"dialog motif hints {hints}: no decorations")
    extents = x.property_text(dialog, "_NET_FRAME_EXTENTS")
    if x.window_manager_name() in ("Metacity", "Mutter") and extents.endswith("not found."):
        # Metacity and Mutter set no _NET_FRAME_EXTENTS on a window they do not decorate: missing means no frame. The
        # outer geometry below still shows any frame it might draw.
        c.check(True, f"dialog {extents} ({x.window_manager_name()}: no frame)")
    else:
        c.check(extents.endswith("= 0, 0, 0, 0"), f"dialog {extents}")
    # The manager's frame around the dialog, if any, is no bigger than the dialog itself.
    parent = int(re.search(r"Parent window id: (0x[0-9a-f]+)", x.run("xwininfo", "-tree", "-id", str(dialog)))
                 .group(1), 16)
    root = int(re.search(r"Root window id: (0x[0-9a-f]+)", x.run("xwininfo", "-tree", "-id", str(dialog)))
               .group(1), 16)
    outer = geometry if parent == root else x.window_geometry(parent)
    c.check(outer == geometry, f"dialog outer {describe(outer)} equals its client {describe(geometry)}")

    state = x.net_wm_state(dialog)
    c.check({"_NET_WM_STATE_ABOVE", "_NET_WM_STATE_SKIP_TASKBAR"} <= state,
            f"opening {opening}: dialog state {sorted(state)}")
    stacking = [int(v, 16) for v in re.findall(r"0x[0-9a-f]+", x.run("xprop", "-root", "_NET_CLIENT_LIST_STACKING"))]
    c.check(window in stacking and dialog in stacking and stacking.index(dialog) > stacking.index(window),
            f"dialog stacked over the practice window ({stacking})")

    if closing == "确定":
        x.run("xdotool", "mousemove", "--window", str(dialog), *map(str, DIALOG_OK_CENTRE), "click", "1")
    else:
        x.close_window(dialog)
    hidden = x.wait_until(lambda: "IsViewable" not in x.run("xwininfo", "-id", str(dialog), check=False), 3)
    c.check(hidden, f"{closing} hides the dialog")


def check_exit(c, program, window, app_window):
    activate(c, window, app_window)
    watch = x.EventWatch(window)
    key("alt+x")
    pressed = time.monotonic()
    status = program.wait_exit(3)
    took = time.monotonic() - pressed
    x.wait_until(lambda: any(e[0] == "destroyed" for e in watch.events), 1)
    watch.stop()
    c.check(status == 0 and took <= 1.0, f"Alt+X: exit status {status} after {took:.2f} s")
    c.note(f"window {window} from Alt+X on: {watch.describe()}")
    events = watch.events
    gone = next((i for i, e in enumerate(events) if e[0] == "destroyed"), len(events))
    before = events[:gone]
    above_first = events[0][0] == "state" and events[0][1] and "_NET_WM_STATE_ABOVE" in events[0][1]
    asked = any(e[0] == "request" and e[1] == 0 and "_NET_WM_STATE_ABOVE" in e[2] for e in before)
    c.check(above_first and asked, "Alt+X asks the window manager to remove _NET_WM_STATE_ABOVE "
            f"from window {window} before the window goes")
    # What counts is the state the window manager keeps for the window, and that it is changed before the window
    # goes. The window manager writes the whole property for each request; the server reports the write before the
    # destruction, though the value may be unreadable by then. So: a new value after the request and before the
    # destruction, and every value that could be read has lost ABOVE and kept SKIP_TASKBAR (a property that is
    # simply gone with the window does not count).
    after = before[next((i for i, e in enumerate(before) if e[0] == "request"), len(before)):]
    written = [e[1] for e in after if e[0] == "state"]
    readable = [s for s in written if s is not None]
    kept = all("_NET_WM_STATE_ABOVE" not in s and "_NET_WM_STATE_SKIP_TASKBAR" in s for s in readable)
    c.check(bool(written) and kept,
            f"the window manager changes the state of window {window} before it is destroyed: "
            f"{len(written)} new value(s), {len(readable)} readable" + ("" if written else
            " (the window was destroyed before the window manager handled the request)"))


def main():
    program_path = sys.argv[1]
    c = x.Checks("window system")
    x.require_window_manager(c)
    with x.accessible_program(c, program_path) as program:
        window = program.wait_window()
        screen = x.screen_size()
        geometry = x.window_geometry(window)
        dx, dy = centred(geometry, screen)
        c.check(geometry[2:] == CLIENT, f"client {describe(geometry)} on a {screen[0]}x{screen[1]} screen")
        c.check(dx <= 1 and dy <= 1, f"client centre off the screen centre by {dx:g},{dy:g}")
        title = x.property_text(window, "_NET_WM_NAME")
        c.check(title == f'_NET_WM_NAME(UTF8_STRING) = "{x.TITLE}"', f"title: {title}")
        state = x.net_wm_state(window)
        c.check({"_NET_WM_STATE_ABOVE", "_NET_WM_STATE_SKIP_TASKBAR"} <= state, f"state {sorted(state)}")
        check_size_hints(c, window)
        check_motif(c, window)
        check_pixels(c, window)

        app = x.find_application(program.pid)
        app_window = x.find_window(app, x.TITLE)
        check_keys(c, program, window, app_window)
        check_dialog(c, program, window, screen)
        check_exit(c, program, window, app_window)
    c.finish()


if __name__ == "__main__":
    main()
