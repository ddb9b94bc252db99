#!/usr/bin/python3
"""notification_stub.py LOG: a desktop notification service that writes each call to LOG, one a
line, and hands out ids from 42. LOG is made once the service is on the bus."""
import sys

import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

NAME = "org.freedesktop.Notifications"


class Notifications(dbus.service.Object):
    last_id = 41

    @dbus.service.method(NAME, in_signature="susssasa{sv}i", out_signature="u")
    def Notify(self, app, replaces, icon, summary, body, actions, hints, timeout):
        self.last_id += 1
        print(f"Notify|{app}|{summary}|{body}|urgency={int(hints.get('urgency', -1))}|timeout={timeout}|replaces={replaces}|id={self.last_id}", file=log)
        return self.last_id

    @dbus.service.method(NAME, in_signature="u", out_signature="")
    def CloseNotification(self, notification_id):
        print(f"CloseNotification|{int(notification_id)}", file=log)


DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
service, name = Notifications(bus, "/org/freedesktop/Notifications"), dbus.service.BusName(NAME, bus)
log = open(sys.argv[1], "a", buffering=1)
GLib.MainLoop().run()
