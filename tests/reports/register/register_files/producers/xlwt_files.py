"""The register as xlwt writes an Excel 97 workbook; its formulas carry no value (xlwt
computes none and marks the result empty).

Usage: xlwt_files.py OUT"""
import os
import sys

import xlwt

import register_sheet as rs


def write(path, rows):
    wb = xlwt.Workbook(encoding="utf-8")
    ws = wb.add_sheet(rs.SHEET_NAME)
    date = xlwt.easyxf(num_format_str=rs.DATE_FORMAT)
    wrapped = xlwt.easyxf("align: wrap on")
    for y, row in enumerate(rows):
        for x, (kind, value) in enumerate(row):
            if kind == "f":
                ws.write(y, x, xlwt.Formula(value[0]))
            elif kind in ("d", "day"):
                ws.write(y, x, value, date)
            elif kind == "s" and "\n" in value:
                ws.write(y, x, value, wrapped)
            else:
                ws.write(y, x, value)
    wb.save(path)


def main(out):
    rows = rs.read_rows()
    write(os.path.join(out, "xlwt_plain.xls"), rows)
    write(os.path.join(out, "xlwt_formulas.xls"), rs.with_sum_formulas(rows))
    write(os.path.join(out, "xlwt_line_break.xls"), rs.with_line_break(rows))


if __name__ == "__main__":
    main(sys.argv[1])
