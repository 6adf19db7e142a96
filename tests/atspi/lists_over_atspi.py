#!/usr/bin/python3
"""Kestrelon's lists as a screen reader hears them over the accessibility bus.

Starts the real program on a private X server (Xvfb) with a private D-Bus session and
accessibility bus, drives it from outside over AT-SPI as an assistive tool does (buttons
pressed through their Action interface, the register pasted through EditableText, keys typed
through the bus's keyboard), and after every step reads each list the way Orca does: the
list's name, and its value from the selected entry of the list or of its pop-up list, else its
name. What is read must be the entry the window shows. Each list is read as a listening screen
reader reads it (inside libatspi's event loop, with its cache), afresh, and as the program's
"selected" events tell it since the list was first read.

Usage: lists_over_atspi.py KESTRELON DATA_FOLDER_TOOL
Fails (never skips) when a tool is missing; gives up after two minutes.
"""

import datetime
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

WHOLE_RUN_SECONDS = 120
MONTHS = ["Январь", "Февраль", "Март", "Апрель", "Май", "Июнь", "Июль", "Август",
          "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"]
# The agent's organization of the data folder that atspi_data_folder writes.
AGENT_FIRM = 'ООО "Сапсан-Телеком"'
PRINCIPAL_FIRM = 'ООО "Тарвел"'
FUNCTIONS = ["Тариф А", "Тариф Б"]
# One invoice of March 2013: the import sets the report's period to it.
REGISTER = "A0000001\t11111111\tК\t1000000000001\t15.03.2013\t1000\t180\t1180\tpaid\tx\n"
PRICE_LIST = "Хлеб 1.50\nСпички 0.05\n"

KEY_UP, KEY_DOWN, KEY_RETURN, KEY_ESCAPE, KEY_F4, KEY_TAB = (0xFF52, 0xFF54, 0xFF0D, 0xFF1B,
                                                       0xFFC1, 0xFF09)


class Failure(Exception):
    pass


def fail(message):
    raise Failure(message)


# ---- the private desktop: X server, session bus, accessibility bus ----

