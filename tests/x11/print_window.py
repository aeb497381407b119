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
# The controls in Tab order, by name less a mnemonic's "(X)": the form's, then the preview's (上一页 is off on page 1).
ORDER = ["按课本单元", "单元", "自己设定", "加", "减", "乘", "除", "第一个数的位数", "第二个数的位数", "进位退位",
         "最大数", "张数", "每页张数", "按题目定", "固定", "限时秒数", "印答案页", "种子", "换一组", "打印…",
         "存为 PDF…", "关闭", "预览", "下一页", "页码", "缩小", "放大", "缩放"]
# Tab enters a group of radio buttons at its checked one (the arrows move within, as on every desktop), and skips
# what is turned off: the fixed time's seconds, and the units or the custom settings.
NOT_REACHED = {"custom": {"按课本单元", "单元", "固定", "限时秒数"},
               "units": {"自己设定", "加", "减", "乘", "除", "第一个数的位数", "第二个数的位数", "进位退位", "固定", "限时秒数"}}
SHEETS_MESSAGE = "张数要 1 到 1000 之间的整数；“0”不是。"
ITEM_ROLES = {"list item", "table cell", "tree item", "menu item", "page tab", "label"}


def plain(name):
    return re.sub(r"\(\w\)|：$", "", name or "")


def name_of(node):
    """The name a screen reader gives: Qt names a combo box by its item, and by the label beside it (labelled-by)."""
    labels = [r.getTarget(0) for r in node.getRelationSet()
              if r.getRelationType() == x.pyatspi().RELATION_LABELLED_BY and node.getRoleName() == "combo box"]
    return plain(labels[0].name if labels else node.name)


def has(node, state):
    return node.getState().contains(getattr(x.pyatspi(), state))


def controls_of(window):
    """The showing, enabled objects that Tab can reach: no labels, no items inside lists, no unchecked radio."""
    return [n for n in x.descendants(window, 8) if n.getRoleName() not in ITEM_ROLES and has(n, "STATE_FOCUSABLE")
            and has(n, "STATE_SHOWING") and has(n, "STATE_SENSITIVE")
            and (n.getRoleName() != "radio button" or has(n, "STATE_CHECKED"))]


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


def walk(c, window, orca, mode):
    """Tabs once round the window from the form's first control, Orca listening, in the mode ("custom" or "units")."""
    controls = controls_of(window)
    names = [name_of(n) for n in controls]
    expected = [n for n in ORDER if n not in NOT_REACHED[mode]]
    if not c.check(expected[0] in names, f"{mode}: {len(controls)} controls take the focus: {names}"):
        return
    start = names.index(expected[0])
    controls[start].queryComponent().grabFocus()
    c.check(x.wait_until(lambda: focused_index(controls) == start, 3), f"focus on {describe(controls[start])}")
    cycle, unheard = [start], []
    for _ in range(len(controls) + 1):
        mark = len(orca.spoken) if orca else 0
        x.run("xdotool", "key", "Tab")
        now = x.wait_until(lambda: (lambda i: [i] if i not in (None, cycle[-1]) else None)(focused_index(controls)), 3)
        if not now:
            c.check(False, f"Tab after {describe(controls[cycle[-1]])} moves the focus")
            break
        now = now[0]
        if orca:  # the name the control should have, whatever its accessible name says
            step = 0 if now == start else len(cycle)
            wanted = expected[step] if step < len(expected) else names[now]
            heard = x.wait_until(lambda: wanted in plain(orca.said_since(mark)), 3)
            c.note(f"Orca: {orca.said_since(mark)!r}")
            if not heard:
                unheard.append(wanted)
        if now == start:
            break
        cycle.append(now)
    order = [names[i] for i in cycle]
    c.check(sorted(cycle) == list(range(len(controls))), f"{mode}: Tab reaches every control once: {order}"
            + "".join(f"; missed {describe(n)}" for i, n in enumerate(controls) if i not in cycle))
    c.check(order == expected, f"{mode}: the controls in the order {expected}")
    nameless = [describe(controls[i]) for i in cycle if not names[i].strip()]
    c.check(not nameless, f"{mode}: every control has a name" + (f"; not {nameless}" if nameless else ""))
    if orca:
        c.check(not unheard, f"{mode}: Orca speaks each name on Tab" + (f"; not {unheard}" if unheard else ""))


def check_sheets(c, window, orca):
    """The message beside 张数, described and heard; a good value takes it away."""
    controls = controls_of(window)
    box = next((n for n in controls if n.name == "张数"), None)
    seed = next((n for n in controls if n.name == "种子"), None)
    if not c.check(box is not None and seed is not None, "controls named 张数 and 种子"):
        return
    message = lambda: [n for n in x.descendants(window, 8) if n.name == SHEETS_MESSAGE and has(n, "STATE_SHOWING")]
    c.check(bool(message()), f"--sheets 0: message {SHEETS_MESSAGE!r} shown beside 张数")
    c.check(box.description == SHEETS_MESSAGE, f"张数 describes it: {box.description!r}")
    seed.queryComponent().grabFocus()
    x.wait_until(lambda: has(seed, "STATE_FOCUSED"), 3)
    mark = len(orca.spoken) if orca else 0
    box.queryComponent().grabFocus()
    if orca:
        heard = x.wait_until(lambda: SHEETS_MESSAGE in orca.said_since(mark), 3)
        c.check(heard, f"Orca speaks the message on focus: {orca.said_since(mark)!r}")
    x.run("xdotool", "key", "ctrl+a")
    x.run("xdotool", "type", "40")
    c.check(x.wait_until(lambda: box.description == "" and not message(), 3),
            f"40 typed: the message goes, 张数 describes {box.description!r}")


def check_enter(c, program, window):
    box = next((n for n in controls_of(window) if n.name == "张数"), None)
    if box is None:
        return
    box.queryComponent().grabFocus()
    x.wait_until(lambda: has(box, "STATE_FOCUSED"), 3)
    x.run("xdotool", "key", "Return")
    time.sleep(1.5)
    windows = x.x_windows(program.pid)
    c.check(windows == [program.window], f"Enter in 张数 opens no dialog: windows {windows}")


def main():
    c = x.Checks("print window")
    x.require_window_manager(c)
    # As the menu entry's action "打印练习卷" starts it (its Exec line), with the options a teacher might add.
    entry = open(os.path.join(os.path.dirname(__file__), "../../resources/org.sumora.Sumora.desktop")).read()
    action = re.search(r"^\[Desktop Action print\]\n(?:.*\n)*?Exec=sumora (.*)$", entry, re.M)
    c.check(action is not None, f"the desktop entry's action runs sumora {action and action.group(1)}")
    args = [*(action.group(1).split() if action else []), "--unit", "carry20", "--sheets", "0", "-platform", "xcb"]
    with x.accessible_program(c, sys.argv[1], args=args) as program:
        program.window = program.wait_window(pattern=f"^{TITLE}$")
        check_window_manager(c, program, program.window)
        x.activate(program.window)  # whatever the manager did, the keys below go to the window
        window = x.find_window(x.find_application(program.pid), TITLE)
        orca = x.Orca() if os.environ.get("PRINT_WINDOW_ORCA") == "1" else None
        try:
            check_sheets(c, window, orca)
            walk(c, window, orca, "units")
            x.run("xdotool", "key", "alt+c")
            x.wait_until(lambda: "加" in [n.name for n in controls_of(window)], 3)
            walk(c, window, orca, "custom")
            check_enter(c, program, window)
        finally:
            if orca:
                orca.stop()
    c.finish()


if __name__ == "__main__":
    main()
