# The practice window's first frame at 96 dpi is the same, pixel for pixel, as the reference picture next to this file.
#
# The program is started, and once the window manager has made its window the active one (the first answer box
# then has the focus and shows its caret) the program is stopped with SIGSTOP, so the caret cannot blink and the
# clock cannot tick while the screenshot is taken. A start where the stop came too late to be sure of both (the
# clock's first tick is 1 s after the sheet is built, the caret's first blink 0.5 s after the focus arrives) is
# thrown away and the program started again.
#
#   first_frame_pixels.py PROGRAM             compare with first_frame_pixels.png
#   first_frame_pixels.py PROGRAM --capture   write first_frame_pixels.png from this program (a new reference)
#
# On a difference the screenshot and a picture of the differing pixels (red on a faded copy) are saved in the
# current folder, and the count and places of the differing pixels are printed.
import os
import re
import signal
import subprocess
import sys
import time

import xharness as x

HERE = os.path.dirname(os.path.abspath(__file__))
REFERENCE = os.path.join(HERE, "first_frame_pixels.png")
ATTEMPTS = 6
CLOCK_TICK_S = 0.9      # a stop this long after the start may come after the clock's first tick (1 s)
CARET_BLINK_S = 0.4     # a stop this long after the activation may come after the caret's first blink (0.5 s)
FOCUS_PAINT_S = 0.15    # the program's time to handle the focus and paint the caret, after the activation


def active_window():
    match = re.search(r"window id # (0x[0-9a-f]+)", x.run("xprop", "-root", "_NET_ACTIVE_WINDOW", check=False))
    return int(match.group(1), 16) if match else 0


def window_pid(window):
    match = re.search(r"= (\d+)", x.run("xprop", "-id", str(window), "_NET_WM_PID", check=False))
    return int(match.group(1)) if match else None


def stopped_first_frame(path):
    """Starts the program and stops it once its window is active; returns (program, window, clean, timing text)."""
    started = time.monotonic()
    program = x.Program(path)
    window = 0
    while time.monotonic() - started < 15:
        candidate = active_window()
        if candidate and window_pid(candidate) == program.pid:
            window = candidate
            break
        time.sleep(0.01)
    if not window:
        program.stop()
        raise RuntimeError("the practice window never became the active window")
    activated = time.monotonic()
    time.sleep(FOCUS_PAINT_S)
    os.kill(program.pid, signal.SIGSTOP)
    stopped = time.monotonic()
    clean = stopped - started < CLOCK_TICK_S and stopped - activated < CARET_BLINK_S
    timing = (f"active {1000 * (activated - started):.0f} ms after the start, stopped "
              f"{1000 * (stopped - started):.0f} ms after it")
    return program, window, clean, timing


def read_png(path):
    data = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], capture_output=True, check=True,
                          timeout=20).stdout
    return x.Image(data)


def write_png(image_width, image_height, pixels, path):
    header = f"P6\n{image_width} {image_height}\n255\n".encode()
    subprocess.run(["convert", "ppm:-", path], input=header + bytes(pixels), check=True, timeout=20)


def differences(actual, reference):
    """The (x, y) of every pixel that differs; both pictures have the same size."""
    a, r = actual.pixels, reference.pixels
    found = []
    for i in range(0, len(a), 3):
        if a[i:i + 3] != r[i:i + 3]:
            found.append(((i // 3) % actual.width, (i // 3) // actual.width))
    return found


def regions(points, gap=4):
    """Groups differing pixels into boxes (pixels closer than gap join a box), largest first."""
    boxes = []
    for px, py in points:
        for box in boxes:
            if box[0] - gap <= px <= box[2] + gap and box[1] - gap <= py <= box[3] + gap:
                box[0], box[1] = min(box[0], px), min(box[1], py)
                box[2], box[3] = max(box[2], px), max(box[3], py)
                box[4] += 1
                break
        else:
            boxes.append([px, py, px, py, 1])
    return sorted(boxes, key=lambda b: -b[4])


def save_difference(actual, reference, points):
    shot = os.path.abspath("first_frame_pixels-actual.png")
    diff = os.path.abspath("first_frame_pixels-diff.png")
    write_png(actual.width, actual.height, actual.pixels, shot)
    faded = bytearray(255 - (255 - v) // 4 for v in reference.pixels)
    for px, py in points:
        i = 3 * (py * actual.width + px)
        faded[i:i + 3] = b"\xff\x00\x00"
    write_png(actual.width, actual.height, faded, diff)
    return shot, diff


def main():
    path = sys.argv[1]
    capture = "--capture" in sys.argv[2:]
    c = x.Checks("first frame pixels")
    x.require_window_manager(c)
    c.check(x.xft_dpi() == "96", f"the screen is at 96 dpi (Xft.dpi {x.xft_dpi()})")
    # The pointer starts in the middle of the screen, over the centred window: out of the way, nothing is hovered.
    x.run("xdotool", "mousemove", "0", "0")

    shot = None
    for attempt in range(1, ATTEMPTS + 1):
        program, window, clean, timing = stopped_first_frame(path)
        try:
            c.note(f"start {attempt}: {timing}" + ("" if clean else "; too late to be sure, started again"))
            if clean:
                x.wait_managed(window)
                shot = x.screenshot(window)
                break
        finally:
            program.stop()  # SIGKILL ends a stopped process too
    if not c.check(shot is not None, f"a start stopped in time, within {ATTEMPTS} starts"):
        c.finish()

    if capture:
        write_png(shot.width, shot.height, shot.pixels, REFERENCE)
        c.note(f"reference written: {REFERENCE} ({shot.width}x{shot.height})")
        c.finish()

    reference = read_png(REFERENCE)
    if not c.check((shot.width, shot.height) == (reference.width, reference.height),
                   f"client area {shot.width}x{shot.height}, reference {reference.width}x{reference.height}"):
        c.finish()
    points = differences(shot, reference)
    if points:
        saved, diff = save_difference(shot, reference, points)
        boxes = regions(points)
        c.note(f"{len(points)} pixels differ in {len(boxes)} region(s); screenshot {saved}, differences {diff}")
        for left, top, right, bottom, count in boxes[:12]:
            px, py = next((p for p in points if left <= p[0] <= right and top <= p[1] <= bottom))
            c.note(f"  {count} px in x {left}..{right}, y {top}..{bottom}; e.g. ({px}, {py}) is "
                   f"{x.hex_colour(shot.at(px, py))}, reference {x.hex_colour(reference.at(px, py))}")
    c.check(not points, f"the first frame matches {os.path.basename(REFERENCE)} pixel for pixel "
                        f"({shot.width * shot.height} pixels)")
    c.finish()


if __name__ == "__main__":
    main()
