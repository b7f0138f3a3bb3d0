#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Wendrix
#
# SPDX-License-Identifier: MIT

"""Prints what the widgets of a running Qt program say, as a screen reader hears it: one line
per accessible object, "ROLE: NAME" (for example "push button: Load..."); a push button that is
disabled adds " (disabled)", and a text view adds " = " and its text with line breaks as blanks
(the report). Read over the AT-SPI accessibility bus that belongs to the session bus in
DBUS_SESSION_BUS_ADDRESS. The program must run on that session bus with
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 (see start_accessibility in xsession.sh).

Usage: window_texts.py PID
"""
import sys
import time

import dbus

ACCESSIBLE = "org.a11y.atspi.Accessible"
TEXT = "org.a11y.atspi.Text"
ROOT = "/org/a11y/atspi/accessible/root"
BUS_DAEMON = "org.freedesktop.DBus"
STATE_ENABLED = 8  # AtspiStateType
MAX_OBJECTS = 2000  # a window of ours has a few dozen; more means a cycle


def connection_of(bus, pid):
    """The program's unique name on the accessibility bus, or None while it has not joined."""
    daemon = bus.get_object(BUS_DAEMON, "/org/freedesktop/DBus", introspect=False)
    for name in daemon.ListNames(dbus_interface=BUS_DAEMON):
        if not name.startswith(":") or name == bus.get_unique_name():
            continue
        try:
            if daemon.GetConnectionUnixProcessID(name, dbus_interface=BUS_DAEMON) == pid:
                return name
        except dbus.DBusException:
            pass  # left the bus meanwhile
    return None


def texts(bus, name):
    lines = []
    pending = [(name, ROOT)]
    while pending:
        if len(lines) > MAX_OBJECTS:
            raise RuntimeError("more than %d accessible objects" % MAX_OBJECTS)
        owner, path = pending.pop()
        node = bus.get_object(owner, path, introspect=False)
        role = node.GetRoleName(dbus_interface=ACCESSIBLE)
        text = node.Get(ACCESSIBLE, "Name", dbus_interface=dbus.PROPERTIES_IFACE)
        line = "%s: %s" % (role, " ".join(text.split("\n")))
        states = node.GetState(dbus_interface=ACCESSIBLE)
        if role == "push button" and not states[0] & (1 << STATE_ENABLED):
            line += " (disabled)"
        if role == "text" and TEXT in node.GetInterfaces(dbus_interface=ACCESSIBLE):
            content = node.GetText(0, -1, dbus_interface=TEXT)
            line += " = " + " ".join(content.split())
        lines.append(line)
        children = node.GetChildren(dbus_interface=ACCESSIBLE)
        pending.extend(reversed([(str(o), str(p)) for o, p in children]))
    return lines


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__.strip())
    pid = int(sys.argv[1])
    session = dbus.SessionBus()
    address = session.call_blocking("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus",
                                    "GetAddress", "", [])
    bus = dbus.bus.BusConnection(str(address))
    # The program joins the bus and publishes its objects shortly after it starts.
    deadline = time.monotonic() + 10
    while True:
        name = connection_of(bus, pid)
        if name:
            try:
                lines = texts(bus, name)
                break
            except dbus.DBusException as error:
                if time.monotonic() > deadline:
                    sys.exit("window_texts.py: cannot read process %d: %s" % (pid, error))
        elif time.monotonic() > deadline:
            sys.exit("window_texts.py: process %d is not on the accessibility bus" % pid)
        time.sleep(0.2)
    print("\n".join(lines))


if __name__ == "__main__":
    main()
