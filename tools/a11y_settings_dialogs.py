#!/usr/bin/python3
"""Checks the settings, style and help dialogs through the accessibility interface (AT-SPI).

Opens every dialog of the settings menu, of both load menus and of "操作＆ヘルプ" from the menu
of the running desktop program, as a screen reader or a GUI automation tool would, and checks
that:
  - the dialog is found by its window title,
  - its OK and ｷｬﾝｾﾙ buttons are found by their texts (and ↑ ↓ 削除 and a named table in the
    load lists),
  - every field of it (text, list, check and radio button) has a name.
The font commands open the platform's font dialog and "色" the colour dialog: their titles and
buttons are reported, so that one sees whether they speak Japanese.

Needs the packages at-spi2-core and python3-pyatspi (the build and the tests do not), and xvfb
when there is no display:
  tools/a11y_settings_dialogs.py build/dev/app/qel
It starts its own session bus (with a runtime folder, where the accessibility bus lives) and,
without a display, a virtual one. The program runs on an empty data folder of its own. Exits 1
when a check fails.
"""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi

APP_NAME = "Qel6"  # the application name the program gives Qt (kProfileApplication)
OK, CANCEL = "OK", "ｷｬﾝｾﾙ"
# The buttons of the load lists, whose table must have a name as well.
LIST_BUTTONS = [OK, CANCEL, "↑", "↓", "削除"]

# (menu, item, window title, buttons that must be there, button that closes it)
DIALOGS = [
    ("帯状荷重(&A)", "タイトル・様式(&T)", "帯状荷重 > タイトル・様式", [OK, CANCEL, "標準の設定"], CANCEL),
    ("帯状荷重(&A)", "ページ(&P)", "帯状荷重 > ページ", [OK, CANCEL, "標準の設定"], CANCEL),
    ("長方形円形荷重(&B)", "タイトル・様式(&T)", "長方形円形荷重 > タイトル・様式",
     [OK, CANCEL, "標準の設定"], CANCEL),
    ("長方形円形荷重(&B)", "ページ(&P)", "長方形円形荷重 > ページ", [OK, CANCEL, "標準の設定"], CANCEL),
    ("設定(&S)", "縮尺 帯状荷重(&A)", "縮尺　帯状荷重", [OK, CANCEL, "標準の設定"], CANCEL),
    ("設定(&S)", "縮尺 長方形円形(&B)", "縮尺-長方形円形荷重", [OK, CANCEL, "標準の設定"], CANCEL),
    ("設定(&S)", "線種・マージン・桁数(&Y)", "線種・マージン・桁数など", [OK, CANCEL, "標準の設定", "色"],
     CANCEL),
    ("設定(&S)", "標準値 帯状荷重(&C)", "標準値 > 帯状荷重の初期設定", [OK, CANCEL, "初期設定値"], CANCEL),
    ("設定(&S)", "標準値 長方形円形(&D)", "標準値 > 長方形円形等分布荷重の初期設定",
     [OK, CANCEL, "初期設定値"], CANCEL),
    ("設定(&S)", "キーの動作(&E)", "キーの動作", [OK, CANCEL], CANCEL),
    ("ﾍﾙﾌﾟ(&H)", "操作＆ヘルプ(&H)", "操作＆ヘルプ", [OK, "開いて印刷"], OK),
    ("帯状荷重(&A)", "荷重1 (&1)", "帯状荷重 > 荷重1 データ", LIST_BUTTONS, CANCEL),
    ("帯状荷重(&A)", "荷重2 (&2)", "帯状荷重 > 荷重2 データ", LIST_BUTTONS, CANCEL),
    ("帯状荷重(&A)", "計算点(&X)", "帯状荷重 >  地中の計算点", [OK, CANCEL], CANCEL),
    ("長方形円形荷重(&B)", "長方形荷重(&R)", "等分布 長方形荷重 データ", LIST_BUTTONS, CANCEL),
    ("長方形円形荷重(&B)", "円形荷重(&C)", "等分布 円形荷重 データ", LIST_BUTTONS, CANCEL),
    ("長方形円形荷重(&B)", "計算点(&X)", "長方形円形荷重 > 地中の計算点", [OK, CANCEL], CANCEL),
]
FONT_ITEMS = ["フォント タイトル(&0)", "フォント 帯状荷重(&1)", "フォント 長方形円形(&2)", "フォント ページ(&3)"]
FIELD_ROLES = {
    pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_LIST,
}

