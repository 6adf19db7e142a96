#!/usr/bin/env python3
"""Writes the large register workbooks the benchmarks read: the largest register a report holds
(801 invoices) and a sheet of 10 000 rows, saved by LibreOffice (libreoffice-calc-nogui) as .xlsx.
Run it from this folder; the files are checked in."""
import os
import shutil
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests",
                                "reports", "register_files"))
import make_fixtures as fixtures  # noqa: E402  the sheet document and the conversion

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
        f.write(fixtures.document('<table:table table:name="Реестр">%s</table:table>' % sheet(rows)))
    fixtures.convert(source, "xlsx", target)
    shutil.rmtree(work)


write(803, "register_801.xlsx")
write(10000, "register_10000_rows.xlsx")
