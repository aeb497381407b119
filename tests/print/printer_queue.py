#!/usr/bin/env python3
"""Sets sent by the real program to a real CUPS queue (sumora --printer QUEUE): what arrives has the pages of the
--pdf file of the same seed, and an unknown, a rejecting and a stopped queue give the exit status and line they should.
The same from the print window and the system print dialog, driven with the mouse by DIALOG (print_dialog.cpp),
whole and pages 2-3.
Runs inside scripts/cups-session.sh, which gives a private scheduler (CUPS_SERVER) and its cups-pdf queue.

printer_queue.py PROGRAM DIALOG"""
import os
import pwd
import random
import re
import subprocess
import sys
import tempfile
import time

PROGRAM, DIALOG = sys.argv[1:3]
QUEUE = os.environ["CUPS_SESSION_QUEUE"]
# cups-pdf writes each job into ~/PDF of the job's user, named after the job's title, which holds the seed.
ARRIVALS = os.path.join(pwd.getpwuid(os.getuid()).pw_dir, "PDF")
ENV = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
OPTIONS = ["--sheets", "3", "--operators", "+-x/", "--digits", "2,1"]
# Ghostscript re-distils each job, so pages are compared as pictures: the share of inked (not white) pixels that have
# no inked pixel within one pixel in the other picture. The same page differs by up to 0.7 %, another seed's by 5 % or
# more.
SAME_PAGE = 0.02
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


def run(*args, **env):
    return subprocess.run([PROGRAM, *args], env=dict(ENV, **env), capture_output=True, text=True, timeout=120)


def jobs():
    return subprocess.run(["lpstat", "-o", QUEUE], capture_output=True, text=True, check=True).stdout


def one_line(done, status, says):
    return (done.returncode == status and done.stderr.startswith("sumora: ") and done.stderr.count("\n") == 1
            and says in done.stderr)


def arrived(seed):
    """The file the queue wrote for the job of that seed, once the queue has finished its jobs; None after a minute."""
    seed_in_name = re.compile(rf"(?<!\d){seed}(?!\d)")
    for _ in range(300):
        if not jobs() and os.path.isdir(ARRIVALS):
            names = [name for name in os.listdir(ARRIVALS) if seed_in_name.search(name)]
            if names:
                return os.path.join(ARRIVALS, names[0])
        time.sleep(0.2)
    return None


def pictures(pdf):
    """Each page at 60 dpi in grey, as rows of bits (1: not white), the leftmost pixel in the lowest bit."""
    ink = b"1" * 255 + b"0"
    with tempfile.TemporaryDirectory() as folder:
        # Ghostscript's Type 3 fonts make poppler warn about every glyph.
        subprocess.run(["pdftoppm", "-r", "60", "-gray", pdf, os.path.join(folder, "page")], check=True,
                       capture_output=True)
        pages = []
        for name in sorted(os.listdir(folder)):
            data = open(os.path.join(folder, name), "rb").read()
            header = re.match(rb"P5\s+(\d+)\s+(\d+)\s+\d+\s", data)
            width, height = int(header[1]), int(header[2])
            pixels = data[header.end():]
            pages.append([int(pixels[y * width:(y + 1) * width].translate(ink)[::-1], 2) for y in range(height)])
        return pages


def unmatched(page, other):
    """Inked pixels of page with no inked pixel of other within one pixel, in all eight directions."""
    wide = [row | row << 1 | row >> 1 for row in other] + [0]
    near = [wide[y - 1] | wide[y] | wide[y + 1] for y in range(len(other))] + [0] * len(page)
    return sum((row & ~near[y]).bit_count() for y, row in enumerate(page))


def difference(page, other):
    inked = sum(row.bit_count() for row in page + other)
    return (unmatched(page, other) + unmatched(other, page)) / max(inked, 1)


seed = random.randrange(10**8, 2**32 - 10)  # a seed of many digits: its job's file is told apart by it
found = []
try:
    with tempfile.TemporaryDirectory() as folder:
        for each in (seed, seed + 1):
            run("--pdf", os.path.join(folder, f"{each}.pdf"), *OPTIONS, "--seed", str(each))
        sent = run("--printer", QUEUE, *OPTIONS, "--seed", str(seed))
        check(sent.returncode == 0 and sent.stderr == "", f"printed: {sent.returncode} {sent.stderr!r}")
        job = arrived(seed) if sent.returncode == 0 else None
        check(job is not None or sent.returncode != 0, f"a file for seed {seed} in {ARRIVALS}")
        if job:
            found.append(job)
            printed, same, other = (pictures(path) for path in (job, *(f"{folder}/{s}.pdf" for s in (seed, seed + 1))))
            check(len(printed) == len(same) == 3, f"3 sheets: 2 pages and an answer page, {len(printed)} arrived")
            near = [difference(a, b) for a, b in zip(printed, same)]
            far = [difference(a, b) for a, b in zip(printed, other)]
            check(max(near) < SAME_PAGE < min(far), f"the pages of the same seed, not another's: {near} {far}")

        # What a teacher prints from the window: 40 sheets of a unit, all 25 pages; then pages 2-3 of a set.
        for pages, each, drawn, options in (("all", seed + 4, slice(0, 25), ["--unit", "carry20", "--sheets", "40"]),
                                            ("2-3", seed + 5, slice(1, 3), OPTIONS)):
            run("--pdf", f"{folder}/{each}.pdf", *options, "--seed", str(each))
            chosen = subprocess.run([DIALOG, QUEUE, pages, *options, "--seed", str(each)], capture_output=True,
                                    text=True, timeout=120, env=dict(ENV, QT_QPA_PLATFORM="offscreen"))
            job = arrived(each) if chosen.returncode == 0 else None
            printed, same = (pictures(job), pictures(f"{folder}/{each}.pdf")[drawn]) if job else ([], [None])
            found += [job] if job else []
            near = [difference(a, b) for a, b in zip(printed, same)]
            check(len(printed) == len(same) and max(near) < SAME_PAGE,
                  f"pages {pages} through the dialog: {chosen.returncode} {chosen.stderr[-300:]!r} {near}")
    unknown = run("--printer", "sumora-no-such-queue", *OPTIONS)
    check(one_line(unknown, 1, "“sumora-no-such-queue”"), f"an unknown queue: {unknown}")
    gone = run("--printer", QUEUE, *OPTIONS, CUPS_SERVER="/nonexistent/cups.sock")
    check(one_line(gone, 1, "“/nonexistent/cups.sock”"), f"no scheduler is not an unknown queue: {gone}")

    subprocess.run(["cupsreject", "-r", "纸盒空了", QUEUE], check=True)
    rejected = run("--printer", QUEUE, *OPTIONS, "--seed", str(seed + 2))
    subprocess.run(["cupsaccept", QUEUE], check=True)
    check(one_line(rejected, 1, "“纸盒空了”") and QUEUE in rejected.stderr, f"a rejecting queue: {rejected}")

    subprocess.run(["cupsdisable", QUEUE], check=True)
    held = run("--printer", QUEUE, *OPTIONS, "--seed", str(seed + 3))
    waiting = jobs()
    subprocess.run(["cancel", "-a", QUEUE], check=True)
    subprocess.run(["cupsenable", QUEUE], check=True)
    check(one_line(held, 0, QUEUE), f"a stopped queue: a warning {held}")
    check(waiting.count("\n") == 1, f"a stopped queue holds the job: {waiting!r}")
finally:
    for path in found:
        os.remove(path)

print("\n".join(failures) if failures else "printer queue: all checks hold")
sys.exit(1 if failures else 0)
