#!/usr/bin/python3
"""Presses a push button of a running program through the accessibility bus, as a screen
reader user would. Usage: press_button.py APPLICATION BUTTON"""
import sys
import time

import pyatspi


def main():
    app_name, button_name = sys.argv[1], sys.argv[2]
    is_button = lambda node: node.getRole() == pyatspi.ROLE_PUSH_BUTTON and node.name == button_name
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            button = app and app.name == app_name and pyatspi.findDescendant(app, is_button)
            if button:
                return 0 if button.queryAction().doAction(0) else 1
        time.sleep(0.1)
    return 1


if __name__ == "__main__":
    sys.exit(main())
