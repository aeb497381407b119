# Closing the practice window through its frame (the window manager's close, WM_DELETE_WINDOW) ends Sumora.
import sys
import time

import xharness as x


def main():
    c = x.Checks("close box")
    x.require_window_manager(c)
    program = x.Program(sys.argv[1])
    try:
        window = program.wait_window()
        protocols = x.property_text(window, "WM_PROTOCOLS")
        c.check("WM_DELETE_WINDOW" in protocols, f"window {window}: {protocols}")
        c.check(x.activate(window), f"window {window} active")
        # Alt+F4 is the window manager's own binding for Close: it sends WM_DELETE_WINDOW to the window.
        x.run("xdotool", "key", "--clearmodifiers", "alt+F4")
        pressed = time.monotonic()
        status = program.wait_exit(3)
        took = time.monotonic() - pressed
        c.check(status == 0 and took <= 1.0,
                f"close through the frame: exit status {status} after {took:.2f} s" if status is not None
                else "close through the frame: the program still runs after 3 s")
    finally:
        program.stop()
    c.finish()


if __name__ == "__main__":
    main()
