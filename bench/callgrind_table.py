# Reads two callgrind profiles of the start-up (the one-label window and Sumora) and prints where the instructions go.
#
#   callgrind_table.py MINIMAL.out SUMORA.out
#
# Two views, in millions of instructions: the self cost of each shared library (these add up to the total), and the
# inclusive cost of named steps of the start-up (these overlap: a step includes the steps it calls).
import collections
import re
import subprocess
import sys

# Inclusive costs worth naming: the program's own steps, then the Qt and library work they lead to.
STEPS = [
    ("whole process (loader, main, exit at the first frame)", "PROGRAM TOTALS"),
    ("dynamic loader before main", "_dl_start "),
    ("dlopen (plugins loaded at run time)", "dlopen@@"),
    ("QApplication constructor", "QApplication::QApplication("),
    ("fontconfig read on another core (FcInit)", "FcInit ["),
    ("practice window constructor", "VoDoMain::VoDoMain("),
    ("  design: labels, buttons, lines, fonts", "VoDoMain::createDesign()"),
    ("  first sheet (OutCm)", "VoDoMain::OutCm()"),
    ("    options dialog, made hidden", "VoOp::VoOp("),
    ("  built-in design font registered", "QFontDatabase::addApplicationFont("),
    ("    80 row widgets", "VoDoMain::createRows("),
    ("  line edits made (24)", "QLineEdit::QLineEdit(QString const&, QWidget*)"),
    ("show() of the window", "QWidget::setVisible(bool) ["),
    ("event loop to the first frame", "QCoreApplication::exec()"),
    ("  taskbar state of the windows (X atoms)", "WindowManagerState::hideFromTaskbar("),
    ("font database set-up (fontconfig)", "QFontconfigDatabase::populateFontDatabase()"),
    ("font matching (findFont)", "QFontDatabasePrivate::findFont("),
    ("  fallback family lists (FcFontSort)", "QFontconfigDatabase::fallbacksForFamily("),
    ("  font engines made", "QFontDatabasePrivate::loadEngine("),
    ("text shaping", "QTextEngine::shape(int)"),
    ("glyph loading (FreeType)", "FT_Load_Glyph ["),
    ("picture decoding (QImageReader)", "QImageReader::read(QImage*)"),
    ("accessibility updates", "QAccessible::updateAccessibility("),
    ("X connection set-up", "QXcbConnection::QXcbConnection("),
]


def annotate(path, inclusive):
    args = ["callgrind_annotate", "--threshold=100"] + (["--inclusive=yes"] if inclusive else []) + [path]
    text = subprocess.run(args, capture_output=True, text=True, check=True).stdout
    costs = collections.Counter()
    for line in text.splitlines():
        match = re.match(r"\s*([\d,]+) \([\d. %]+\)\s+(.*)$", line)
        if match:
            costs[match.group(2)] += int(match.group(1).replace(",", ""))
    return costs


def library(function):
    match = re.search(r"\[([^\]]+)\]$", function)
    return match.group(1).rsplit("/", 1)[-1] if match else "(unknown)"


def inclusive_of(costs, key):
    # The first, largest entry that names the function: recursion shows up as extra entries with a '2 suffix.
    found = [cost for function, cost in costs.items() if key in function and "'" not in function.split("[")[0]]
    return max(found) if found else 0


def main():
    minimal, sumora = sys.argv[1], sys.argv[2]
    self_costs = []
    for path in (minimal, sumora):
        by_library = collections.Counter()
        for function, cost in annotate(path, inclusive=False).items():
            if function != "PROGRAM TOTALS":
                by_library[library(function)] += cost
        self_costs.append(by_library)
    total = [sum(c.values()) for c in self_costs]
    gap = total[1] - total[0]
    print(f"instructions to the first frame: one label {total[0] / 1e6:.1f} M, Sumora {total[1] / 1e6:.1f} M, "
          f"difference {gap / 1e6:.1f} M")
    print()
    print(f"{'self cost by library (M)':40} {'label':>8} {'Sumora':>8} {'more':>8} {'share':>6}")
    names = set(self_costs[0]) | set(self_costs[1])
    for name in sorted(names, key=lambda n: -(self_costs[1][n] - self_costs[0][n]))[:14]:
        a, b = self_costs[0][name], self_costs[1][name]
        print(f"{name[:40]:40} {a / 1e6:8.2f} {b / 1e6:8.2f} {(b - a) / 1e6:+8.2f} {100 * (b - a) / gap:5.0f}%")
    print()
    inclusive = [annotate(path, inclusive=True) for path in (minimal, sumora)]
    for costs, whole in zip(inclusive, total):
        costs["PROGRAM TOTALS"] = whole
    print(f"{'inclusive cost of a step (M)':58} {'label':>8} {'Sumora':>8} {'more':>8}")
    for label, key in STEPS:
        a, b = inclusive_of(inclusive[0], key), inclusive_of(inclusive[1], key)
        print(f"{label:58} {a / 1e6:8.2f} {b / 1e6:8.2f} {(b - a) / 1e6:+8.2f}")


if __name__ == "__main__":
    main()
