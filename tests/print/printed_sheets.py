#!/usr/bin/env python3
"""The printed sheets read back from the real file with poppler: page size and fonts, the generator's rules, answers
that match, a seed that makes the same set again; standard output, pipes, devices and links written as a shell's
redirection would; refusals that leave every file as it was and no temporary one.

printed_sheets.py PROGRAM"""
import os
import re
import stat
import subprocess
import sys
import tempfile
import threading

PROGRAM = sys.argv[1]
# No display of any kind, or one that is not there: printing needs none.
ENV = {k: v for k, v in os.environ.items()
       if k not in ("DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE")}
QUESTION = re.compile(r"(\d+)([＋－×÷])(\d+)＝")  # one word, × and ÷ too
ANSWER = re.compile(r"(\d+)([＋－×÷])(\d+)＝(\d+)")
MM = 25.4 / 72  # a PDF point
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


def run(*args, display=None, fonts=None, user=None, stdout=subprocess.PIPE, pass_fds=()):
    """The program's run; a PDF on its standard output is kept byte for byte in the text (surrogateescape)."""
    env = dict(ENV, DISPLAY=display) if display else dict(ENV)
    if fonts:
        env["FONTCONFIG_FILE"] = fonts
    return subprocess.run([PROGRAM, *args], env=env, stdout=stdout, stderr=subprocess.PIPE, text=True,
                          errors="surrogateescape", timeout=120, user=user, pass_fds=pass_fds)


def whole(data):
    """Whether data (text from run() or bytes) is a whole PDF."""
    data = data.encode(errors="surrogateescape") if isinstance(data, str) else data
    return data.startswith(b"%PDF-") and data.rstrip().endswith(b"%%EOF")


def contents(folder):
    """Each entry of folder with what it holds, where it points, or its kind."""
    def content(path):
        if os.path.islink(path):
            return os.readlink(path)
        return open(path, "rb").read() if os.path.isfile(path) else stat.S_IFMT(os.lstat(path).st_mode)
    return {name: content(os.path.join(folder, name)) for name in os.listdir(folder)}


def tool(*args):
    return subprocess.run(args, capture_output=True, text=True, check=True).stdout


def read(path):
    """The text in drawing order, each sheet's questions, and each answer block's questions with their answers."""
    text = tool("pdftotext", "-raw", path, "-")
    asked, _, answered = text.partition("答案")
    questions = [QUESTION.findall(part) for part in re.split(r"第\d+张", asked)[1:]]
    answers = [ANSWER.findall(part) for part in re.split(r"第\d+张", answered)[1:]]
    return text, questions, answers


