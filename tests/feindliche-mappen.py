#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes hostile workbooks and CSV files into the folder given, small on the disk and huge or
deep once read:
    python3 tests/feindliche-mappen.py FOLDER [--klein | --nur leere-zellen.xlsx]
With --klein only the files of at most 64 KB are written (the seeds of the fuzz targets), with
--nur leere-zellen.xlsx only that one.

  tief-span.ods          100,000 nested text:span in a cell (5 KB)
  tief-gruppen.ods       1,000,000 nested table:table-row-group
  leere-zellen.xlsx      2 x 132 MB of empty <c/> and <si/> (323 KB)
  zeilen.xlsx            a sheet of 1,000,000 rows of 7 cells (120 MB of XML)
  bombe.xlsx             a sheet that unpacks to 1 GB of blanks
  luege-klein.xlsx       a sheet whose zip headers claim 60 bytes and that unpacks to 200 MB
  luege-kommentare.xlsx  the same with 200 MB of empty comments
  luege-gross.xlsx       a sheet of 60 bytes whose zip headers claim 127 MB
  ziehungen-600000.csv   600,000 draws (14 MB)
  leerzeichen.ods        1,000 cells of 100 <text:s text:c="32767"/> each (3.3 billion blanks)
  leerzeichen-gross.ods  4,000 such cells
  langer-text.ods        a 32,000-character text in 20 columns of 100,000 repeated rows (under 1 KB)
  langer-text.xlsx       one shared string of 32,000 characters in 20,000 rows of draws
  entitaeten.ods         entities that expand a thousandfold, referred to in every cell
  leerzeilen.csv         8 million empty lines, then a draw
  felder.csv             one line of 8 million fields
"""
import os
import struct
import sys
import zipfile

ODS_KOPF = (b'<?xml version="1.0" encoding="UTF-8"?><office:document-content '
            b'xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
            b'xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" '
            b'xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0">'
            b'<office:body><office:spreadsheet><table:table table:name="Tabelle1">')
ODS_FUSS = b'</table:table></office:spreadsheet></office:body></office:document-content>'


def teile(pfad, inhalte):
    """A zip of the parts; a part is bytes or a function that yields pieces."""
    with zipfile.ZipFile(pfad, 'w', zipfile.ZIP_DEFLATED, compresslevel=9) as z:
        for name, inhalt in inhalte:
            with z.open(name, 'w', force_zip64=False) as teil:
                for stueck in ([inhalt] if isinstance(inhalt, bytes) else inhalt()):
                    teil.write(stueck)


def ods(pfad, tabelle):
    teile(pfad, [('mimetype', b'application/vnd.oasis.opendocument.spreadsheet'),
                 ('content.xml', lambda: [ODS_KOPF, *tabelle(), ODS_FUSS])])


def xlsx(pfad, blatt, gemeinsam=None, blattteil='xl/worksheets/sheet1.xml'):
    inhalte = [('xl/workbook.xml',
                b'<workbook xmlns:r="r"><sheets><sheet name="Tabelle1" sheetId="1" r:id="rId1"/></sheets></workbook>'),
               ('xl/_rels/workbook.xml.rels',
                b'<Relationships><Relationship Id="rId1" Target="worksheets/sheet1.xml"/></Relationships>'),
               (blattteil, blatt)]
    if gemeinsam is not None:
        inhalte.append(('xl/sharedStrings.xml', gemeinsam))
    teile(pfad, inhalte)


def wiederholt(anfang, stueck, anzahl, ende, block=1 << 16):
    def erzeugen():
        yield anfang
        rest = anzahl
        while rest > 0:
            n = min(rest, block)
            yield stueck * n
            rest -= n
        yield ende
    return erzeugen


def tiefe_spans(anzahl):
    return lambda: [b'<table:table-row><table:table-cell office:value-type="string"><text:p>',
                    b'<text:span>' * anzahl, b'x', b'</text:span>' * anzahl,
                    b'</text:p></table:table-cell></table:table-row>']


def tiefe_gruppen(anzahl):
    return lambda: [b'<table:table-row-group>' * anzahl,
                    b'<table:table-row><table:table-cell office:value-type="float" office:value="1"/></table:table-row>',
                    b'</table:table-row-group>' * anzahl]


def zeilen(anzahl):
    def erzeugen():
        yield b'<worksheet><sheetData>'
        for anfang in range(1, anzahl + 1, 10000):
            yield b''.join(b'<row r="%d">%s</row>' % (z, b'<c><v>7</v></c>' * 7)
                           for z in range(anfang, min(anfang + 10000, anzahl + 1)))
        yield b'</sheetData></worksheet>'
    return erzeugen


def leerzeichen(zellen):
    zelle = (b'<table:table-cell office:value-type="string"><text:p>' + b'<text:s text:c="32767"/>' * 100 +
             b'</text:p></table:table-cell>')
    return wiederholt(b'', b'<table:table-row>' + zelle * 10 + b'</table:table-row>', zellen // 10, b'')


def entitaeten():
    """The head of a content.xml whose entity e4 expands to 10,000 characters."""
    return (b'<?xml version="1.0" encoding="UTF-8"?><!DOCTYPE office:document-content ['
            b'<!ENTITY e0 "xxxxxxxxxx"><!ENTITY e1 "&e0;&e0;&e0;&e0;&e0;&e0;&e0;&e0;&e0;&e0;">'
            b'<!ENTITY e2 "&e1;&e1;&e1;&e1;&e1;&e1;&e1;&e1;&e1;&e1;">'
            b'<!ENTITY e3 "&e2;&e2;&e2;&e2;&e2;&e2;&e2;&e2;&e2;&e2;">'
            b'<!ENTITY e4 "&e3;&e3;&e3;&e3;&e3;&e3;&e3;&e3;&e3;&e3;">]>' + ODS_KOPF[ODS_KOPF.index(b'<office:document'):])


def leere_zellen(pfad):
    xlsx(pfad,
         wiederholt(b'<worksheet><sheetData><row r="1">', b'<c/>', 132000000 // 4, b'</row></sheetData></worksheet>'),
         wiederholt(b'<sst>', b'<si/>', 132000000 // 5, b'</sst>'))


def luegen(pfad, behauptet):
    """Puts `behauptet` as the unpacked size of every part into the zip's headers."""
    with open(pfad, 'r+b') as f:
        daten = bytearray(f.read())
    stelle = 0
    while True:
        stelle = daten.find(b'PK\x03\x04', stelle)
        if stelle < 0:
            break
        struct.pack_into('<I', daten, stelle + 22, behauptet)
        stelle += 4
    stelle = 0
    while True:
        stelle = daten.find(b'PK\x01\x02', stelle)
        if stelle < 0:
            break
        struct.pack_into('<I', daten, stelle + 24, behauptet)
        stelle += 4
    with open(pfad, 'wb') as f:
        f.write(daten)


