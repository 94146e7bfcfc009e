# SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The update window as a screen reader user meets it.

Started by tests/ui/gemeinsam/atspi_lauf.sh inside a private D-Bus session and an Xvfb display, the program with
its sample data. Through AT-SPI alone: open the update window from the tool bar and find, in its
group "Programmversion auf Aktualität prüfen", every button by its name and the two version
fields by their buddy labels; the note "(älter)" stays out of sight until a check finds an older
version.
"""
import os
import sys

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "gemeinsam"))
from atspi_hilfen import DRUECKEN, aktion, alle, beende, bild, hat, starte_beispiel, suche, warte  # noqa: E402

KNOEPFE = ["Prüfen", "Download", "Installation", "Download und Update der Gewinnzahlen"]


def main():
    lauf, app = starte_beispiel(sys.argv[1])
    try:
        befehl = warte(lambda: suche(app, pyatspi.ROLE_PUSH_BUTTON, "Update-Prüfung und Download der Gewinnreihen"),
                       "the tool bar button of the update window")
        warte(lambda: hat(befehl, pyatspi.STATE_SENSITIVE), "the update command to be usable")
        aktion(befehl, DRUECKEN)
        gruppe = warte(lambda: suche(app, pyatspi.ROLE_PANEL, "Programmversion auf Aktualität prüfen"),
                       'the group "Programmversion auf Aktualität prüfen"')
        for name in KNOEPFE:
            warte(lambda: suche(app, pyatspi.ROLE_PUSH_BUTTON, name), 'the button "%s"' % name)
        for name in ("Download", "Installation"):
            knopf = suche(gruppe, pyatspi.ROLE_PUSH_BUTTON, name)
            assert not hat(knopf, pyatspi.STATE_SENSITIVE), 'the button "%s" is usable before a check' % name
        felder = {}
        for beschriftung in ("Installierte Version", "Verfügbare Version"):
            treffer = alle(gruppe, lambda o: o.getRole() == pyatspi.ROLE_LABEL and any(
                beschriftung == b for b in _beschriftungen(o)))
            assert len(treffer) == 1, 'no field labelled "%s" among %s' % (beschriftung, [
                (o.getRoleName(), o.name, _beschriftungen(o)) for o in alle(gruppe, lambda o: True)])
            felder[beschriftung] = treffer[0]
        assert felder["Installierte Version"].name == "1.5.0.0", felder["Installierte Version"].name
        aelter = alle(gruppe, lambda o: o.name == "(älter)")
        assert all(not hat(o, pyatspi.STATE_SHOWING) for o in aelter), 'the note "(älter)" shows before a check'
        # Every control of the group says what it is.
        for o in alle(gruppe, lambda o: o.getRole() in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_LABEL)
                      and hat(o, pyatspi.STATE_SHOWING)):
            assert o.name or _beschriftungen(o), "a %s without a name" % o.getRoleName()
        bild("update-fenster")
        print("PASS: update window: %d buttons named, both version fields labelled" % len(KNOEPFE))
    finally:
        beende(lauf)


def _beschriftungen(objekt):
    namen = []
    for beziehung in objekt.getRelationSet():
        if beziehung.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            namen.extend(beziehung.getTarget(i).name for i in range(beziehung.getNTargets()))
    return namen


if __name__ == "__main__":
    try:
        main()
    except AssertionError as fehler:
        print("FAIL:", fehler)
        sys.exit(1)
