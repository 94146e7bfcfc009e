# SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The strategy test window as a screen reader user meets it.

Started by tests/ui/gemeinsam/atspi_lauf.sh inside a private D-Bus session and an Xvfb display, the program with
its sample data. Through AT-SPI alone: open the window from the main window's tool bar; every
button, field, spin box and combo box of it has a name (a combo box the text it shows, a field its
buddy label); add the sample ticket through the dialog, whose controls are named alike; test it
and hear the placement of the ticket among the fair histories.
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "gemeinsam"))

import pyatspi  # noqa: E402

from atspi_hilfen import DRUECKEN, aktion, alle, beende, beschriftungen, bild, hat, starte_beispiel, suche, warte  # noqa: E402

STEUERELEMENTE = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_COMBO_BOX,
                  pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_RADIO_BUTTON}


def fenster(app, teil, genau=False):
    def finden():
        for f in alle(app, lambda o: o.getRole() in (pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG)):
            if (f.name == teil if genau else teil in f.name) and hat(f, pyatspi.STATE_SHOWING):
                return f
        return None
    return warte(finden, 'the window "%s"' % teil)


def ohne_namen(wurzel):
    """The shown controls that a screen reader cannot name."""
    ohne = []
    for o in alle(wurzel, lambda o: o.getRole() in STEUERELEMENTE and hat(o, pyatspi.STATE_SHOWING)):
        if o.getRole() == pyatspi.ROLE_TEXT and o.parent.getRole() in (pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_COMBO_BOX):
            continue
        if not o.name.strip() and not [b for b in beschriftungen(o) if b.strip()]:
            ohne.append("%s in %s" % (o.getRoleName(), o.parent.name or o.parent.getRoleName()))
    return ohne


def combo_zeigt_text(wurzel):
    """Each combo box is named by the text it shows, as Qt's own are on Linux."""
    for box in alle(wurzel, lambda o: o.getRole() == pyatspi.ROLE_COMBO_BOX and hat(o, pyatspi.STATE_SHOWING)):
        assert box.name, "a combo box without a name, labelled %s" % beschriftungen(box)


def demo_schein():
    """The sample ticket the program's sample data folder holds."""
    for wurzel, _, dateien in os.walk(os.environ["HOME"]):
        if "Demo-Tippschein.qtt" in dateien:
            return os.path.join(wurzel, "Demo-Tippschein.qtt")
    return None


def main():
    lauf, app = starte_beispiel(sys.argv[1])
    try:
        knopf = warte(lambda: suche(app, pyatspi.ROLE_PUSH_BUTTON, "Strategien gegen den Zufall testen"),
                      "the tool bar button of the strategy test")
        warte(lambda: hat(knopf, pyatspi.STATE_SENSITIVE), "the tool bar button to be usable")
        aktion(knopf, DRUECKEN)
        test = fenster(app, "Strategietest")
        ohne = ohne_namen(test)
        assert not ohne, "controls without a name: %s" % ohne
        combo_zeigt_text(test)
        for name in ("von:", "bis:", "Zufällige Verläufe:", "Startwert:"):
            feld = warte(lambda: next(iter(alle(test, lambda o: name in beschriftungen(o))), None),
                         'a field labelled "%s"' % name)
            assert feld.getRole() in STEUERELEMENTE, "%s is a %s" % (name, feld.getRoleName())

        aktion(suche(test, pyatspi.ROLE_PUSH_BUTTON, "Hinzufügen..."), DRUECKEN)
        dialog = fenster(app, "Strategie", genau=True)
        art = warte(lambda: suche(dialog, pyatspi.ROLE_COMBO_BOX, "Art:"), 'the combo box "Art:"')
        assert art.name == "Fester Schein", "the kind shows %r" % art.name
        datei = warte(lambda: suche(dialog, pyatspi.ROLE_TEXT, "Tippschein:"), 'the field "Tippschein:"')
        datei.queryEditableText().setTextContents(warte(demo_schein, "the sample ticket"))
        name = suche(dialog, pyatspi.ROLE_TEXT, "Name:")
        name.queryEditableText().setTextContents("Demo")
        ohne = ohne_namen(dialog)
        assert not ohne, "controls of the dialog without a name: %s" % ohne
        combo_zeigt_text(dialog)
        bild("strategie-dialog")
        aktion(suche(dialog, pyatspi.ROLE_PUSH_BUTTON, "OK"), DRUECKEN)
        warte(lambda: not hat(dialog, pyatspi.STATE_SHOWING), "the dialog to close")

        verlaeufe = suche(test, pyatspi.ROLE_SPIN_BUTTON, "Zufällige Verläufe:")
        verlaeufe.queryValue().currentValue = 200
        aktion(suche(test, pyatspi.ROLE_PUSH_BUTTON, "Testen"), DRUECKEN)
        satz = warte(lambda: next(iter(alle(test, lambda o: o.getRole() == pyatspi.ROLE_LABEL
                                            and "Demo: " in o.name and "%" in o.name)), None),
                     "the placement of the rule")
        bild("strategietest-atspi")
        print("PASS: every control named; the ticket is placed: %s" % satz.name.splitlines()[1])
    finally:
        beende(lauf)


if __name__ == "__main__":
    try:
        main()
    except AssertionError as fehler:
        print("FAIL:", fehler)
        sys.exit(1)
