# Orca, the screen reader, listening in this session: it speaks to a silent voice, and the test reads what it said.
import os
import pty
import re
import shutil
import subprocess
import tempfile
import threading

from xbase import skip, wait_until

SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)'(?:\s*\{.*)?$")
# speech-dispatcher's dummy voice needs no sound device; the null device swallows what it would play.
SPEECHD_CONF = """AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "dummy" "sd_dummy" "dummy.conf"
DefaultModule dummy
"""


class Orca:
    """Orca with a speech-dispatcher and a home of their own, both stopped by stop().

    Orca writes each line it would speak to its debug file as "SPEECH OUTPUT: '...'". A file is written out only
    when Orca ends; a terminal is written line by line, so the debug file is a pseudo-terminal read here as it goes.
    """

    def __init__(self):
        # Orca refuses to start beside another Orca of the same user, and --replace would kill the user's own.
        if subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"], capture_output=True).returncode == 0:
            skip("another Orca of this user is running")
        self.home = tempfile.mkdtemp(prefix="orca-")
        env = dict(os.environ, HOME=self.home, GSETTINGS_BACKEND="memory")
        for variable, folder in (("XDG_CONFIG_HOME", "config"), ("XDG_DATA_HOME", "data"),
                                 ("XDG_CACHE_HOME", "cache"), ("XDG_RUNTIME_DIR", "run")):
            env[variable] = os.path.join(self.home, folder)
            os.makedirs(env[variable], mode=0o700)
        os.makedirs(os.path.join(self.home, "config", "speech-dispatcher"))
        with open(os.path.join(self.home, "config", "speech-dispatcher", "speechd.conf"), "w") as conf:
            conf.write(SPEECHD_CONF)
        self.spoken = []
        self.speech = subprocess.Popen(["speech-dispatcher", "-s", "-t", "0"], env=env,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # The terminal stays open here until stop(): closed on both sides, it would be gone before Orca opens it.
        self.reader, self.terminal = pty.openpty()
        self.orca = subprocess.Popen(["orca", "--debug-file", os.ttyname(self.terminal), "-u",
                                      os.path.join(self.home, "prefs")], env=env,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        threading.Thread(target=self._read, daemon=True).start()
        if not wait_until(lambda: "Screen reader on." in self.spoken, 20, 0.1):
            self.stop()
            raise RuntimeError("Orca did not say that it is on within 20 s")

    def _read(self):
        with open(self.reader, "rb", closefd=True) as lines:
            try:
                for line in lines:
                    match = SPOKEN.search(line.decode("utf-8", "replace").rstrip("\r\n"))
                    if match:
                        self.spoken.append(match.group(1))
            except OSError:  # the terminal is closed by stop()
                pass

    def said_since(self, mark):
        """Everything spoken after the first `mark` lines, joined by new lines."""
        return "\n".join(self.spoken[mark:])

    def stop(self):
        for process in (self.orca, self.speech):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait(5)
        os.close(self.terminal)
        shutil.rmtree(self.home, ignore_errors=True)