def csv(pfad, anzahl):
    import datetime
    tag = datetime.date(1900, 1, 1)
    with open(pfad, 'wb') as f:
        f.write(b'Datum;Z1;Z2;Z3;Z4;Z5;ZZ\r\n')
        for i in range(anzahl):
            d = tag + datetime.timedelta(days=i)
            z = [(i + k) % 9 + 1 for k in range(5)]
            f.write(b'%s;%d;%d;%d;%d;%d;%d\r\n' % (d.isoformat().encode(), *z, i % 9 + 1))


def main():
    ordner = sys.argv[1]
    klein = '--klein' in sys.argv
    os.makedirs(ordner, exist_ok=True)
    p = lambda name: os.path.join(ordner, name)
    if '--nur' in sys.argv:
        leere_zellen(p('leere-zellen.xlsx'))
        return
    ods(p('tief-span.ods'), tiefe_spans(100000))
    if klein:
        return
    ods(p('tief-gruppen.ods'), tiefe_gruppen(1000000))
    leere_zellen(p('leere-zellen.xlsx'))
    xlsx(p('zeilen.xlsx'), zeilen(1000000))
    xlsx(p('bombe.xlsx'), wiederholt(b'<worksheet><sheetData>', b' ' * 1024, 1024 * 1024, b'</sheetData></worksheet>'))
    xlsx(p('luege-klein.xlsx'),
         wiederholt(b'<worksheet><sheetData>', b' ' * 1024, 200 * 1024, b'</sheetData></worksheet>'))
    luegen(p('luege-klein.xlsx'), 60)
    xlsx(p('luege-kommentare.xlsx'),
         wiederholt(b'<worksheet><sheetData>', b'<!---->' * 1024, 200 * 1024 // 7 * 1024 // 1024, b'</sheetData></worksheet>'))
    luegen(p('luege-kommentare.xlsx'), 60)
    xlsx(p('luege-gross.xlsx'), b'<worksheet><sheetData><row><c><v>7</v></c></row></sheetData></worksheet>')
    luegen(p('luege-gross.xlsx'), 127 * 1024 * 1024)
    csv(p('ziehungen-600000.csv'), 600000)
    ods(p('leerzeichen.ods'), leerzeichen(1000))
    ods(p('leerzeichen-gross.ods'), leerzeichen(4000))
    ods(p('langer-text.ods'), lambda: [
        b'<table:table-row table:number-rows-repeated="100000">'
        b'<table:table-cell table:number-columns-repeated="20" office:value-type="string"><text:p>',
        b'x' * 32000, b'</text:p></table:table-cell></table:table-row>'])
    xlsx(p('langer-text.xlsx'), wiederholt(b'<worksheet><sheetData>',
                                           b'<row><c t="s"><v>0</v></c>' + b'<c><v>7</v></c>' * 6 + b'</row>', 20000,
                                           b'</sheetData></worksheet>'),
         b'<sst><si><t>' + b'1' * 32000 + b'</t></si></sst>')
    teile(p('entitaeten.ods'), [('mimetype', b'application/vnd.oasis.opendocument.spreadsheet'),
                                ('content.xml', lambda: [entitaeten(), *wiederholt(
                                    b'', b'<table:table-row>' + (b'<table:table-cell office:value-type="string">'
                                                                 b'<text:p>&e4;&e4;&e4;</text:p></table:table-cell>') * 7
                                    + b'</table:table-row>', 200, b'')(), ODS_FUSS])])
    with open(p('leerzeilen.csv'), 'wb') as f:
        f.write(b'\n' * 8000000 + b'2024-01-06;3;12;25;38;47;7\n')
    with open(p('felder.csv'), 'wb') as f:
        f.write(b'2024-01-06' + b';' * 8000000 + b'\n')


if __name__ == '__main__':
    main()
