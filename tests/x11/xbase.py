# Ground of the X tests: the program's title and question form, checks that print what they saw, running tools, waiting.
import re
import subprocess
import sys
import time
import shutil


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



SKIP = 77  # the exit status ctest counts as skipped (SKIP_RETURN_CODE)



def skip(reason):
    print(f"SKIP {reason}", flush=True)
    sys.exit(SKIP)



def require_tools(*tools):
    """Skips the test, naming the tool, when one of them is not installed."""
    for tool in tools:
        if shutil.which(tool) is None:
            skip(f"{tool} is not installed (scripts/packages.txt lists its package)")
