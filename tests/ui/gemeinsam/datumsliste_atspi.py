"""Opens the main window's date list through AT-SPI and reads it as a screen reader would.

Started by datumsliste_atspi.sh inside a private D-Bus session and an Xvfb display. The program
runs with its sample data (ten years of weekly draws); the list must be the combo box's child,
showing while open, one item per date named by the date, the current date selected.
"""
import os
import re
import subprocess
import sys
import time

import pyatspi

FRIST = 60.0  # seconds any one step may take on a busy machine; no step relies on timing


def warte(bedingung, was):
    ende = time.monotonic() + FRIST
    while time.monotonic() < ende:
        wert = bedingung()
        if wert:
            return wert
        time.sleep(0.2)
    raise AssertionError("timed out waiting for " + was)


def hat(objekt, zustand):
    return objekt.getState().contains(zustand)


# Tables and lists are not searched: a grid of the history has thousands of cells.
GROSS = {pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX,
         pyatspi.ROLE_TREE}


def beschriftet(objekt, name):
    """Named so, or labelled so by its buddy label."""
    if objekt.name == name:
        return True
    for beziehung in objekt.getRelationSet():
        if beziehung.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            if any(beziehung.getTarget(i).name == name for i in range(beziehung.getNTargets())):
                return True
    return False


def suche(wurzel, rolle, name):
    offen = [wurzel]
    while offen:
        objekt = offen.pop(0)
        try:
            if objekt.getRole() == rolle and beschriftet(objekt, name):
                return objekt
            if objekt.getRole() in GROSS:
                continue
            offen.extend(objekt[i] for i in range(objekt.childCount))
        except Exception:  # an object that went away meanwhile
            continue
    return None


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


def ausgewaehlt(liste):
    return [i for i in range(liste.childCount) if hat(liste[i], pyatspi.STATE_SELECTED)]


def main():
    programm = sys.argv[1]
    lauf = subprocess.Popen([programm, "--beispiel"])
    try:
        app = warte(lambda: programm_finden(lauf.pid), "the program on the accessibility bus")
        weiter = warte(lambda: suche(app, pyatspi.ROLE_PUSH_BUTTON, "Weiter"), 'the button "Weiter"')
        warte(lambda: hat(weiter, pyatspi.STATE_SENSITIVE), 'the start to finish')
        aktion(weiter, ("Press", "press", "click"))

        liste_box = warte(lambda: suche(app, pyatspi.ROLE_COMBO_BOX, "Ziehung"), 'the date list "Ziehung"')
        assert liste_box.childCount == 1, "the combo box has %d children" % liste_box.childCount
        liste = liste_box[0]
        assert liste.getRole() in (pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX), liste.getRoleName()
        assert not hat(liste, pyatspi.STATE_SHOWING), "the closed list is showing"

        aktion(liste_box, ("ShowMenu", "Press", "press"))
        warte(lambda: hat(liste_box[0], pyatspi.STATE_SHOWING), "the opened list to show")
        liste = liste_box[0]
        assert hat(liste_box, pyatspi.STATE_EXPANDED), "the combo box is not expanded"

        anzahl = liste.childCount
        assert anzahl > 400, "only %d dates" % anzahl
        namen = [liste[i].name for i in range(anzahl)]
        for name in namen:
            assert re.fullmatch(r"\d\d\.\d\d\.\d{4}", name), "item named %r" % name
        tage = [tuple(reversed(n.split("."))) for n in namen]
        assert tage == sorted(set(tage)), "dates not one per draw in order"
        assert all(liste[i].getRole() == pyatspi.ROLE_LIST_ITEM for i in (0, anzahl - 1))

        # The newest draw is the current one: selected, in view, and the box's value.
        assert ausgewaehlt(liste) == [anzahl - 1], ausgewaehlt(liste)
        assert hat(liste[anzahl - 1], pyatspi.STATE_SHOWING), "the current date is not in view"
        assert not hat(liste[0], pyatspi.STATE_SHOWING), "the oldest date is in view"

        bilder = os.environ.get("QUINTARO_BILDER")
        if bilder:
            os.makedirs(bilder, exist_ok=True)
            subprocess.run(["import", "-window", "root", os.path.join(bilder, "datumsliste-offen.png")], check=False)

        # Keys in the open list are checked by the window test (datumslisteAufklappen).
        print("PASS: %d dates, %s selected" % (anzahl, namen[-1]))
    finally:
        lauf.terminate()
        try:
            lauf.wait(timeout=20)
        except subprocess.TimeoutExpired:
            lauf.kill()


if __name__ == "__main__":
    try:
        main()
    except AssertionError as fehler:
        print("FAIL:", fehler)
        sys.exit(1)
