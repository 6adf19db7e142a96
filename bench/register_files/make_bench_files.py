#!/usr/bin/env python3
"""Writes the large register workbooks the benchmarks read: the largest register a report holds
(801 invoices) and a sheet of 10 000 rows, saved by LibreOffice (libreoffice-calc-nogui) as .xlsx.
Run it from this folder; the files are checked in."""
import os
import shutil
import subprocess
import tempfile

HEADER = ["AGENT_CUSTNO", "CLIENT_CUSTNO", "CLIENT_CUSTNAME", "INVOICE", "INVOICE_DATE",
          "INVOICE_DUE", "INVOICE_TAX", "INVOICE_SUMM", "STATE", "STATE_DATE"]


def text(value):
    return ('<table:table-cell office:value-type="string"><text:p>%s</text:p></table:table-cell>'
            % value)


def number(value):
    return '<table:table-cell office:value-type="float" office:value="%s"/>' % value


def date(day):
    return ('<table:table-cell table:style-name="date" office:value-type="date" '
            'office:date-value="2013-03-%02d"/>' % day)


def sheet(rows):
    """The title, the header and data lines up to `rows` lines in all."""
    lines = ["<table:table-row>%s</table:table-row>" % text("Invoices register for 12345678"),
             "<table:table-row>%s</table:table-row>" % "".join(text(h) for h in HEADER)]
    for i in range(rows - 2):
        amount = 1000 + i % 997 + (i % 100) / 100
        lines.append("<table:table-row>%s</table:table-row>" % "".join([
            number(10000001), text("%08d" % (20000000 + i)), text("ООО «Клиент %d»" % i),
            number(1234567000000 + i), date(1 + i % 28), number(amount),
            number(round(amount * 0.18, 2)), number(round(amount * 1.18, 2)), text("Оплачен"),
            date(1 + (i + 3) % 28)]))
    return "".join(lines)


def write(rows, target):
    work = tempfile.mkdtemp()
    source = os.path.join(work, "register.fods")
    with open(source, "w", encoding="utf-8") as f:
        f.write(f"""<?xml version="1.0" encoding="UTF-8"?>
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
<office:body><office:spreadsheet><table:table table:name="Реестр">{sheet(rows)}</table:table>
</office:spreadsheet></office:body></office:document>
""")
    subprocess.run(["soffice", "--headless", "--norestore", "--convert-to", "xlsx", "--outdir",
                    work, source], check=True, stdout=subprocess.DEVNULL)
    shutil.move(os.path.join(work, "register.xlsx"), target)
    shutil.rmtree(work)


write(803, "register_801.xlsx")
write(10000, "register_10000_rows.xlsx")
