#!/usr/bin/python3
"""notification_stub.py LOG [CAPABILITIES [DELAY]]: a desktop notification service offering CAPABILITIES
("body" unless given) that writes each call to LOG, made once it is on the bus, and hands out ids from 42,
each DELAY seconds after the notification came. Its InvokeAction(id, action) clicks a notification's action."""
import sys
import time

import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

NAME = "org.freedesktop.Notifications"
STUB = "org.example.NotificationStub"


class Notifications(dbus.service.Object):
    last_id = 41

    @dbus.service.method(NAME, in_signature="", out_signature="as")
    def GetCapabilities(self):
        return capabilities

    @dbus.service.method(NAME, in_signature="susssasa{sv}i", out_signature="u")
    def Notify(self, app, replaces, icon, summary, body, actions, hints, timeout):
        time.sleep(delay)
        self.last_id += 1
        offered = f"|actions={','.join(actions)}" if actions else ""
        print(f"Notify|{app}|{summary}|{body}|urgency={int(hints.get('urgency', -1))}|timeout={timeout}|replaces={replaces}|id={self.last_id}{offered}", file=log)
        return self.last_id

    @dbus.service.method(NAME, in_signature="u", out_signature="")
    def CloseNotification(self, notification_id):
        print(f"CloseNotification|{int(notification_id)}", file=log)

    @dbus.service.signal(NAME, signature="us")
    def ActionInvoked(self, notification_id, action):
        pass

    @dbus.service.method(STUB, in_signature="us", out_signature="")
    def InvokeAction(self, notification_id, action):
        self.ActionInvoked(notification_id, action)


DBusGMainLoop(set_as_default=True)
capabilities = (sys.argv[2] if len(sys.argv) > 2 else "body").split(",")
delay = float(sys.argv[3]) if len(sys.argv) > 3 else 0
bus = dbus.SessionBus()
service, name = Notifications(bus, "/org/freedesktop/Notifications"), dbus.service.BusName(NAME, bus)
log = open(sys.argv[1], "a", buffering=1)
GLib.MainLoop().run()
