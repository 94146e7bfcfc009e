# SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Opens the main window's date list through AT-SPI and reads it as a screen reader would.

Started by tests/ui/gemeinsam/atspi_lauf.sh inside a private D-Bus session and an Xvfb display. The program
runs with its sample data (ten years of weekly draws); the list must be the combo box's child,
showing while open, one item per date named by the date, the current date selected; the box
itself is named by the date it shows and labelled by its caption.
"""
import re
import sys

import pyatspi

from atspi_hilfen import aktion, beende, beschriftungen, bild, hat, starte_beispiel, suche, taste, warte


def ausgewaehlt(liste):
    return [i for i in range(liste.childCount) if hat(liste[i], pyatspi.STATE_SELECTED)]


def main():
    lauf, app = starte_beispiel(sys.argv[1])
    try:
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

        bild("datumsliste-offen")

        # As any combo box on Linux, the box is read by the date it shows, its caption comes by
        # the labelled-by relation; choosing another draw changes the name a screen reader says.
        assert liste_box.name == namen[-1], "the box is named %r, not its date" % liste_box.name
        assert "Ziehung" in beschriftungen(liste_box), beschriftungen(liste_box)
        taste("Up")
        taste("Return")
        warte(lambda: not hat(liste_box, pyatspi.STATE_EXPANDED), "the list to close")
        warte(lambda: liste_box.name == namen[-2], "the box to say the chosen date %s (it says %r)"
              % (namen[-2], liste_box.name))

        # Keys in the open list are checked by the window test (datumslisteAufklappen).
        print("PASS: %d dates, %s selected, then %s chosen" % (anzahl, namen[-1], namen[-2]))
    finally:
        beende(lauf)


if __name__ == "__main__":
    try:
        main()
    except AssertionError as fehler:
        print("FAIL:", fehler)
        sys.exit(1)
