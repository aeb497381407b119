# Qt's own texts read Chinese whatever the locale: an answer box's context menu and a settings message's button.
#
# The menu is read off the screen with Tesseract, the message box on the screen-reader bus.
#
# The expected texts come from Qt's Chinese translation file itself (qtbase_zh_CN.qm), looked up by the context and
# source text Qt uses for them, so the test follows whatever wording that file has. The program runs under a German
# locale, for which Qt has a translation of its own too: Chinese must win all the same.
import os
import re
import subprocess
import sys

import xharness as x

# Qt draws everything twice as large here: Tesseract misreads CJK glyphs 12 px high, not 24 px high ones.
SCALE = 2
# QLineEdit's context menu of an editable box, top to bottom (its source texts, context "QLineEdit").
MENU = ["&Undo", "&Redo", "Cu&t", "&Copy", "&Paste", "Delete", "Select All"]


def locale_for_run():
    # setup.sh generates de_DE.UTF-8; a machine without it still tests a non-Chinese locale.
    available = x.run("locale", "-a", check=False).lower().split()
    return "de_DE.UTF-8" if "de_de.utf8" in available else "C.UTF-8"


def menu_word(shown):
    """The part of an entry Tesseract reads reliably: "撤消(U)" without its mnemonic "(U)", which it reads as
    "(工)" or "(TI)" now and then. English entries carry no such suffix."""
    return re.sub(r"\([A-Za-z]\)$", "", shown)


def open_context_menu(c, program, window, app_window):
    """Right-clicks the first answer box and returns the popup menu's X window, or None."""
    box = x.answer_boxes(app_window)[0]
    bx, by, bw, bh = x.extents(box)
    wx, wy, _, _ = x.extents(app_window)
    # The bridge reports device-independent pixels; xdotool works in the window's device pixels.
    cx, cy = (bx - wx + bw // 2) * SCALE, (by - wy + bh // 2) * SCALE
    x.run("xdotool", "mousemove", "--window", str(window), str(cx), str(cy), "click", "1")
    # A plain `xdotool click 3` does not open Qt's menu; press and release a moment apart do.
    x.run("xdotool", "mousedown", "3")
    x.run("sleep", "0.15")
    x.run("xdotool", "mouseup", "3")

    def popup():
        return next((w for w in x.x_windows(program.pid) if w != window and x.override_redirect(w)), None)

    menu = x.wait_until(popup, 5)
    c.check(menu is not None, f"right click at {cx},{cy} in the first answer box opens a popup menu"
            + (f": window {menu}" if menu else ": none appeared within 5 s"))
    return menu


def check_menu(c, menu):
    expected = []
    for source in MENU:
        text = x.qt_translation("QLineEdit", source) or x.qt_translation("QWidgetTextControl", source)
        expected.append((source, text))
    missing = [source for source, text in expected if not text]
    if not c.check(not missing, "qtbase_zh_CN.qm translates the menu: "
                   + ", ".join(f"{s!r} -> {t!r}" for s, t in expected)):
        return

    image = x.screenshot(menu)
    entries = x.menu_entries(image, SCALE)
    c.note(f"menu {image.width}x{image.height} px, {len(entries)} entries found")
    readings = []
    for box in entries:
        reading = x.ocr_line(image, box)
        readings.append(reading)
    c.note("read off the screen: " + " | ".join(readings))
    c.check(len(entries) == len(MENU), f"{len(entries)} menu entries, expected {len(MENU)} for an editable box")

    for i, (source, text) in enumerate(expected):
        shown = x.without_mnemonic(text)
        word = menu_word(shown)
        if i >= len(entries):
            c.check(False, f"entry {i + 1}: expected {shown!r} (Qt's {text!r} for {source!r}), no such entry")
            continue
        reading = readings[i]
        # An unlucky glyph at one size often reads right at another.
        second = None if reading.startswith(word) else x.ocr_line(image, entries[i], enlarge="200%")
        right = reading.startswith(word) or (second or "").startswith(word)
        c.check(right, f"entry {i + 1}: expected {shown!r} (Qt's {text!r} for {source!r}), read {reading!r}"
                + (f", enlarged {second!r}" if second is not None else ""))


def check_message(c, app, main_window):
    atspi = x.pyatspi()
    settings = x.push_button(main_window, "设置")
    c.check(settings is not None, "设置 button on the bus")
    x.press(settings)
    dialog = x.find_window(app, "设置选项")
    nodes = x.children(dialog)
    timed = next((n for n in nodes if n.getRoleName() == "check box" and n.name == "做题用时："), None)
    seconds = next((n for n in nodes if n.getRoleName() == "text" and x.text_of(n) == "70"), None)
    confirm = x.push_button(dialog, "确定")
    if not c.check(timed is not None and seconds is not None and confirm is not None,
                   "options dialog: check box 做题用时：, time box holding 70 and button 确定 on the bus"):
        return
    if not timed.getState().contains(atspi.STATE_CHECKED):
        x.press(timed)
    ticked = x.wait_until(lambda: timed.getState().contains(atspi.STATE_CHECKED), 3)
    seconds.queryEditableText().setTextContents("40000")
    c.check(ticked and x.text_of(seconds) == "40000",
            f"做题用时： ticked {bool(ticked)}, time box {x.text_of(seconds)!r}")
    x.press(confirm)

    message = x.find_window(app, "设置有误")
    parts = x.descendants(message)
    texts = [n.name for n in parts if n.getRoleName() == "label" and n.name]
    buttons = [n.name for n in parts if n.getRoleName() == "push button"]
    c.note(f"message {message.getRoleName()} 设置有误: {texts}")
    c.check(any("40000" in t for t in texts), "the message quotes the refused 40000")
    ok = x.qt_translation("QPlatformTheme", "OK")
    c.check(ok is not None, f"qtbase_zh_CN.qm translates QPlatformTheme's 'OK' as {ok!r}")
    wanted = x.without_mnemonic(ok or "确定")
    c.check(buttons == [wanted], f"message buttons: expected [{wanted!r}] (Qt's translation of 'OK'), seen {buttons}")


def main():
    c = x.Checks("Qt texts")
    x.require_tools("tesseract")
    if "chi_sim" not in x.run("tesseract", "--list-langs", check=False).split():
        x.skip("Tesseract has no Chinese model (package tesseract-ocr-chi-sim)")
    if not os.path.exists(os.path.join(x.QT_TRANSLATIONS, "qtbase_zh_CN.qm")):
        x.skip("qtbase_zh_CN.qm is not installed (package qt6-translations-l10n)")
    x.require_window_manager(c)
    bus = x.start_accessibility_bus()
    language = locale_for_run()
    program = x.Program(sys.argv[1], accessible=True,
                        extra_env={"QT_SCALE_FACTOR": str(SCALE), "LC_ALL": language, "LANG": language,
                                   "LANGUAGE": language.split(".")[0]})
    c.note(f"program runs with LC_ALL={language}, QT_SCALE_FACTOR={SCALE}")
    try:
        window = program.wait_window()
        app = x.find_application(program.pid)
        app_window = x.find_window(app, x.TITLE)
        menu = open_context_menu(c, program, window, app_window)
        if menu is not None:
            check_menu(c, menu)
            x.run("xdotool", "key", "Escape")
            x.wait_until(lambda: not x.viewable(menu), 3)
        check_message(c, app, app_window)
    except (RuntimeError, subprocess.TimeoutExpired) as error:
        c.check(False, f"stopped early: {error}")
    finally:
        program.stop()
        bus.terminate()
        bus.wait(5)
    c.finish()


if __name__ == "__main__":
    main()
