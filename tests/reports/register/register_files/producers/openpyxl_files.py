"""The register as openpyxl writes it: strings inline in the sheet, the sheets' relationships
with absolute targets, and formulas with no value (openpyxl never computes one).

Usage: openpyxl_files.py OUT WORK: the fixtures into OUT, sources for ssconvert into WORK."""
import os
import sys

import openpyxl
from openpyxl.styles import Alignment
from openpyxl.workbook.defined_name import DefinedName

import register_sheet as rs


def fill(ws, rows, date_format=rs.DATE_FORMAT):
    for y, row in enumerate(rows, start=1):
        for x, (kind, value) in enumerate(row, start=1):
            c = ws.cell(row=y, column=x)
            if kind == "f":
                c.value = "=" + value[0]
            else:
                c.value = value
            if kind in ("d", "day"):
                c.number_format = date_format
            if kind == "s" and "\n" in value:
                c.alignment = Alignment(wrap_text=True)


def book(rows, notes_first=False, date_format=rs.DATE_FORMAT):
    wb = openpyxl.Workbook()
    ws = wb.active
    if notes_first:
        ws.title = rs.NOTES_NAME
        ws["A1"] = rs.NOTES_TEXT
        ws = wb.create_sheet(rs.SHEET_NAME)
    else:
        ws.title = rs.SHEET_NAME
    fill(ws, rows, date_format)
    return wb, ws


def main(out, work):
    rows = rs.read_rows()
    wb, _ = book(rows)
    wb.save(os.path.join(out, "openpyxl_plain.xlsx"))
    wb, _ = book(rs.with_sum_formulas(rows))
    wb.save(os.path.join(out, "openpyxl_formulas.xlsx"))
    wb, _ = book(rs.with_line_break(rows))
    wb.save(os.path.join(out, "openpyxl_line_break.xlsx"))
    wb, _ = book(rows, notes_first=True)
    wb.save(os.path.join(out, "openpyxl_second_sheet.xlsx"))

    wb, ws = book(rows)
    wb.defined_names.append(DefinedName("Invoices", attr_text="'%s'!$A$2:$J$5" % rs.SHEET_NAME))
    ws.print_area = "A1:J5"
    wb.save(os.path.join(out, "openpyxl_named_range.xlsx"))

    # ssconvert writes a CSV as the cells show when asked to keep their formats; wide columns
    # keep the 13-digit invoice numbers from showing as 1.23E+12.
    wb, ws = book(rows, date_format="YYYY-MM-DD")
    for x in range(len(rows[1])):
        ws.column_dimensions[chr(ord("A") + x)].width = 20
    wb.save(os.path.join(work, "iso_dates.xlsx"))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
