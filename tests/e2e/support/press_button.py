#!/usr/bin/python3
"""Presses a push button of a running program through the accessibility bus, as a screen
reader user would. Usage: press_button.py APPLICATION BUTTON"""
import sys
import time

import pyatspi


def find_button(node, name):
    if node is None:
        return None
    if node.getRole() == pyatspi.ROLE_PUSH_BUTTON and node.name == name:
        return node
    for child in node:
        found = find_button(child, name)
        if found is not None:
            return found
    return None


def main():
    app_name, button_name = sys.argv[1], sys.argv[2]
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == app_name:
                button = find_button(app, button_name)
                if button is not None:
                    button.queryAction().doAction(0)
                    return 0
        time.sleep(0.1)
    return 1


if __name__ == "__main__":
    sys.exit(main())
