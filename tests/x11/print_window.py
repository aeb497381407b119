# The print window on a desktop: an ordinary document window, every control reached by Tab once and named.
#
# Started as from a menu with a bad value (--sheets 0) and Qt's own -platform option: the window opens anyway, the
# message beside 张数. With PRINT_WINDOW_ORCA=1, Orca listens and has to speak each control's name, and the message.
import os
import re
import sys
import time

import xharness as x

TITLE = "打印练习卷"
# The controls in Tab order, by accessible name less a mnemonic's "(X)"; the preview pane's own controls follow.
ORDER = ["按课本单元", "单元", "自己设定", "加", "减", "乘", "除", "第一个数的位数", "第二个数的位数", "进位退位",
         "最大数", "张数", "每页张数", "按题目定", "固定", "限时秒数", "印答案页", "种子", "换一组", "打印…",
         "存为 PDF…", "关闭"]
SHEETS_MESSAGE = "张数要 1 到 1000 之间的整数；“0”不是。"
ITEM_ROLES = {"list item", "table cell", "tree item", "menu item", "page tab"}


def plain(name):
    return re.sub(r"\(\w\)", "", name or "")


def has(node, state):
    return node.getState().contains(getattr(x.pyatspi(), state))


def controls_of(window):
    """The window's showing, enabled objects that take the focus; items inside lists and combo boxes left out."""
    return [n for n in x.descendants(window, 8) if n.getRoleName() not in ITEM_ROLES and has(n, "STATE_FOCUSABLE")
            and has(n, "STATE_SHOWING") and has(n, "STATE_SENSITIVE")]


def focused_index(controls):
    return next((i for i, n in enumerate(controls) if has(n, "STATE_FOCUSED")), None)


def describe(node):
    return f"{node.getRoleName()} {node.name!r}"


def check_window_manager(c, program, window):
    wm = x.window_manager_name()
    types = x.window_type(window)
    c.check(types == ["NORMAL"], f"{wm}: window type {types}")
    state = x.net_wm_state(window)
    c.check(not state & {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_ABOVE"},
            f"{wm}: state {sorted(state)}, neither skips the taskbar nor stays above")
    wm_class = x.property_text(window, "WM_CLASS")
    c.check('"sumora"' in wm_class, wm_class)
    hints = x.property_text(window, "WM_NORMAL_HINTS")
    low, high = (re.search(rf"{k} size: (\d+) by (\d+)", hints) for k in ("minimum", "maximum"))
    actions = x.property_text(window, "_NET_WM_ALLOWED_ACTIONS")
    c.check((high is None or low is None or low.groups() != high.groups()) and "_NET_WM_ACTION_RESIZE" in actions,
            f"{wm}: resizable: minimum {low and low.groups()}, maximum {high and high.groups()}, "
            f"{'allows' if '_NET_WM_ACTION_RESIZE' in actions else 'no'} _NET_WM_ACTION_RESIZE")
    active = lambda: x.run("xdotool", "getactivewindow", check=False).strip()
    c.check(x.wait_until(lambda: active() == str(window), 3), f"{wm}: active when opened: {active() or 'none'}")
    plugins = x.platform_plugins(program.pid)
    c.check(plugins == {"xcb"}, f"-platform xcb taken: platform plugin {sorted(plugins)}")


def walk(c, window, orca):
    """Tabs once round the window from the first control; returns the controls in the order the focus went."""
    controls = controls_of(window)
    names = [plain(n.name) for n in controls]
    if not c.check(ORDER[0] in names, f"{len(controls)} controls take the focus: {names}"):
        return controls, []
    start = names.index(ORDER[0])
    controls[start].queryComponent().grabFocus()
    c.check(x.wait_until(lambda: focused_index(controls) == start, 3), f"focus on {describe(controls[start])}")
    cycle, unheard = [start], []
    for _ in range(len(controls) + 1):
        mark = len(orca.spoken) if orca else 0
        x.run("xdotool", "key", "Tab")
        now = x.wait_until(lambda: (lambda i: i if i is not None and i != cycle[-1] else None)(focused_index(controls)),
                           3)
        if not c.check(now is not None, f"Tab after {describe(controls[cycle[-1]])} moves the focus"):
            break
        if orca and not x.wait_until(lambda: controls[now].name in orca.said_since(mark), 3):
            unheard.append(f"{controls[now].name!r} (Orca said {orca.said_since(mark)!r})")
        if now == start:
            break
        cycle.append(now)
    order = [names[i] for i in cycle]
    c.check(sorted(cycle) == list(range(len(controls))),
            f"Tab reaches every control once: {order}" + "".join(
                f"; missed {describe(n)}" for i, n in enumerate(controls) if i not in cycle))
    expected = [n for n in ORDER if n in names]
    c.check(order[:len(expected)] == expected and len(expected) == len(ORDER),
            f"Tab order of the form: expected {ORDER}")
    nameless = [describe(controls[i]) for i in cycle if not controls[i].name.strip()]
    c.check(not nameless, "every control has a name" + (f"; not {nameless}" if nameless else ""))
    if orca:
        c.check(not unheard, f"Orca speaks each name on Tab ({len(cycle)} controls)"
                + (f"; not {unheard}" if unheard else ""))
    return controls, cycle


def check_sheets(c, program, window, controls, orca):
    """The message beside 张数, described and heard; a good value takes it away, and Enter there prints nothing."""
    box = next((n for n in controls if n.name == "张数"), None)
    if not c.check(box is not None, "a control named 张数"):
        return
    labels = [n.name for n in x.descendants(window, 8) if n.getRoleName() == "label" and has(n, "STATE_SHOWING")]
    c.check(SHEETS_MESSAGE in labels, f"--sheets 0: message {SHEETS_MESSAGE!r} shown beside 张数")
    c.check(box.description == SHEETS_MESSAGE, f"张数 describes it: {box.description!r}")
    mark = len(orca.spoken) if orca else 0
    box.queryComponent().grabFocus()
    if orca:
        heard = x.wait_until(lambda: SHEETS_MESSAGE in orca.said_since(mark), 3)
        c.check(heard, f"Orca speaks the message on focus: {orca.said_since(mark)!r}")
    x.run("xdotool", "key", "ctrl+a")
    x.run("xdotool", "type", "40")
    c.check(x.wait_until(lambda: box.description == "", 3), f"40 typed: 张数 describes {box.description!r}")
    x.run("xdotool", "key", "Return")
    time.sleep(1.5)
    windows = x.x_windows(program.pid)
    c.check(windows == [program.window], f"Enter in 张数 opens no dialog: windows {windows}")


def main():
    c = x.Checks("print window")
    x.require_window_manager(c)
    args = ["--print", "--sheets", "0", "-platform", "xcb"]
    with x.accessible_program(c, sys.argv[1], args=args) as program:
        program.window = program.wait_window(pattern=f"^{TITLE}$")
        check_window_manager(c, program, program.window)
        x.activate(program.window)  # whatever the manager did, the keys below go to the window
        window = x.find_window(x.find_application(program.pid), TITLE)
        orca = x.Orca() if os.environ.get("PRINT_WINDOW_ORCA") == "1" else None
        try:
            controls, _ = walk(c, window, orca)
            check_sheets(c, program, window, controls, orca)
        finally:
            if orca:
                orca.stop()
    c.finish()


if __name__ == "__main__":
    main()
