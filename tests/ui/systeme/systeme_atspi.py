# SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The systems window as a screen reader user meets it.

Started by tests/ui/gemeinsam/atspi_lauf.sh inside a private D-Bus session and an Xvfb display; the program runs
with its sample data. Through AT-SPI alone: open the window from the tool bar, choose 15 numbers
by their buttons, an abbreviated system with the preset guarantee "3 bei 4", hear the size of the table's system before
building it, build it with a search time of one second and hear its rows; on the way every
control of the window has a name or a label, and every combo box is named by the text it shows.
"""
import os
import re
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "gemeinsam"))

import pyatspi  # noqa: E402

from atspi_hilfen import DRUECKEN, aktion, alle, beende, beschriftungen, bild, hat, starte_beispiel, suche, warte  # noqa: E402

# Number buttons and radio buttons toggle; push buttons press.
SCHALTEN = DRUECKEN + ("Toggle", "toggle")

BEDIENELEMENTE = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_RADIO_BUTTON,
                  pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_TEXT,
                  pyatspi.ROLE_TABLE}


def knopf(wurzel, name):
    return warte(lambda: next(iter(alle(wurzel, lambda o: o.getRole() in (pyatspi.ROLE_PUSH_BUTTON,
                                                                          pyatspi.ROLE_TOGGLE_BUTTON)
                                        and o.name == name)), None), 'the button "%s"' % name)


def label(wurzel, muster):
    treffer = alle(wurzel, lambda o: o.getRole() == pyatspi.ROLE_LABEL and re.search(muster, o.name or ""))
    return treffer[0] if treffer else None


def pruefe_namen(fenster):
    """Every control named or labelled; a combo box named by one of its entries (the one it shows)."""
    ohne = []
    for o in alle(fenster, lambda o: o.getRole() in BEDIENELEMENTE and hat(o, pyatspi.STATE_SHOWING)):
        if not o.name and not beschriftungen(o):
            ohne.append(o.getRoleName())
        if o.getRole() == pyatspi.ROLE_COMBO_BOX:
            # Named by an entry of its list, not by its label.
            eintraege = [o[0][i].name for i in range(o[0].childCount)] if o.childCount else []
            assert o.name in eintraege, "a combo box is named %r, its entries are %r" % (o.name, eintraege)
    assert not ohne, "controls without a name: %s" % ohne


def main():
    lauf, app = starte_beispiel(sys.argv[1])
    try:
        werkzeug = warte(lambda: suche(app, pyatspi.ROLE_PUSH_BUTTON, "Systeme bilden"), "the tool bar button")
        warte(lambda: hat(werkzeug, pyatspi.STATE_SENSITIVE), "the systems command to be usable")
        aktion(werkzeug, DRUECKEN)
        fenster = warte(lambda: next(iter(alle(app, lambda o: o.getRole() == pyatspi.ROLE_FRAME
                                               and o.name.endswith("Systeme"))), None), "the systems window")
        for zahl in range(1, 16):
            aktion(knopf(fenster, "Zahl %d" % zahl), SCHALTEN)
        warte(lambda: label(fenster, r"^15 Zahlen gewählt$"), "15 numbers chosen")
        kurz = warte(lambda: suche(fenster, pyatspi.ROLE_RADIO_BUTTON, "Kurzsystem"), 'the radio button "Kurzsystem"')
        aktion(kurz, SCHALTEN)
        garantie = warte(lambda: suche(fenster, pyatspi.ROLE_COMBO_BOX, "Garantie:"), 'the combo box "Garantie:"')
        assert "Garantie:" in beschriftungen(garantie), "the guarantee is labelled by %s" % beschriftungen(garantie)
        assert garantie.name == "3 bei 4", 'the guarantee reads %r, not the preset "3 bei 4"' % garantie.name
        vorschau = warte(lambda: label(fenster, r"^Kurzsystem 3 bei 4: [\d.]+ Reihen aus der Systemtabelle"),
                         "the size of the table's system before building")
        tabelle = int(re.search(r": ([\d.]+) Reihen", vorschau.name).group(1).replace(".", ""))
        suchzeit = warte(lambda: suche(fenster, pyatspi.ROLE_SPIN_BUTTON, "Suchzeit:"), 'the field "Suchzeit:"')
        suchzeit.queryValue().currentValue = 1
        pruefe_namen(fenster)
        aktion(knopf(fenster, "System bilden"), DRUECKEN)
        reihen = warte(lambda: label(fenster, r"^[\d.]+ \((aus der Systemtabelle|Systemtabelle: [\d.]+)\)$"),
                       "the rows of the built system")
        gebaut = int(reihen.name.split(" ")[0].replace(".", ""))
        assert gebaut <= tabelle, "%d rows built, the table has %d" % (gebaut, tabelle)
        assert suche(fenster, pyatspi.ROLE_TABLE, "Gewinnchancen des Systems"), "the chance table has no name"
        pruefe_namen(fenster)
        bild("systeme-atspi")
        print("PASS: 15 numbers, 3 bei 4: the table's %d rows told before building, %d built; every control named"
              % (tabelle, gebaut))
    finally:
        beende(lauf)


if __name__ == "__main__":
    try:
        main()
    except AssertionError as fehler:
        print("FAIL:", fehler)
        sys.exit(1)
