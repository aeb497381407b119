# Shared pieces of the X11 tests, in one name: the tests `import xharness as x` and find everything here.
from xaccess import *  # noqa: F401,F403 -- the screen-reader side
from xbase import *  # noqa: F401,F403 -- checks, tools, waiting
from xpixels import *  # noqa: F401,F403 -- screenshots, Qt's translations, OCR
from xorca import Orca  # noqa: F401 -- the screen reader itself, heard
from xwatch import EventWatch  # noqa: F401
from xwindows import *  # noqa: F401,F403 -- the program and its X windows
