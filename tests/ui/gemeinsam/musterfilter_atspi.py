# SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The generator's pattern filter and the statistics' pattern page as a screen reader user meets them.

Started by tests/ui/gemeinsam/atspi_lauf.sh inside a private D-Bus session and an Xvfb display. The program
runs with its sample data. Through AT-SPI alone: open the generator from the tool bar, find the
"Filter" group with its five check boxes (each with an Alt key of its own) and their named fields,
switch the sum filter on and hear the count of possible rows fall; then open the statistics, turn
to the "Muster" page and find its pattern choice with the five patterns.
"""
import re
import sys

import pyatspi

from atspi_hilfen import DRUECKEN, aktion, alle, beende, beschriftungen, bild, hat, starte_beispiel, suche, warte

ALLE_REIHEN = 1906884  # five of 49

# Each check box of the filter and the names of its fields.
SCHALTER = [
    ("Summe von", ["Summe von", "Summe bis"]),
    ("Gerade Zahlen von", ["Gerade Zahlen von", "Gerade Zahlen bis"]),
    ("Kleine Zahlen (1–24) von", ["Kleine Zahlen (1–24) von", "Kleine Zahlen (1–24) bis"]),
    ("Längste Folge höchstens", ["Längste Folge höchstens"]),
    ("Je Zehnergruppe höchstens", ["Je Zehnergruppe höchstens"]),
]

MUSTER = ["Summe der Zahlen", "Gerade Zahlen", "Kleine Zahlen (1–24)", "Längste Folge",
          "Höchstens … je Zehnergruppe"]


def moeglich(gruppe):
    """The label telling the possible rows, and the count it tells."""
    labels = alle(gruppe, lambda o: o.getRole() == pyatspi.ROLE_LABEL and o.name.startswith("Mögliche Reihen: "))
    assert len(labels) == 1, "%d labels tell the possible rows" % len(labels)
    text = labels[0].name
    assert re.fullmatch(r"Mögliche Reihen: \d{1,3}(\.\d{3})*", text), "the label reads %r" % text
    return labels[0], int(text.split(": ")[1].replace(".", ""))


def befehl(app, name):
    """Runs a shared command through its tool bar button, as a screen reader user presses it."""
    knopf = warte(lambda: suche(app, pyatspi.ROLE_PUSH_BUTTON, name), 'the tool bar button "%s"' % name)
    warte(lambda: hat(knopf, pyatspi.STATE_SENSITIVE), 'the button "%s" to be usable' % name)
    aktion(knopf, DRUECKEN)


def tasten(objekt):
    """The Alt keys its actions tell, as a screen reader announces them."""
    if "Action" not in objekt.get_interfaces():
        return set()
    a = objekt.queryAction()
    return {a.getKeyBinding(i).lower() for i in range(a.nActions)} - {""}


def pruefe_tasten(gruppe, schalter):
    """Each check box has an Alt key of its own in the whole window."""
    fenster = gruppe
    while fenster.getRole() != pyatspi.ROLE_FRAME:
        fenster = fenster.parent
    belegt = {}
    for objekt in alle(fenster, lambda o: tasten(o)):
        for taste in tasten(objekt):
            belegt.setdefault(taste, []).append(objekt.name)
    for name, kasten in schalter.items():
        eigene = tasten(kasten)
        assert len(eigene) == 1 and next(iter(eigene)).startswith("alt+"), '"%s" has the keys %s' % (name, eigene)
        taste = next(iter(eigene))
        assert belegt[taste] == [name], "%s is taken by %s" % (taste, belegt[taste])


def pruefe_filter(app):
    gruppe = warte(lambda: suche(app, pyatspi.ROLE_PANEL, "Filter") or suche(app, pyatspi.ROLE_GROUPING, "Filter"),
                   'the group "Filter"')
    felder = alle(gruppe, lambda o: o.getRole() == pyatspi.ROLE_SPIN_BUTTON)
    assert all(f.name for f in felder), "a field of the filter has no name"
    namen = sorted(f.name for f in felder)
    assert namen == sorted(n for _, feldnamen in SCHALTER for n in feldnamen), "the fields are named %s" % namen
    schalter = {}
    for name, feldnamen in SCHALTER:
        treffer = alle(gruppe, lambda o: o.getRole() == pyatspi.ROLE_CHECK_BOX and o.name == name)
        assert len(treffer) == 1, 'check box "%s" found %d times' % (name, len(treffer))
        assert not hat(treffer[0], pyatspi.STATE_CHECKED), '"%s" is on at the start' % name
        schalter[name] = treffer[0]
        for feldname in feldnamen:
            feld = next(f for f in felder if f.name == feldname)
            assert not hat(feld, pyatspi.STATE_SENSITIVE), 'the field "%s" is usable with its filter off' % feldname
    pruefe_tasten(gruppe, schalter)
    label, anzahl = moeglich(gruppe)
    assert anzahl == ALLE_REIHEN, "the label reads %r" % label.name

    # The sum filter on: its fields become usable and fewer rows remain possible.
    aktion(schalter["Summe von"], ("Toggle", "toggle", "Press", "press", "click"))
    warte(lambda: hat(schalter["Summe von"], pyatspi.STATE_CHECKED), '"Summe von" to be on')
    weniger = warte(lambda: moeglich(gruppe)[1] < ALLE_REIHEN and moeglich(gruppe)[1],
                    "the possible rows to fall below %d" % ALLE_REIHEN)
    assert weniger > 0, "no row remains possible"
    for feldname in ("Summe von", "Summe bis"):
        feld = next(f for f in felder if f.name == feldname)
        warte(lambda: hat(feld, pyatspi.STATE_SENSITIVE) and hat(feld, pyatspi.STATE_ENABLED),
              'the field "%s" to become usable' % feldname)
    return weniger


def pruefe_musterseite(app):
    tabs = {}
    for name in ("Zusatzzahl", "Muster"):
        tabs[name] = warte(lambda: suche(app, pyatspi.ROLE_PAGE_TAB, name), 'the page tab "%s"' % name)
    leiste = tabs["Muster"].parent
    assert leiste.getRole() == pyatspi.ROLE_PAGE_TAB_LIST, leiste.getRoleName()
    assert tabs["Zusatzzahl"].parent == leiste, "the two pages are not tabs of one list"
    try:
        leiste.querySelection().selectChild(tabs["Muster"].getIndexInParent())
    except NotImplementedError:  # Qt's tab bar offers no selection: the tab is pressed instead
        aktion(tabs["Muster"], ("Press", "press", "click", "SetFocus"))
    # Qt marks the current tab not as selected but names the tab list after it.
    warte(lambda: hat(tabs["Muster"], pyatspi.STATE_SELECTED) or leiste.name == "Muster",
          'the page "Muster" to be chosen')

    def wahl_finden():
        for box in alle(leiste.parent, lambda o: o.getRole() == pyatspi.ROLE_COMBO_BOX):
            if "Muster" in [box.name] + [b.rstrip(":") for b in beschriftungen(box)] and hat(box, pyatspi.STATE_SHOWING):
                return box
        return None

    wahl = warte(wahl_finden, 'the combo box labelled "Muster" in view')
    assert wahl.childCount == 1, "the combo box has %d children" % wahl.childCount
    if wahl[0].childCount == 0:
        aktion(wahl, ("ShowMenu", "Press", "press"))
        warte(lambda: wahl[0].childCount > 0, "the patterns to be listed")
    eintraege = [wahl[0][i].name for i in range(wahl[0].childCount)]
    assert eintraege == MUSTER, "the patterns listed are %s" % eintraege
    return wahl


def main():
    lauf, app = starte_beispiel(sys.argv[1])
    try:
        befehl(app, "Zufallsreihen erzeugen")
        weniger = pruefe_filter(app)
        bild("zufall-summenfilter")
        befehl(app, "Statistik der Gewinnzahlen")
        pruefe_musterseite(app)
        bild("statistik-muster")
        print("PASS: five filters named, sum filter on leaves %d of %d rows; patterns page lists %d patterns"
              % (weniger, ALLE_REIHEN, len(MUSTER)))
    finally:
        beende(lauf)


if __name__ == "__main__":
    try:
        main()
    except AssertionError as fehler:
        print("FAIL:", fehler)
        sys.exit(1)