class Desktop:
    def __init__(self, kestrelon, data_tool):
        self.kestrelon = kestrelon
        self.data_tool = data_tool
        self.groups = []  # process groups this test started, each led by its own child
        self.app = None
        self.work = tempfile.mkdtemp(prefix="kestrelon-atspi.")
        os.chmod(self.work, 0o700)
        self.env = {k: v for k, v in os.environ.items()
                    if not k.startswith(("DBUS_", "AT_SPI", "QT_", "XDG_", "DISPLAY", "WAYLAND"))}
        for sub in ("run", "home", "data"):
            os.makedirs(os.path.join(self.work, sub), mode=0o700)
        self.home = os.path.join(self.work, "home")
        self.data = os.path.join(self.work, "data")
        self.env.update(HOME=self.home, XDG_RUNTIME_DIR=os.path.join(self.work, "run"),
                        XDG_CONFIG_HOME=os.path.join(self.home, ".config"),
                        XDG_DATA_HOME=os.path.join(self.home, ".local/share"),
                        LANG="C.UTF-8")
        self.env.pop("LC_ALL", None)

    def _spawn(self, argv, **kwargs):
        process = subprocess.Popen(argv, env=self.env, start_new_session=True,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kwargs)
        self.groups.append(process)
        return process

    def start(self):
        for tool in ("Xvfb", "dbus-daemon"):
            if shutil.which(tool) is None:
                fail(f"{tool} is missing (run ./scripts/setup.sh)")
        launcher = "/usr/libexec/at-spi-bus-launcher"
        if not os.access(launcher, os.X_OK):
            fail(f"{launcher} is missing: install at-spi2-core (run ./scripts/setup.sh)")
        for path in (self.kestrelon, self.data_tool):
            if not os.access(path, os.X_OK):
                fail(f"{path} is not built")
        subprocess.run([self.data_tool, self.data], check=True, env=self.env, timeout=30)

        # Xvfb picks a free display itself and writes its number to the pipe.
        read_end, write_end = os.pipe()
        self._spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                     "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,))
        os.close(write_end)
        self.env["DISPLAY"] = ":" + read_line(read_end, "Xvfb's display number")

        read_end, write_end = os.pipe()
        self._spawn(["dbus-daemon", "--session", "--nofork", f"--print-address={write_end}"],
                    pass_fds=(write_end,))
        os.close(write_end)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = read_line(read_end, "the session bus address")

        # The launcher starts the accessibility bus and names it on the session bus and on
        # the X display; the registry is started on that bus when first asked for.
        self._spawn([launcher, "--launch-immediately"])
        os.environ.update({k: self.env[k] for k in
                           ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR", "HOME")})
        for k in [k for k in os.environ if k.startswith("AT_SPI")]:
            del os.environ[k]
        return self.a11y_bus_address()

    def a11y_bus_address(self):
        from gi.repository import Gio, GLib
        session = Gio.DBusConnection.new_for_address_sync(
            self.env["DBUS_SESSION_BUS_ADDRESS"],
            Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
            | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
        deadline = time.monotonic() + 20
        while True:
            try:
                reply = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus",
                                          "GetAddress", None, GLib.VariantType.new("(s)"),
                                          Gio.DBusCallFlags.NO_AUTO_START, 2000, None)
                if reply.unpack()[0]:
                    return reply.unpack()[0]
            except GLib.Error:
                pass
            if time.monotonic() > deadline:
                fail("at-spi-bus-launcher did not start the accessibility bus")
            time.sleep(0.1)

    def start_program(self):
        env = dict(self.env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_ACCESSIBILITY="1")
        self.log = os.path.join(self.work, "program.log")
        with open(self.log, "wb") as log:
            self.app = subprocess.Popen([self.kestrelon, "--data-folder", self.data], env=env,
                                        start_new_session=True, stdout=log, stderr=log)

    def stop_program(self):
        """Ends the program and gives what it wrote."""
        if self.app is None:
            return ""
        stop_process(self.app)
        self.app = None
        with open(self.log, encoding="utf-8", errors="replace") as log:
            return log.read()

    def stop(self):
        self.stop_program()
        for process in reversed(self.groups):
            stop_process(process)
        shutil.rmtree(self.work, ignore_errors=True)


def read_line(fd, what):
    data = b""
    deadline = time.monotonic() + 20
    with os.fdopen(fd, "rb", buffering=0) as pipe:
        os.set_blocking(fd, False)
        while not data.endswith(b"\n"):
            try:
                chunk = pipe.read(256)
            except BlockingIOError:
                chunk = None
            if chunk:
                data += chunk
            elif chunk == b"" or time.monotonic() > deadline:
                fail(f"no {what}")
            else:
                time.sleep(0.05)
    return data.decode().strip()


def stop_process(process):
    """Ends a child this test started, with whatever it started in its process group."""
    for sig, wait in ((signal.SIGTERM, 5), (signal.SIGKILL, 5)):
        try:
            os.killpg(process.pid, sig)
        except ProcessLookupError:
            pass
        try:
            process.wait(timeout=wait)
            return
        except subprocess.TimeoutExpired:
            continue


# ---- reading and acting over the bus ----

class Bus:
    def __init__(self, a11y_address):
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi, Gio, GLib
        import pyatspi
        self.Atspi, self.GLib, self.pyatspi = Atspi, GLib, pyatspi
        # Actions are sent without waiting for their answer: a button that opens a modal window
        # answers only when that window closes.
        self.actions = Gio.DBusConnection.new_for_address_sync(
            a11y_address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
            | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
        self.Gio = Gio
        # What Orca listens to; the program sends only the events someone listens to.
        self._listener = pyatspi.Registry.registerEventListener(
            self._heard_event, "object:state-changed", "object:selection-changed",
            "object:property-change", "object:children-changed", "focus:", "window:activate")
        self.selected_events = []  # (entry's path, now selected), as they came
        self.beliefs = {}  # list's path -> [paths believed selected, events taken]

    def _heard_event(self, event):
        if event.type.startswith("object:state-changed:selected"):
            self.selected_events.append((event.source.path, bool(event.detail1)))

    def believed_selected(self, entries, seed):
        """The entries a screen reader believes selected when it read them once (seed) and
        since then follows only the program's "selected" events. libatspi does not cache the
        entries' states (Qt marks them transient), but what a screen reader says as the value
        changes is told by these events."""
        items = [entries.getChildAtIndex(i) for i in range(entries.childCount)]
        belief = self.beliefs.setdefault(
            entries.path, [{i.path for i in items if i.name in seed}, len(self.selected_events)])
        for path, now in self.selected_events[belief[1]:]:
            (belief[0].add if now else belief[0].discard)(path)
        belief[1] = len(self.selected_events)
        return [i.name for i in items if i.path in belief[0]]

    def run_as_screen_reader(self, work):
        """Runs work inside libatspi's event loop, where, as in Orca, what was read is cached
        and kept by the program's events rather than asked for again."""
        outcome = []

        def once():
            try:
                work()
            except BaseException as error:  # handed over to the caller below
                outcome.append(error)
            finally:
                self.Atspi.event_quit()
            return False
        self.GLib.idle_add(once)
        self.Atspi.event_main()
        if outcome:
            raise outcome[0]

    def pump(self, seconds=0.0):
        context = self.GLib.MainContext.default()
        deadline = time.monotonic() + seconds
        while True:
            while context.iteration(False):
                pass
            if time.monotonic() >= deadline:
                return
            time.sleep(0.02)

    def wait(self, what, condition, seconds=10):
        deadline = time.monotonic() + seconds
        while True:
            self.pump()
            try:
                result = condition()
            except self.GLib.Error:
                result = None
            if result:
                self.pump(0.2)
                return result
            if time.monotonic() > deadline:
                fail(f"timed out waiting for {what}")
            time.sleep(0.05)

    # -- the tree --
    def application(self):
        desktop = self.pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == "Kestrelon":
                return app
        return None

    def window(self, title):
        app = self.application()
        for i in range(app.childCount if app else 0):
            w = app.getChildAtIndex(i)
            if w is None:
                continue
            # A window shown again under another title keeps its old one in libatspi's cache:
            # Qt's title change event does not carry the new title.
            w.clear_cache()
            if w.name == title and self.has(w, "SHOWING"):
                return w
        return None

    def has(self, acc, state):
        return acc.getState().contains(getattr(self.pyatspi, "STATE_" + state))

    def find_all(self, root, predicate):
        found, stack = [], [root]
        while stack:
            acc = stack.pop()
            if acc is None:
                continue
            if predicate(acc):
                found.append(acc)
            # A list's entries are not searched: the year list alone has 90.
            if acc.getRole() not in (self.pyatspi.ROLE_LIST, self.pyatspi.ROLE_TABLE):
                stack.extend(acc.getChildAtIndex(i) for i in reversed(range(acc.childCount)))
        return found

    def find(self, root, what, predicate):
        found = self.find_all(root, predicate) if root is not None else []
        if not found:
            fail(f"no {what}")
        return found[0]

    def named(self, root, role, name):
        role_id = getattr(self.pyatspi, "ROLE_" + role)
        return self.find(root, f"{role.lower()} «{name}»",
                         lambda a: a.getRole() == role_id and a.name == name)

    # -- acting --
    def act(self, acc, *names):
        action = acc.queryAction()
        available = [action.getName(i) for i in range(action.nActions)]
        for name in names or ("Press",):
            if name in available:
                index = available.index(name)
                break
        else:
            fail(f"«{acc.name}» offers only the actions {available}")
        self.actions.call(acc.app.bus_name, acc.path, "org.a11y.atspi.Action", "DoAction",
                          self.GLib.Variant("(i)", (index,)), None,
                          self.Gio.DBusCallFlags.NONE, -1, None, None, None)

    def press(self, window, caption):
        roles = (self.pyatspi.ROLE_PUSH_BUTTON, self.pyatspi.ROLE_TOGGLE_BUTTON,
                 self.pyatspi.ROLE_CHECK_BOX, self.pyatspi.ROLE_PAGE_TAB)
        button = self.find(window, f"button «{caption}»",
                           lambda a: a.name == caption and a.getRole() in roles)
        self.wait(f"«{caption}» to be enabled", lambda: self.has(button, "ENABLED"))
        self.act(button, "Press", "Toggle", "Switch")

    def tab_to(self, acc):
        """Moves the keyboard focus to acc with Tab, as a user without a mouse does."""
        for _ in range(60):
            if self.has(acc, "FOCUSED"):
                return
            self.keys(KEY_TAB)
        fail(f"Tab never reaches «{acc.name}»")

    def keys(self, *keysyms):
        for keysym in keysyms:
            self.Atspi.generate_keyboard_event(keysym, None, self.Atspi.KeySynthType.SYM)
            self.pump(0.15)

    def close_message(self, text_part):
        """Reads the message box that is up, checks it says text_part, and presses its OK."""
        def box():
            app = self.application()
            for i in range(app.childCount):
                w = app.getChildAtIndex(i)
                if w is not None and w.name == "Kestrelon" and self.has(w, "SHOWING") and \
                        w.getRole() != self.pyatspi.ROLE_FILLER:
                    return w
            return None
        w = self.wait("a message box", box)
        texts = [a.name for a in self.find_all(w, lambda a: a.getRole() == self.pyatspi.ROLE_LABEL)]
        if not any(text_part in t for t in texts):
            fail(f"the message box says {texts}, not «{text_part}»")
        self.press(w, "OK")
        self.wait("the message box to close", lambda: not self.has(w, "SHOWING"))


# ---- what Orca would say of a list ----

def entries_of(bus, combo):
    for i in range(combo.childCount):
        child = combo.getChildAtIndex(i)
        if child is not None and child.getRole() in (bus.pyatspi.ROLE_LIST,
                                                     bus.pyatspi.ROLE_LIST_BOX):
            return child
    fail(f"the list «{combo.name}» has no pop-up list on the bus")


def selected(bus, container, fresh):
    """The selected children: by their state, and by the Selection interface where offered."""
    items = [container.getChildAtIndex(i) for i in range(container.childCount)]
    if fresh:
        container.clear_cache()
        for item in items:
            item.clear_cache()
    by_state = [item.name for item in items if item is not None and bus.has(item, "SELECTED")]
    by_selection = None
    if "Selection" in container.get_interfaces():
        selection = container.querySelection()
        by_selection = [selection.getSelectedChild(k).name
                        for k in range(selection.nSelectedChildren)]
    return by_state, by_selection


def heard(bus, combo, fresh):
    """The value Orca speaks for a combo box, as its getComboBoxValue reads it."""
    if fresh:
        combo.clear_cache()
    for i in range(combo.childCount):
        child = combo.getChildAtIndex(i)
        if child is not None and "EditableText" in child.get_interfaces():
            text = child.queryText()
            return text.getText(0, text.characterCount)
    for container in (combo, entries_of(bus, combo)):
        by_state, by_selection = selected(bus, container, fresh)
        chosen = by_selection if by_selection is not None else by_state
        if len(chosen) == 1:
            return chosen[0]
    return combo.name


class Report:
    def __init__(self):
        self.lines = []
        self.failures = []

    def check(self, bus, step, combo, shown, name=None):
        """shown: the entry the window shows ("" for none); name: the list's own name."""
        entries = entries_of(bus, combo)
        problems = []
        want = [shown] if shown else []
        fresh_state, _ = selected(bus, entries, True)
        believed = bus.believed_selected(entries, fresh_state)
        if believed != want:
            problems.append(f"following the program's events: selected entries {believed}, "
                            f"want {want}")
        for view in ("listening", "fresh"):
            fresh = view == "fresh"
            by_state, by_selection = selected(bus, entries, fresh)
            value = heard(bus, combo, fresh)
            if by_state != want:
                problems.append(f"{view}: selected entries {by_state}, want {want}")
            if by_selection is not None and by_selection != want:
                problems.append(f"{view}: Selection interface gives {by_selection}, want {want}")
            if shown and value != shown:
                problems.append(f"{view}: a screen reader says «{value}», want «{shown}»")
            if not shown and value in [entries.getChildAtIndex(i).name
                                       for i in range(entries.childCount)]:
                problems.append(f"{view}: a screen reader says «{value}» of an empty list")
        if name is not None and combo.name != name:
            problems.append(f"the list is named «{combo.name}», want «{name}»")
        line = f"{step}: «{name or combo.name}» shows «{shown}»"
        self.lines.append(line + (" — OK" if not problems else ""))
        for p in problems:
            self.lines.append("    " + p)
            self.failures.append(f"{step}: {p}")
        return not problems


def checked(bus, report, step, checks, seconds=3):
    """Runs the checks of a step until they pass or `seconds` pass; reports the last reading."""
    deadline = time.monotonic() + seconds
    while True:
        bus.pump(0.1)
        scratch = Report()
        ok = all([scratch.check(bus, step, *c) for c in checks])
        if ok or time.monotonic() > deadline:
            report.lines += scratch.lines
            report.failures += scratch.failures
            return
        time.sleep(0.2)


# ---- the scenarios ----

def previous_month(today):
    return (11, today.year - 1) if today.month == 1 else (today.month - 2, today.year)


def period_lists(bus, window):
    month = bus.named(window, "COMBO_BOX", "Месяц")
    year = bus.named(window, "COMBO_BOX", "Год")
    return month, year


def period_checks(bus, window, month, year):
    m, y = period_lists(bus, window)
    return [(m, MONTHS[month], "Месяц"), (y, str(year), "Год")]


def report_window(bus, report):
    main = bus.wait("the main window", lambda: bus.window("Kestrelon"), 30)
    bus.press(main, "Report")
    window = bus.wait("the report window", lambda: bus.window("Отчеты агента"))
    month, year = previous_month(datetime.date.today())

    m, y = period_lists(bus, window)
    if bus.has(m, "ENABLED"):
        fail("the period lists are enabled in the register mode")
    checked(bus, report, "at creation, lists disabled", period_checks(bus, window, month, year))

    bus.press(window, "Manual")
    bus.wait("the period lists to be enabled", lambda: bus.has(m, "ENABLED"))
    checked(bus, report, "manual mode", period_checks(bus, window, month, year))

    # A choice with the keyboard: the month from its opened list, the year on the closed list.
    bus.tab_to(m)
    step = -1 if month >= 2 else 1
    bus.keys(KEY_F4)
    bus.keys(*(KEY_UP if step < 0 else KEY_DOWN,) * 2)
    bus.keys(KEY_RETURN)
    month += 2 * step
    bus.tab_to(y)
    bus.keys(KEY_UP)
    year -= 1
    checked(bus, report, "chosen with the keyboard", period_checks(bus, window, month, year))
    # The list opened, moved in and closed with Escape keeps what it showed.
    bus.tab_to(m)
    bus.keys(KEY_F4, KEY_DOWN if step < 0 else KEY_UP, KEY_ESCAPE)
    checked(bus, report, "opened and closed without a choice",
            period_checks(bus, window, month, year))

    bus.press(window, "SLK")
    bus.wait("the period lists to be disabled", lambda: not bus.has(m, "ENABLED"))
    bus.press(window, "Slk")
    slk = bus.wait("the import dialog", lambda: bus.window("FormSlk"))
    text = bus.named(slk, "TEXT", "Реестр счетов")
    text.queryEditableText().setTextContents(REGISTER)
    bus.press(slk, "OK")
    bus.close_message("Загружено строк реестра: 1 — реестр за Март 2013")
    bus.wait("the import dialog to close", lambda: bus.window("FormSlk") is None)
    checked(bus, report, "after a register import", period_checks(bus, window, 2, 2013))

    bus.press(window, "List")
    listing = bus.wait("the report list", lambda: bus.window("Отчеты"))
    table = bus.named(listing, "TABLE", "Отчеты")
    table.queryTable().addRowSelection(0)
    bus.press(listing, "Open")
    bus.wait("the report list to close", lambda: bus.window("Отчеты") is None)
    checked(bus, report, "a stored report opened", period_checks(bus, window, 9, 2012))
    exchange_buttons(bus, window)

    today = datetime.date.today()
    bus.press(window, "New")
    month, year = previous_month(today)
    checked(bus, report, "after New", period_checks(bus, window, month, year))

    # The folder chooser of the report list's "Sync" starts in the home folder.
    bus.press(window, "List")
    listing = bus.wait("the report list", lambda: bus.window("Отчеты"))
    bus.press(listing, "Sync")
    chooser = bus.wait("the folder chooser", lambda: bus.window("Form23"))
    drives = bus.find(chooser, "the drive list",
                      lambda a: a.getRole() == bus.pyatspi.ROLE_COMBO_BOX)
    checked(bus, report, "folder chooser", [(drives, os.environ["HOME"], None)])


def exchange_buttons(bus, window):
    """The document tab's exchange buttons are heard by their captions and hints, and the
    details "ЭДО" asks for name each field by its caption."""
    bus.press(window, "Акт")
    for caption, hint in (("ЭДО", "Выгрузить документы для ЭДО"),
                          ("Платежка", "Платежное поручение принципалу для банка")):
        button = bus.named(window, "PUSH_BUTTON", caption)
        bus.wait(f"«{caption}» to be enabled", lambda: bus.has(button, "ENABLED"))
        if button.description != hint:
            fail(f"«{caption}» is described as «{button.description}», not «{hint}»")
    bus.press(window, "ЭДО")
    details = bus.wait("the EDO details", lambda: bus.window("Сведения для ЭДО"))
    for name in ("Идентификатор участника ЭДО агента:",
                 "Идентификатор участника ЭДО принципала:"):
        bus.named(details, "TEXT", name)
    bus.press(details, "Отмена")
    bus.close_message("Документы для ЭДО не записаны")
    # The page's zoom is a list a screen reader names.
    zoom = bus.named(window, "COMBO_BOX", "Масштаб")
    bus.wait("the zoom list to be enabled on a document's tab", lambda: bus.has(zoom, "ENABLED"))
    bus.press(window, "Отчет")


def catalogue_cards(bus, report):
    main = bus.wait("the main window", lambda: bus.window("Kestrelon"), 30)
    bus.press(main, "Agent")
    agent = bus.wait("the agent window", lambda: bus.window("Agent"))
    bus.press(agent, "Edit")
    card = bus.wait("the agent card", lambda: bus.window("FormAddAgent"))
    lists = bus.find_all(card, lambda a: a.getRole() == bus.pyatspi.ROLE_COMBO_BOX)
    # The agent's organization in its group «Организация»; the principal's on its tab.
    checked(bus, report, "agent card", [
        (combo, AGENT_FIRM if combo.parent.name == "Организация" else PRINCIPAL_FIRM, None)
        for combo in lists])
    bus.press(card, "Cancel")
    bus.wait("the agent card to close", lambda: bus.window("FormAddAgent") is None)
    bus.press(agent, "Cancel")
    bus.wait("the agent window to close", lambda: bus.window("Agent") is None)

    bus.press(main, "Client")
    clients = bus.wait("the client contracts", lambda: bus.window("Клиенты"))
    bus.press(clients, "New")
    card = bus.wait("the new client card", lambda: bus.window("Новый клиент"))
    firms = bus.find(card, "the organization list",
                     lambda a: a.getRole() == bus.pyatspi.ROLE_COMBO_BOX)
    checked(bus, report, "new client card, nothing chosen", [(firms, "", None)])
    bus.tab_to(firms)
    bus.keys(KEY_DOWN)
    checked(bus, report, "new client card, chosen with the keyboard",
            [(firms, PRINCIPAL_FIRM, None)])
    bus.press(card, "Cancel")
    bus.wait("the client card to close", lambda: bus.window("Новый клиент") is None)
    bus.press(clients, "Edit")
    card = bus.wait("the client card", lambda: bus.window("Редактирование"))
    firms = bus.find(card, "the organization list",
                     lambda a: a.getRole() == bus.pyatspi.ROLE_COMBO_BOX)
    checked(bus, report, "client card of a contract, list disabled", [(firms, AGENT_FIRM, None)])


def year_summary(bus, report):
    """The year's summary from the report list's «Год»: its table's cells are read, and its
    picture has a name and a description that gives the months' values."""
    main = bus.wait("the main window", lambda: bus.window("Kestrelon"), 30)
    bus.press(main, "Report")
    window = bus.wait("the report window", lambda: bus.window("Отчеты агента"))
    bus.press(window, "List")
    listing = bus.wait("the report list", lambda: bus.window("Отчеты"))
    bus.press(listing, "Год")
    year = bus.wait("the year's summary", lambda: bus.window("Итоги 2012 года"))
    table = bus.named(year, "TABLE", "Итоги года по месяцам и кварталам").queryTable()
    expected = {(0, 0): "Январь", (3, 0): "I квартал", (12, 0): "Октябрь", (12, 1): "1",
                (16, 0): "Итого за год", (16, 1): "1"}
    for (row, column), text in expected.items():
        heard = table.getAccessibleAt(row, column).name
        if heard != text:
            fail(f"the summary's cell {row},{column} is heard as «{heard}», not «{text}»")
    chart = bus.find(year, "the picture", lambda a: a.name ==
                     "Вознаграждение и сумма принципалу по месяцам")
    if not chart.description.startswith("Октябрь: вознаграждение"):
        fail(f"the picture is described as «{chart.description}»")
    report.lines.append("year's summary: the cells and the picture are heard")


def find_fields(bus, report):
    """The organizations' find field is heard by its name and narrows the list: with nothing
    found, "Edit" is off."""
    main = bus.wait("the main window", lambda: bus.window("Kestrelon"), 30)
    bus.press(main, "Firms")
    firms = bus.wait("the organizations", lambda: bus.window("Организации"))
    find = bus.named(firms, "TEXT", "Найти организацию")
    edit = bus.find(firms, "«Edit»", lambda a: a.name == "Edit")
    bus.wait("«Edit» to be enabled", lambda: bus.has(edit, "ENABLED"))
    find.queryEditableText().setTextContents("нет такой организации")
    bus.wait("«Edit» off while nothing is found", lambda: not bus.has(edit, "ENABLED"))
    find.queryEditableText().setTextContents("")
    bus.wait("«Edit» on again", lambda: bus.has(edit, "ENABLED"))
    report.lines.append("organizations: the find field «Найти организацию» is heard and narrows")


def function_editor(bus, report):
    main = bus.wait("the main window", lambda: bus.window("Kestrelon"), 30)
    bus.press(main, "Tarif")
    tool = bus.wait("the price-list tool", lambda: bus.window("Наценка на прайс-лист"))
    bus.named(tool, "TEXT", "Текст прайс-листа").queryEditableText().setTextContents(PRICE_LIST)
    bus.press(tool, "Edit")
    bus.press(tool, "Фунция")
    editor = bus.wait("the function editor", lambda: bus.window("Фунция       (beta)"))
    names = bus.find(editor, "the function list",
                     lambda a: a.getRole() == bus.pyatspi.ROLE_COMBO_BOX)
    checked(bus, report, "function editor, nothing chosen", [(names, "", None)])
    bus.tab_to(names)
    bus.keys(KEY_DOWN)
    checked(bus, report, "function editor, chosen with the keyboard",
            [(names, FUNCTIONS[0], None)])


def main():
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2

    def give_up(*_):
        raise Failure(f"gave up after {WHOLE_RUN_SECONDS} seconds")
    signal.signal(signal.SIGALRM, give_up)
    signal.alarm(WHOLE_RUN_SECONDS)

    desktop = Desktop(os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2]))
    report = Report()
    try:
        try:
            import gi  # noqa: F401
            gi.require_version("Atspi", "2.0")
            import pyatspi  # noqa: F401
        except (ImportError, ValueError) as error:
            fail(f"python3-pyatspi is missing ({error}); run ./scripts/setup.sh")
        address = desktop.start()
        bus = Bus(address)

        def scenarios():
            for scenario in (report_window, catalogue_cards, find_fields, year_summary,
                             function_editor):
                desktop.start_program()
                bus.wait("the program on the accessibility bus", bus.application, 30)
                try:
                    scenario(bus, report)
                except Failure as error:
                    report.failures.append(f"{scenario.__name__}: {error}")
                    report.lines.append(f"{scenario.__name__}: stopped: {error}")
                    report.lines.append("the program wrote:\n" + desktop.stop_program()[-3000:])
                desktop.stop_program()
                bus.wait("the program to leave the bus", lambda: bus.application() is None, 15)
        bus.run_as_screen_reader(scenarios)
    except Failure as error:
        report.failures.append(str(error))
    finally:
        signal.alarm(0)
        desktop.stop()

    print("\n".join(report.lines))
    if report.failures:
        print(f"\nFAILED: {len(report.failures)} problem(s)", file=sys.stderr)
        for f in report.failures:
            print("  " + f, file=sys.stderr)
        return 1
    print("\nPASSED: every list says the entry its window shows")
    return 0


if __name__ == "__main__":
    sys.exit(main())
