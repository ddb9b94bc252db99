#!/usr/bin/python3
"""A desktop notification service for the tests: it writes each call to a log, one line
each, and hands out ids from 41. Usage: notification_stub.py LOG READY-FILE"""
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

NAME = "org.freedesktop.Notifications"


class Notifications(dbus.service.Object):
    def __init__(self, bus, log):
        super().__init__(bus, "/org/freedesktop/Notifications")
        self.log = log
        self.next_id = 41

    def write(self, line):
        with open(self.log, "a") as log:
            log.write(line + "\n")

    @dbus.service.method(NAME, in_signature="susssasa{sv}i", out_signature="u")
    def Notify(self, app, replaces, icon, summary, body, actions, hints, timeout):
        self.next_id += 1
        self.write(f"Notify|{app}|{summary}|{body}|urgency={int(hints.get('urgency', -1))}"
                   f"|id={self.next_id}")
        return self.next_id

    @dbus.service.method(NAME, in_signature="u", out_signature="")
    def CloseNotification(self, notification_id):
        self.write(f"CloseNotification|{int(notification_id)}")

    @dbus.service.method(NAME, in_signature="", out_signature="as")
    def GetCapabilities(self):
        return ["body"]


def main():
    log, ready = sys.argv[1], sys.argv[2]
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    name = dbus.service.BusName(NAME, bus)
    service = Notifications(bus, log)
    open(ready, "w").close()
    GLib.MainLoop().run()
    del name, service


if __name__ == "__main__":
    main()
