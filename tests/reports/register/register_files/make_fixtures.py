#!/usr/bin/env python3
"""Writes the register workbooks the file-reading tests read.

The sheet is built here as a flat OpenDocument file and a real spreadsheet program (LibreOffice,
package libreoffice-calc-nogui) saves it as .xlsx, .xls, .ods and .csv, so that the tests read
files as principals' programs write them. Run it from this folder after changing the sheet, and
check the files in: the tests never need LibreOffice.

Two files here are not made by this script: bad_crashes_reader.ods and bad_huge_entry.xlsx were
found by fuzzing (they crashed the .ods library once used or make a reader ask for 4 GB) and are kept as they were found.
"""
import os
import shutil
import subprocess
import tempfile
import zipfile
from xml.sax.saxutils import escape

TITLE = "Invoices register for 12345678"
HEADER = ["AGENT_CUSTNO", "CLIENT_CUSTNO", "CLIENT_CUSTNAME", "INVOICE", "INVOICE_DATE",
          "INVOICE_DUE", "INVOICE_TAX", "INVOICE_SUMM", "STATE", "STATE_DATE"]

# A cell is ("s", text), ("n", number) or ("d", ISO date shown as DD.MM.YYYY); the title line's
# empty cells are the sheet's empty cells.
# The agent's number is a number as principals' programs keep it; the client's keeps its leading
# zeros as text; one invoice date is a bare day number (16.03.2013) in a number format.
ROWS = [
    [("n", 10000001), ("s", "00020001"), ("s", 'ООО "Ромашка"'), ("n", 1234567890123),
     ("d", "2013-03-15"), ("n", 1000), ("n", 180), ("n", 1180), ("s", "Оплачен"),
     ("d", "2013-03-20")],
    [("n", 10000001), ("s", "00020002"), ("s", "ИП Петров; филиал «Север»"),
     ("s", "1234567890124"), ("n", 41349), ("n", 1234.56), ("n", 222.22), ("n", 1456.78),
     ("s", "Выставлен"), ("d", "2013-03-25")],
    [("n", 10000001), ("s", "00020003"), ("s", 'АО "Связь" (бывш. "Плюс")'), ("n", 1234567890125),
     ("d", "2013-03-17"), ("n", 99.9), ("n", 17.98), ("n", 117.88), ("s", "Оплачен"), ("d", "2013-03-31")],
]

# 16.03.2013 as a day number in each date system.
DAY_NUMBER = {1899: 41349, 1904: 41349 - 1462}


def cell_xml(cell, null_year):
    kind, value = cell
    if kind == "s":
        return ('<table:table-cell office:value-type="string"><text:p>%s</text:p>'
                "</table:table-cell>" % escape(value))
    if kind == "d":
        return ('<table:table-cell table:style-name="date" office:value-type="date" '
                'office:date-value="%s"/>' % value)
    if value == 41349:
        value = DAY_NUMBER[null_year]
    return '<table:table-cell office:value-type="float" office:value="%s"/>' % value


def fods(null_year, first_sheet_empty):
    rows = [[("s", TITLE)], [("s", h) for h in HEADER]] + ROWS
    sheet = "".join("<table:table-row>%s</table:table-row>" %
                    "".join(cell_xml(c, null_year) for c in row) for row in rows)
    other = ('<table:table table:name="Примечания"><table:table-row><table:table-cell '
             'office:value-type="string"><text:p>Реестр на втором листе</text:p>'
             "</table:table-cell></table:table-row></table:table>") if first_sheet_empty else ""
    return document(other + '<table:table table:name="Реестр">%s</table:table>' % sheet, null_year)


def document(tables, null_year=1899):
    """A flat OpenDocument spreadsheet of the given tables, with the date style "date"."""
    null_date = "1904-01-01" if null_year == 1904 else "1899-12-30"
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:number="urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0"
 office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.spreadsheet">