failures = []


def fail(text):
    failures.append(text)
    print("  FAIL: " + text)


def wait_for(find, seconds=20.0):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = find()
        if found is not None:
            return found
        time.sleep(0.2)
    return None


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == APP_NAME:
            return app
    return None


def descendants(node):
    stack = [node]
    while stack:
        current = stack.pop()
        yield current
        try:
            stack.extend(child for child in current if child is not None)
        except Exception:  # a node that went away while walking
            pass


def window_titled(title):
    app = application()
    if app is None:
        return None
    for window in app:
        if window is not None and window.name == title and window.getRole() in (
                pyatspi.ROLE_DIALOG, pyatspi.ROLE_FRAME, pyatspi.ROLE_WINDOW):
            return window
    return None


def new_window(known):
    app = application()
    if app is None:
        return None
    for window in app:
        if window is not None and window.name not in known and window.getRole() == pyatspi.ROLE_DIALOG:
            return window
    return None


def buttons(window):
    return [node for node in descendants(window) if node.getRole() == pyatspi.ROLE_PUSH_BUTTON]


def button_named(window, name):
    for button in buttons(window):
        if button.name == name:
            return button
    return None


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("press", "click", "Press"):
            action.doAction(i)
            return
    action.doAction(0)


def open_menu_item(menu, item):
    """Presses a menu item from another process: the press returns only once the modal dialog it
    opens has closed."""
    code = (
        "import sys, pyatspi\n"
        "menu, item = sys.argv[1], sys.argv[2]\n"
        "app = [a for a in pyatspi.Registry.getDesktop(0) if a and a.name == %r][0]\n"
        "def walk(n):\n"
        "    yield n\n"
        "    for c in n:\n"
        "        if c is not None: yield from walk(c)\n"
        "bar = [n for n in walk(app) if n.getRole() == pyatspi.ROLE_MENU_BAR][0]\n"
        "top = [n for n in bar if n.name.replace('&', '') == menu.replace('&', '')][0]\n"
        "entry = [n for n in walk(top) if n.getRole() == pyatspi.ROLE_MENU_ITEM\n"
        "         and n.name.replace('&', '') == item.replace('&', '')][0]\n"
        "entry.queryAction().doAction(0)\n" % APP_NAME)
    return subprocess.Popen([sys.executable, "-c", code, menu, item],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def check_fields(window):
    unnamed = []
    for node in descendants(window):
        if node.getRole() in FIELD_ROLES and not node.name.strip():
            unnamed.append("%s (%s)" % (node.getRoleName(), node.description or "no description"))
    return unnamed


def check_dialog(menu, item, title, wanted, closer):
    print("%s > %s" % (menu.replace("&", ""), item.replace("&", "")))
    presser = open_menu_item(menu, item)
    window = wait_for(lambda: window_titled(title))
    if window is None:
        fail("no window titled %r" % title)
        presser.kill()
        return
    print("  window: %r" % window.name)
    names = sorted({b.name for b in buttons(window)})
    print("  buttons: " + ", ".join(repr(n) for n in names))
    for name in wanted:
        if button_named(window, name) is None:
            fail("%r has no button %r" % (title, name))
    tables = [node.name for node in descendants(window) if node.getRole() == pyatspi.ROLE_TABLE]
    if tables:
        print("  tables: " + ", ".join(repr(n) for n in tables))
    if wanted == LIST_BUTTONS and not any(name.strip() for name in tables):
        fail("%r has no table with a name" % title)
    unnamed = check_fields(window)
    fields = sum(1 for node in descendants(window) if node.getRole() in FIELD_ROLES)
    print("  fields: %d, without a name: %d" % (fields, len(unnamed)))
    for field in unnamed:
        fail("%r: a field without a name: %s" % (title, field))
    if title == "線種・マージン・桁数など":
        check_colour_dialog(window)
    close = button_named(window, closer)
    if close is not None:
        press(close)
    if wait_for(lambda: None if window_titled(title) else True, 10) is None:
        fail("%r did not close" % title)
    try:
        presser.wait(10)
    except subprocess.TimeoutExpired:
        presser.kill()


def check_colour_dialog(window):
    known = {w.name for w in application()}
    colour_button = button_named(window, "色")
    presser = subprocess.Popen([sys.executable, "-c",
                                "import pyatspi,sys\n"
                                "app=[a for a in pyatspi.Registry.getDesktop(0) if a and a.name==%r][0]\n"
                                "def walk(n):\n"
                                "    yield n\n"
                                "    for c in n:\n"
                                "        if c is not None: yield from walk(c)\n"
                                "w=[x for x in app if x and x.name==%r][0]\n"
                                "b=[n for n in walk(w) if n.getRole()==pyatspi.ROLE_PUSH_BUTTON and n.name=='色'][0]\n"
                                "b.queryAction().doAction(0)\n" % (APP_NAME, window.name)],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    if colour_button is None:
        presser.kill()
        return
    dialog = wait_for(lambda: new_window(known))
    if dialog is None:
        fail("the colour button opened no dialog")
        presser.kill()
        return
    report_platform_dialog("colour dialog", dialog)
    presser.wait(10)


def report_platform_dialog(what, dialog):
    names = sorted({b.name for b in buttons(dialog) if b.name})
    print("  %s: %r, buttons: %s" % (what, dialog.name, ", ".join(repr(n) for n in names)))
    cancel = next((b for b in buttons(dialog) if b.name in ("キャンセル", "Cancel")), None)
    if cancel is None:
        fail("%s %r has no cancel button" % (what, dialog.name))
        return
    if cancel.name != "キャンセル":
        fail("%s %r is not in Japanese" % (what, dialog.name))
    press(cancel)


def check_font_dialog(item):
    print("設定 > " + item.replace("&", ""))
    known = {w.name for w in application()}
    presser = open_menu_item("設定(&S)", item)
    dialog = wait_for(lambda: new_window(known))
    if dialog is None:
        fail("%s opened no dialog" % item)
        presser.kill()
        return
    report_platform_dialog("font dialog", dialog)
    try:
        presser.wait(10)
    except subprocess.TimeoutExpired:
        presser.kill()


def run_inside_own_session():
    """Starts this script again under its own session bus, and a virtual display if needed."""
    runtime = tempfile.mkdtemp(prefix="qel-a11y-run-")
    env = dict(os.environ, XDG_RUNTIME_DIR=runtime, QEL_A11Y_SESSION="1")
    command = ["dbus-run-session", "--", sys.executable, os.path.abspath(__file__)] + sys.argv[1:]
    if not env.get("DISPLAY"):
        command = ["xvfb-run", "-a"] + command
    return subprocess.call(command, env=env)


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    if os.environ.get("QEL_A11Y_SESSION") != "1":
        return run_inside_own_session()
    program = os.path.abspath(sys.argv[1])
    home = tempfile.mkdtemp(prefix="qel-a11y-")
    env = dict(os.environ, HOME=home, XDG_DATA_HOME=home + "/data", XDG_CONFIG_HOME=home + "/config",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1", LANG="ja_JP.UTF-8")
    env.pop("QT_QPA_PLATFORM", None)
    qel = subprocess.Popen([program], env=env, cwd=home)
    try:
        if wait_for(application, 30) is None:
            print("the program did not appear on the accessibility bus")
            return 1
        # The first start fills the data folder; give the window a moment to settle.
        wait_for(lambda: window_titled("無題 - 地中の鉛直増加応力 Qel Ver.6"), 30)
        for dialog in DIALOGS:
            check_dialog(*dialog)
        for item in FONT_ITEMS:
            check_font_dialog(item)
    finally:
        qel.terminate()
        try:
            qel.wait(10)
        except subprocess.TimeoutExpired:
            qel.kill()
    print("%d failure(s)" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
