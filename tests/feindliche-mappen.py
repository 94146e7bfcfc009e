#!/usr/bin/env python3
"""Writes hostile workbooks and CSV files into the folder given, small on the disk and huge or
deep once read:
    python3 tests/feindliche-mappen.py FOLDER [--klein]
With --klein only the files of at most 64 KB are written (the seeds of the fuzz targets).

  tief-span.ods          100,000 nested text:span in a cell (5 KB)
  tief-gruppen.ods       1,000,000 nested table:table-row-group
  leere-zellen.xlsx      126 MB of empty <c/> and <si/> (323 KB)
  zeilen.xlsx            a sheet of 1,000,000 rows of 7 cells (120 MB of XML)
  bombe.xlsx             a sheet that unpacks to 1 GB of blanks
  luege-klein.xlsx       a sheet whose zip headers claim 60 bytes and that unpacks to 200 MB
  luege-gross.xlsx       a sheet of 60 bytes whose zip headers claim 127 MB
  ziehungen-600000.csv   600,000 draws (14 MB)
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
    ods(p('tief-span.ods'), tiefe_spans(100000))
    if klein:
        return
    ods(p('tief-gruppen.ods'), tiefe_gruppen(1000000))
    xlsx(p('leere-zellen.xlsx'),
         wiederholt(b'<worksheet><sheetData><row r="1">', b'<c/>', 63 * 1024 * 1024 // 4, b'</row></sheetData></worksheet>'),
         wiederholt(b'<sst>', b'<si/>', 63 * 1024 * 1024 // 5, b'</sst>'))
    xlsx(p('zeilen.xlsx'), zeilen(1000000))
    xlsx(p('bombe.xlsx'), wiederholt(b'<worksheet><sheetData>', b' ' * 1024, 1024 * 1024, b'</sheetData></worksheet>'))
    xlsx(p('luege-klein.xlsx'),
         wiederholt(b'<worksheet><sheetData>', b' ' * 1024, 200 * 1024, b'</sheetData></worksheet>'))
    luegen(p('luege-klein.xlsx'), 60)
    xlsx(p('luege-gross.xlsx'), b'<worksheet><sheetData><row><c><v>7</v></c></row></sheetData></worksheet>')
    luegen(p('luege-gross.xlsx'), 127 * 1024 * 1024)
    csv(p('ziehungen-600000.csv'), 600000)


if __name__ == '__main__':
    main()
