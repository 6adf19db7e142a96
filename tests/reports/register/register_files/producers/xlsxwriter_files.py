"""The register as XlsxWriter writes it: shared strings, or in constant_memory mode (each row
written out as it is finished) inline strings; formulas with the value given to them.

Usage: xlsxwriter_files.py OUT"""
import os
import sys

import xlsxwriter

import register_sheet as rs


def write(path, rows, options=None):
    wb = xlsxwriter.Workbook(path, options or {})
    ws = wb.add_worksheet(rs.SHEET_NAME)
    date = wb.add_format({"num_format": rs.DATE_FORMAT})
    for y, row in enumerate(rows):
        for x, (kind, value) in enumerate(row):
            if kind == "s":
                ws.write_string(y, x, value)
            elif kind == "n":
                ws.write_number(y, x, value)
            elif kind == "d":
                ws.write_datetime(y, x, value, date)
            elif kind == "day":
                ws.write_number(y, x, value, date)
            elif kind == "f":
                ws.write_formula(y, x, "=" + value[0], None, value[1])
    wb.close()


def main(out):
    rows = rs.read_rows()
    write(os.path.join(out, "xlsxwriter_plain.xlsx"), rows)
    write(os.path.join(out, "xlsxwriter_constant_memory.xlsx"), rows, {"constant_memory": True})
    write(os.path.join(out, "xlsxwriter_formulas.xlsx"), rs.with_sum_formulas(rows))


if __name__ == "__main__":
    main(sys.argv[1])
