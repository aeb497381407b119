#!/usr/bin/env python3
"""The printed sheets read back from the real file with poppler: page size and fonts, the generator's rules, answers
that match, a seed that makes the same set again, and refusals that leave an existing file and no temporary one.

printed_sheets.py PROGRAM"""
import os
import re
import subprocess
import sys
import tempfile

PROGRAM = sys.argv[1]
# No display of any kind, or one that is not there: printing needs none.
ENV = {k: v for k, v in os.environ.items()
       if k not in ("DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE")}
QUESTION = re.compile(r"(\d+)([＋－×÷])(\d+)＝")
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


def run(*args, display=None):
    env = dict(ENV, DISPLAY=display) if display else ENV
    return subprocess.run([PROGRAM, *args], env=env, capture_output=True, text=True, timeout=120)


def tool(*args):
    return subprocess.run(args, capture_output=True, text=True, check=True).stdout


def read(path):
    """The text in drawing order, each sheet's questions, and the answers given under each sheet's label."""
    text = tool("pdftotext", "-raw", path, "-")
    asked, _, answered = text.partition("答案")
    questions = [QUESTION.findall(part) for part in re.split(r"第\d+张", asked)[1:]]
    answers = [re.findall(r"\d+", part)[:20] for part in re.split(r"第\d+张", answered)[1:]]
    return text, questions, answers


def expected(a, op, b):
    a, b = int(a), int(b)
    return {"＋": a + b, "－": a - b, "×": a * b, "÷": a // b}[op]


with tempfile.TemporaryDirectory() as folder:
    pdf = os.path.join(folder, "sheets.pdf")
    args = ["--pdf", pdf, "--sheets", "5", "--operators", "+-x÷", "--digits", "2,1", "--seed", "7"]
    done = run(*args, display=":4077")
    check(done.returncode == 0 and done.stderr == "", f"print with a dead display: {done.returncode} {done.stderr}")
    info = tool("pdfinfo", pdf)
    check("Pages:           4\n" in info and "(A4)" in info, f"5 sheets: 3 pages and 1 answer page, A4:\n{info}")
    fonts = tool("pdffonts", pdf).splitlines()[2:]
    check(len(fonts) == 1 and fonts[0].split()[0] == "UMingCN" and fonts[0].split()[4] == "yes"
          and fonts[0].split()[6] == "yes", f"one face, UMing, embedded with a Unicode map: {fonts}")

    text, questions, answers = read(pdf)
    check([len(q) for q in questions] == [20] * 5, f"20 questions a sheet: {questions}")
    check({op for q in questions for _, op, _ in q} == set("＋－×÷"), "all four operators")
    for a, op, b in (x for q in questions for x in q):
        check(not a.startswith("0") and not b.startswith("0") and int(a) < 100 and 1 <= int(b) < 10,
              f"two digits against one, no leading zero: {a}{op}{b}")
        check(op != "÷" or int(a) % int(b) == 0, f"a quotient is whole: {a}{op}{b}")
        check(expected(a, op, b) >= 1, f"an answer is at least 1: {a}{op}{b}")
    check(answers == [[str(expected(*x)) for x in q] for q in questions], f"answers match: {answers}")

    check(run(*args).returncode == 0 and read(pdf)[0] == text, "the same seed, the same set")
    run(*args[:-1], "8")
    check(read(pdf)[1] != questions, "another seed, another set")
    fresh = run(*args[:-2])
    first = read(pdf)
    seed = re.search(r"种子 (\d+)", first[0]).group(1)
    run(*args[:-2], "--seed", seed)
    check(fresh.returncode == 0 and read(pdf) == first, "the seed printed on the pages makes the same set again")
    run(*args, "--no-answers")
    check("答案" not in read(pdf)[0] and "Pages:           3\n" in tool("pdfinfo", pdf), "--no-answers")

    # A refused run leaves the file as it was and nothing beside it.
    with open(pdf, "wb") as f:
        f.write(b"kept")
    before = sorted(os.listdir(folder))
    refusals = [(2, "--pdf", pdf, "--sheets", "0"), (2, "--pdf", pdf, "--colour"), (2, "--pdf", pdf, "--digits", "abc,1"),
                (2, "--pdf", pdf, "--time", "40000"), (1, "--pdf", os.path.join(folder, "missing", "a.pdf")),
                (1, "--pdf", folder)]
    refusals.append((2, "--pdf", os.path.join(folder, "\udcff.pdf")))  # the bytes "\xff.pdf": not UTF-8
    if os.geteuid() != 0:  # root may write anywhere
        os.chmod(folder, 0o555)
        refusals.append((1, "--pdf", pdf))
    for status, *arguments in refusals:
        refused = run(*arguments)
        check(refused.returncode == status and refused.stderr.startswith("sumora: ")
              and refused.stderr.count("\n") == 1, f"{arguments}: {refused.returncode} {refused.stderr!r}")
        check(open(pdf, "rb").read() == b"kept" and sorted(os.listdir(folder)) == before, f"{arguments} kept all")
    os.chmod(folder, 0o755)

for option, says in (("--help", "--pdf"), ("--version", "sumora ")):
    shown = run(option)
    check(shown.returncode == 0 and says in shown.stdout, f"{option} without a display: {shown}")
check(run("-h").stdout == run("--help").stdout, "-h is --help")
with open("/dev/full", "w") as full:
    check(subprocess.run([PROGRAM, "--help"], env=ENV, stdout=full).returncode == 1, "--help to a full disk: exit 1")
window = run(display=":4077")
check(window.returncode == 1 and window.stderr.count("\n") == 1, f"window without a display: {window}")

print("\n".join(failures) if failures else "printed sheets: all checks hold")
sys.exit(1 if failures else 0)