<office:automatic-styles>
<number:date-style style:name="ddmmyyyy"><number:day number:style="long"/><number:text>.</number:text>
<number:month number:style="long"/><number:text>.</number:text><number:year number:style="long"/>
</number:date-style>
<style:style style:name="date" style:family="table-cell" style:data-style-name="ddmmyyyy"/>
</office:automatic-styles>
<office:body><office:spreadsheet>
<table:calculation-settings><table:null-date table:date-value="{null_date}"/></table:calculation-settings>
{tables}
</office:spreadsheet></office:body></office:document>
"""


def convert(source, fmt, target):
    out = tempfile.mkdtemp()
    subprocess.run(["soffice", "--headless", "--norestore", "--convert-to", fmt, "--outdir", out,
                    source], check=True, stdout=subprocess.DEVNULL)
    produced = os.path.join(out, os.listdir(out)[0])
    shutil.move(produced, target)
    shutil.rmtree(out)


def main():
    work = tempfile.mkdtemp()
    sources = {}
    for name, null_year, second in (("register", 1899, False), ("register_1904", 1904, False),
                                    ("register_second_sheet", 1899, True)):
        path = os.path.join(work, name + ".fods")
        with open(path, "w", encoding="utf-8") as f:
            f.write(fods(null_year, second))
        sources[name] = path
    convert(sources["register"], "xlsx", "register.xlsx")
    convert(sources["register"], "xls", "register.xls")
    convert(sources["register"], "ods", "register.ods")
    convert(sources["register"], "slk", "register.slk")
    # Separator ";", text in double quotes, UTF-8; then TAB-separated in cp1251.
    convert(sources["register"], 'csv:Text - txt - csv (StarCalc):59,34,76,1', "register.csv")
    convert(sources["register"], 'csv:Text - txt - csv (StarCalc):9,34,34,1',
            "register_tab_cp1251.csv")
    convert(sources["register_1904"], "xlsx", "register_1904.xlsx")
    convert(sources["register_1904"], "xls", "register_1904.xls")
    convert(sources["register_second_sheet"], "xlsx", "register_second_sheet.xlsx")
    convert(sources["register_second_sheet"], "ods", "register_second_sheet.ods")
    shutil.rmtree(work)
    make_bad_files()


def rezip(source, target, change):
    """Copies the zip `source` to `target`, each entry's bytes passed through change(name, data),
    which may return None to leave the entry out."""
    with zipfile.ZipFile(source) as src, zipfile.ZipFile(target, "w", zipfile.ZIP_DEFLATED) as dst:
        for info in src.infolist():
            data = change(info.filename, src.read(info.filename))
            if data is not None:
                dst.writestr(info, data)


def replaced(name, wanted, old, new):
    def change(entry, data):
        if entry != name:
            return data
        assert old in data, (name, old)
        return data.replace(old, new, 1)
    return change


def make_bad_files():
    """Files no spreadsheet program writes on purpose, made by hand from the good ones."""
    with open("bad_picture.png", "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n\x00\x00\x00\rIHDR\x00\x00\x00\x01\x00\x00\x00\x01\x08\x02")
    for good, bad in (("register.xlsx", "bad_cut_short.xlsx"), ("register.xls", "bad_cut_short.xls"),
                      ("register.ods", "bad_cut_short.ods")):
        with open(good, "rb") as f:
            data = f.read()
        with open(bad, "wb") as f:
            f.write(data[:len(data) // 2])
    with zipfile.ZipFile("bad_zip_without_workbook.zip", "w") as z:
        z.writestr("readme.txt", "Реестр будет позже")
    rezip("register.xlsx", "bad_no_sheets.xlsx",
          replaced("xl/workbook.xml", None, re_sheets(), b"<sheets/>"))
    rezip("register.xlsx", "bad_formula_without_value.xlsx",
          replaced("xl/worksheets/sheet1.xml", None, b'<c r="F3" s="0" t="n"><v>1000</v></c>',
                   b'<c r="F3" s="0"><f>100*10</f></c>'))
    rezip("register.xlsx", "bad_too_many_cells.xlsx",
          replaced("xl/worksheets/sheet1.xml", None, b"</sheetData>",
                   b'<row r="10001"><c r="K10001" t="n"><v>1</v></c></row></sheetData>'))
    rezip("register.ods", "bad_password.ods",
          replaced("META-INF/manifest.xml", None, b'manifest:full-path="content.xml" manifest:media-type="text/xml"/>',
                   b'manifest:full-path="content.xml" manifest:media-type="text/xml"><manifest:encryption-data '
                   b'manifest:checksum-type="SHA1/1K" manifest:checksum="AAAA"/></manifest:file-entry>'))
    # Excel keeps a workbook with a password to open as a compound file whose streams are named
    # EncryptionInfo and EncryptedPackage: the header and the directory of one, in 512-byte
    # sectors, are what tells such a file from an Excel 97 workbook.
    header = bytearray(512)
    header[0:8] = b"\xd0\xcf\x11\xe0\xa1\xb1\x1a\xe1"
    header[0x1A:0x20] = b"\x3e\x00\x03\x00\xfe\xff"
    header[0x1E:0x20] = b"\x09\x00"
    directory = bytearray()
    for name, kind in (("Root Entry", 5), ("EncryptionInfo", 2), ("EncryptedPackage", 2)):
        entry = bytearray(128)
        encoded = (name + "\0").encode("utf-16-le")
        entry[0:len(encoded)] = encoded
        entry[64:66] = len(encoded).to_bytes(2, "little")
        entry[66] = kind
        directory += entry
    with open("bad_password.xlsx", "wb") as f:
        f.write(bytes(header) + bytes(directory).ljust(512, b"\0"))
    # An Excel 97 workbook whose cells a password hides starts with the FILEPASS record right
    # after the workbook's BOF; the INTERFACEHDR record that LibreOffice writes there becomes one.
    with open("register.xls", "rb") as f:
        data = bytearray(f.read())
    at = data.find(b"\xe1\x00\x02\x00")
    data[at:at + 2] = b"\x2f\x00"
    with open("bad_password.xls", "wb") as f:
        f.write(data)
    # Quotes inside a quoted field that are not doubled end the field before its end.
    with open("bad_stray_quote.csv", "w", encoding="utf-8") as f:
        f.write('AGENT_CUSTNO;CLIENT_CUSTNAME\n10000001;"ООО "Ромашка""\n')


def re_sheets():
    with zipfile.ZipFile("register.xlsx") as z:
        text = z.read("xl/workbook.xml")
    start = text.index(b"<sheets>")
    end = text.index(b"</sheets>") + len(b"</sheets>")
    return text[start:end]


if __name__ == "__main__":
    main()
