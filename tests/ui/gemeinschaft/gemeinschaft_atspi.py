# SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The syndicate window as a screen reader user meets it.

Started by tests/ui/gemeinsam/atspi_lauf.sh inside a private D-Bus session and an Xvfb display. The program
runs with its sample data; the command line beside it makes a syndicate of three members that
plays the sample ticket and settles it, and the settings name it as the one used last. Through
AT-SPI alone: open the window from the tool bar, find its pages, every control named (by its own
name or its buddy label), the three members in their table; book a payment through the dialog and
find one more entry in the ledger.
"""
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "gemeinsam"))

import pyatspi  # noqa: E402

from atspi_hilfen import DRUECKEN, aktion, alle, beende, beschriftungen, bild, hat, starte_beispiel, suche, warte  # noqa: E402

BEFEHL = "Tippgemeinschaft: Mitglieder, Kasse, Abrechnung"
STEUERELEMENTE = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_SPIN_BUTTON,
                  pyatspi.ROLE_TEXT, pyatspi.ROLE_DATE_EDITOR}


def cli(programm, *argumente):
    befehl = [os.path.join(os.path.dirname(programm), "quintaro-analyser-cli")] + list(argumente)
    subprocess.run(befehl, check=True, stdout=subprocess.DEVNULL)


def syndikat_anlegen(programm):
    daten = os.path.join(os.environ["XDG_CACHE_HOME"], "Quintaro Analyser", "Beispieldaten")
    datei = os.path.join(os.environ["HOME"], "Verein.qtgem")
    schein = os.path.join(daten, "Demo-Tippschein.qtt")
    warte(lambda: os.path.exists(schein), "the sample data")
    g = ["gemeinschaft", datei]
    cli(programm, *g, "anlegen", "--name", "Verein")
    for name, anteile in (("Anna", "2"), ("Bert", "1"), ("Carla", "1")):
        cli(programm, *g, "mitglied", "hinzufuegen", name, "--anteile", anteile, "--ab", "2020-01-01")
    cli(programm, *g, "schein", "hinzufuegen", schein, "--ab", "2020-01-01")
    cli(programm, *g, "abrechnen", "--daten", daten)
    with open(os.path.join(daten, "Einstellungen.ini"), "a", encoding="utf-8") as f:
        f.write("\n[Tippgemeinschaft]\nZiehungen=4\nDatei1=%s\n" % datei)


def unbenannt(fenster):
    """The shown controls of the window that have neither a name nor a buddy label."""
    ohne = []
    for o in alle(fenster, lambda o: o.getRole() in STEUERELEMENTE and hat(o, pyatspi.STATE_SHOWING)):
        if not o.name.strip() and not beschriftungen(o):
            ohne.append("%s in %s" % (o.getRoleName(), o.parent.getRoleName()))
    return ohne


def seite(fenster, name):
    tab = warte(lambda: suche(fenster, pyatspi.ROLE_PAGE_TAB, name), 'the page tab "%s"' % name)
    try:
        tab.parent.querySelection().selectChild(tab.getIndexInParent())
    except NotImplementedError:
        aktion(tab, ("Press", "press", "click", "SetFocus"))
    warte(lambda: hat(tab, pyatspi.STATE_SELECTED) or tab.parent.name == name, 'the page "%s"' % name)


def tabelle(fenster, name):
    return warte(lambda: next(iter(alle(fenster, lambda o: o.getRole() == pyatspi.ROLE_TABLE and o.name == name)), None),
                 'the table "%s"' % name)


def zeilen(t):
    return t.queryTable().nRows


def main():
    lauf, app = starte_beispiel(sys.argv[1])
    try:
        syndikat_anlegen(sys.argv[1])
        knopf = warte(lambda: suche(app, pyatspi.ROLE_PUSH_BUTTON, BEFEHL), 'the tool bar button "%s"' % BEFEHL)
        aktion(knopf, DRUECKEN)
        fenster = warte(lambda: suche(app, pyatspi.ROLE_FRAME, "Tippgemeinschaft Verein"), "the window")
        mitglieder = tabelle(fenster, "Mitglieder und Konten")
        assert zeilen(mitglieder) == 3, "the members table has %d rows" % zeilen(mitglieder)
        stand = [o.name for o in alle(fenster, lambda o: o.getRole() == pyatspi.ROLE_LABEL and o.name.startswith("Kasse:"))]
        assert stand, "no label tells the cash"
        fehlend = unbenannt(fenster)
        assert not fehlend, "controls without a name: %s" % fehlend
        bild("gemeinschaft-mitglieder-atspi")

        seite(fenster, "Kasse")
        kasse = tabelle(fenster, "Kasse")
        vorher = zeilen(kasse)
        assert vorher > 0, "the ledger is empty after settling"
        for box, beschriftung in (("alle Mitglieder", "Mitglied:"), ("alle Arten", "Art:")):
            treffer = alle(fenster, lambda o: o.getRole() == pyatspi.ROLE_COMBO_BOX and o.name == box)
            assert treffer and beschriftung in beschriftungen(treffer[0]), 'the combo box "%s" labelled "%s"' % (box, beschriftung)
        fehlend = unbenannt(fenster)
        assert not fehlend, "controls without a name on the ledger: %s" % fehlend

        seite(fenster, "Mitglieder")
        aktion(warte(lambda: suche(fenster, pyatspi.ROLE_PUSH_BUTTON, "Einzahlung..."), 'the button "Einzahlung..."'),
               DRUECKEN)
        dialog = warte(lambda: suche(app, pyatspi.ROLE_DIALOG, "Einzahlung"), 'the dialog "Einzahlung"')
        betrag = warte(lambda: suche(dialog, pyatspi.ROLE_TEXT, "Betrag in Euro:"), 'the field "Betrag in Euro:"')
        for feld in ("Datum:", "Text:"):
            assert any(feld in beschriftungen(o) or o.name == feld for o in alle(dialog, lambda o: o.getRole() in STEUERELEMENTE)), \
                'no field labelled "%s"' % feld
        assert suche(dialog, pyatspi.ROLE_COMBO_BOX, "Mitglied:"), 'no combo box labelled "Mitglied:"'
        fehlend = unbenannt(dialog)
        assert not fehlend, "controls without a name in the dialog: %s" % fehlend
        betrag.queryEditableText().setTextContents("25,00")
        bild("gemeinschaft-einzahlung-atspi")
        aktion(suche(dialog, pyatspi.ROLE_PUSH_BUTTON, "OK"), DRUECKEN)
        warte(lambda: not hat(dialog, pyatspi.STATE_SHOWING), "the dialog to close")
        seite(fenster, "Kasse")
        warte(lambda: zeilen(tabelle(fenster, "Kasse")) == vorher + 1, "one more entry in the ledger")
        print("PASS: window, pages, tables and dialog named; 3 members; payment booked (%d entries)" % (vorher + 1))
    finally:
        beende(lauf)


if __name__ == "__main__":
    try:
        main()
    except AssertionError as fehler:
        print("FAIL:", fehler)
        sys.exit(1)