def room(path):
    """The least room to write an answer in on the question pages, in mm: across, from a question's "＝" to the next
    word on its line or the right margin (200 mm); down, from one line of questions to the next."""
    across, down = [], []
    for page in tool("pdftotext", "-bbox", path, "-").split("<page ")[1:]:
        if "答案" in page:
            break
        words = [(float(x0) * MM, float(x1) * MM, float(y1) * MM, w) for x0, x1, y1, w in
                 re.findall(r'xMin="(\S+)" yMin="\S+" xMax="(\S+)" yMax="(\S+)">([^<]*)<', page)]
        ends = [w for w in words if w[3].endswith("＝")]
        across += [min([v[0] for v in words if abs(v[2] - w[2]) < 1 and v[0] > w[1]] + [200]) - w[1] for w in ends]
        lines = sorted({round(w[2], 1) for w in ends})
        down += [b - a for a, b in zip(lines, lines[1:])]
    return min(across), min(down)


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
    check(answers == [[(*x, str(expected(*x))) for x in q] for q in questions], f"answers as a＋b＝c: {answers}")
    heads = re.split(r"第\d+张", text.partition("答案")[0])[1:]
    check(len(heads) == 5 and all("班级" in h and "种子 7" in h for h in heads), "each sheet: 班级 and the seed")
    # Nine sheets' answers a page; the widest questions a unit has ("100－90＝") leave 20 mm by 8 mm to write in.
    for per_page, pages in (("1", 12), ("2", 7), ("4", 5)):
        laid = run("--pdf", pdf, "--sheets", "10", "--per-page", per_page, "--unit", "tens", "--seed", "7")
        across, down = room(pdf)
        check(laid.returncode == 0 and re.search(r"Pages: +(\d+)", tool("pdfinfo", pdf)).group(1) == str(pages)
              and across >= 20 and down >= 8 and len(re.findall(r"整十数加减法 第\d+张", read(pdf)[0])) == 10,
              f"--per-page {per_page}: {laid.stderr} {across} {down}")

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

    # Standard output and the process's own open files are written to as they are, whatever they are: a pipe, a
    # file the shell opened (not replaced), a process substitution. One sheet fits in a pipe's 64 KiB.
    one = ["--sheets", "1", "--seed", "7"]
    piped = run("--pdf", "-", *one)
    check(piped.returncode == 0 and whole(piped.stdout), f"--pdf - into a pipe: {piped.returncode} {piped.stderr}")
    with open(os.path.join(folder, "out.pdf"), "wb") as out:
        redirected = run("--pdf", "/dev/stdout", *one, stdout=out)
        check(redirected.returncode == 0 and os.stat(out.name).st_ino == os.fstat(out.fileno()).st_ino
              and whole(open(out.name, "rb").read()), f"/dev/stdout into a file: {redirected.stderr}")
    reader, writer = os.pipe()
    substituted = run("--pdf", f"/dev/fd/{writer}", *one, pass_fds=(writer,))
    os.close(writer)
    with os.fdopen(reader, "rb") as pipe:
        check(substituted.returncode == 0 and whole(pipe.read()), f"/dev/fd/N: {substituted.stderr}")
    # A named pipe (and as root a device) is written to and stays what it was.
    fifo = os.path.join(folder, "fifo")
    os.mkfifo(fifo)
    read = []
    threading.Thread(target=lambda: read.append(open(fifo, "rb").read()), daemon=True).start()
    check(run("--pdf", fifo, *one).returncode == 0 and read and whole(read[0]) and stat.S_ISFIFO(os.lstat(fifo).st_mode),
          "a named pipe is read whole and stays a pipe")
    if os.geteuid() == 0:
        os.mknod(os.path.join(folder, "null"), 0o666 | stat.S_IFCHR, os.makedev(1, 3))
        check(run("--pdf", os.path.join(folder, "null"), *one).returncode == 0
              and stat.S_ISCHR(os.lstat(os.path.join(folder, "null")).st_mode), "a device stays a device")
    # A link's file is replaced and the link kept; so are the owner, group and mode of a replaced file.
    os.symlink("sheets.pdf", os.path.join(folder, "link.pdf"))
    os.chmod(pdf, 0o640)
    if os.geteuid() == 0:
        os.chown(pdf, 1234, 5678)
    before = os.stat(pdf)
    linked = run("--pdf", os.path.join(folder, "link.pdf"), *one)
    after = os.stat(pdf)
    check(linked.returncode == 0 and os.readlink(os.path.join(folder, "link.pdf")) == "sheets.pdf" and whole(
        open(pdf, "rb").read()) and after.st_ino != before.st_ino and (after.st_uid, after.st_gid, after.st_mode)
          == (before.st_uid, before.st_gid, before.st_mode), f"link, owner and mode kept: {linked.stderr}")

    # A refused run leaves every file as it was and nothing beside them.
    with open(pdf, "wb") as f:
        f.write(b"kept")
    for name, mode in (("readonly.pdf", 0o444), ("shared.pdf", 0o666)):
        with open(os.path.join(folder, name), "wb") as f:
            f.write(b"kept")
        os.chmod(f.name, mode)
    os.symlink("loop2", os.path.join(folder, "loop1"))
    os.symlink("loop1", os.path.join(folder, "loop2"))
    without_uming = tempfile.TemporaryDirectory()
    fonts = os.path.join(without_uming.name, "fonts.conf")
    with open(fonts, "w") as f:
        f.write(f"<fontconfig><dir>/usr/share/fonts/truetype/dejavu</dir>"
                f"<cachedir>{without_uming.name}</cachedir></fontconfig>")
    before = contents(folder)
    refusals = [(2, "", "--pdf", pdf, "--sheets", "0"), (2, "", "--pdf", pdf, "--colour"),
                (2, "", "--pdf", pdf, "--digits", "abc,1"), (2, "", "--pdf", pdf, "--time", "40000"),
                (1, "missing”不存在", "--pdf", os.path.join(folder, "missing", "a.pdf")),
                (1, "是一个文件夹", "--pdf", folder),
                (1, "sheets.pdf”不是文件夹", "--pdf", os.path.join(pdf, "x.pdf")),
                (1, "missing/new\\nline.pdf”", "--pdf", os.path.join(folder, "missing", "new\nline.pdf")),
                (1, "圈", "--pdf", os.path.join(folder, "loop1")),
                (1, "只读", "--pdf", os.path.join(folder, "readonly.pdf")),
                (1, "“AR PL UMing CN”", {"fonts": fonts}, "--pdf", pdf),
                (2, "/\\xff.pdf”", "--pdf", os.path.join(folder, "\udcff.pdf"))]  # the bytes "\xff.pdf": not UTF-8
    if os.geteuid() == 0:  # root may write anywhere, but another user may not take root's file
        os.chmod(folder, 0o777)
        refusals.append((1, "另一个用户", {"user": 65534}, "--pdf", os.path.join(folder, "shared.pdf")))
    else:
        os.chmod(folder, 0o555)
        refusals.append((1, "没有权限", "--pdf", pdf))
    for status, says, *arguments in refusals:
        options = arguments.pop(0) if isinstance(arguments[0], dict) else {}
        refused = run(*arguments, **options)
        check(refused.returncode == status and refused.stderr.startswith("sumora: ") and says in refused.stderr
              and refused.stderr.count("\n") == 1, f"{arguments}: {refused.returncode} {refused.stderr!r}")
        check(contents(folder) == before, f"{arguments} kept all")
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
