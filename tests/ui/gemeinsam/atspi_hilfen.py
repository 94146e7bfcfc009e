# SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""What the AT-SPI checks share: waiting without relying on timing, searching the tree as a screen
reader does (by role and name or buddy label), actions, and starting the program with its sample
data past the start window."""
import os
import subprocess
import time

import pyatspi

FRIST = 60.0  # seconds any one step may take on a busy machine; no step relies on timing


def warte(bedingung, was):
    ende = time.monotonic() + FRIST
    zuletzt = None
    while time.monotonic() < ende:
        try:
            wert = bedingung()
        except Exception as fehler:  # an object that went away meanwhile, or a reading not yet right
            wert, zuletzt = None, fehler
        if wert:
            return wert
        time.sleep(0.2)
    raise AssertionError("timed out waiting for " + was + (" (last: %s)" % zuletzt if zuletzt else ""))


def hat(objekt, zustand):
    return objekt.getState().contains(zustand)


# Tables and lists are not searched: a grid of the history has thousands of cells.
GROSS = {pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX,
         pyatspi.ROLE_TREE}


def beschriftungen(objekt):
    """The names of the labels that label it (its buddy labels)."""
    namen = []
    for beziehung in objekt.getRelationSet():
        if beziehung.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            namen.extend(beziehung.getTarget(i).name for i in range(beziehung.getNTargets()))
    return namen


def beschriftet(objekt, name):
    """Named so, or labelled so by its buddy label."""
    return objekt.name == name or name in beschriftungen(objekt)


def alle(wurzel, passt):
    """Every object below the root (big tables and lists not entered) that fits."""
    gefunden = []
    offen = [wurzel]
    while offen:
        objekt = offen.pop(0)
        try:
            if passt(objekt):
                gefunden.append(objekt)
            if objekt.getRole() in GROSS:
                continue
            offen.extend(objekt[i] for i in range(objekt.childCount))
        except Exception:  # an object that went away meanwhile
            continue
    return gefunden


def suche(wurzel, rolle, name):
    treffer = alle(wurzel, lambda o: o.getRole() == rolle and beschriftet(o, name))
    return treffer[0] if treffer else None


def programm_finden(pid):
    for app in pyatspi.Registry.getDesktop(0):
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            continue
    return None


def aktion(objekt, namen):
    a = objekt.queryAction()
    for i in range(a.nActions):
        if a.getName(i) in namen:
            a.doAction(i)
            return
    raise AssertionError("no action %s among %s" % (namen, [a.getName(i) for i in range(a.nActions)]))


DRUECKEN = ("Press", "press", "click")


def taste(name):
    """Presses and releases a key on the display (an X key name such as "Up"), as the user would.
    The AT-SPI registry of the private bus does not reach the display, so xdotool types it."""
    subprocess.run(["xdotool", "key", name], check=True)


def starte_beispiel(programm):
    """The program with its sample data, started and past the start window: (process, its application)."""
    lauf = subprocess.Popen([programm, "--beispiel"])
    try:
        app = warte(lambda: programm_finden(lauf.pid), "the program on the accessibility bus")
        weiter = warte(lambda: suche(app, pyatspi.ROLE_PUSH_BUTTON, "Weiter"), 'the button "Weiter"')
        warte(lambda: hat(weiter, pyatspi.STATE_SENSITIVE), 'the start to finish')
        aktion(weiter, DRUECKEN)
    except BaseException:
        beende(lauf)
        raise
    return lauf, app


def beende(lauf):
    lauf.terminate()
    try:
        lauf.wait(timeout=20)
    except subprocess.TimeoutExpired:
        lauf.kill()


def bild(name):
    """The whole screen saved as NAME.png where QUINTARO_BILDER asks for pictures."""
    bilder = os.environ.get("QUINTARO_BILDER")
    if bilder:
        os.makedirs(bilder, exist_ok=True)
        subprocess.run(["import", "-window", "root", os.path.join(bilder, name + ".png")], check=False)
