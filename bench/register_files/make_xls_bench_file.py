#!/usr/bin/python3
"""Writes register_801.xls, the largest register a report holds (801 invoices) as an .xls whose
INVOICE_SUMM cells are formulas =F+G that keep their computed values, as Excel saves them.
xlwt (Debian's python3-xlwt) writes the workbook; it stores no formula values by itself, so its
FORMULA record is given the value here. Run it from this folder with the system's python3; the
file is checked in."""
import struct

import xlwt
from xlwt import BIFFRecords

HEADER = ["AGENT_CUSTNO", "CLIENT_CUSTNO", "CLIENT_CUSTNAME", "INVOICE", "INVOICE_DATE",
          "INVOICE_DUE", "INVOICE_TAX", "INVOICE_SUMM", "STATE", "STATE_DATE"]
FIRST_OF_MARCH_2013 = 41334  # as a day number
values = {}  # (row, column) -> the value of the formula there


def formula_with_value(self, row, col, xf_index, rpn, calc_flags=0):
    self._rec_data = struct.pack("<3HdHL", row, col, xf_index, values[(row, col)], 0, 0) + rpn


BIFFRecords.FormulaRecord.__init__ = formula_with_value

book = xlwt.Workbook(encoding="utf-8")
sheet = book.add_sheet("Реестр")
date = xlwt.easyxf(num_format_str="DD.MM.YYYY")
sheet.write(0, 0, "Invoices register for 12345678")
for column, name in enumerate(HEADER):
    sheet.write(1, column, name)
for i in range(801):
    row = i + 2
    amount = 1000 + i % 997 + (i % 100) / 100
    tax = round(amount * 0.18, 2)
    values[(row, 7)] = amount + tax
    for column, value in enumerate([10000001, "%08d" % (20000000 + i), "ООО «Клиент %d»" % i,
                                    1234567000000 + i]):
        sheet.write(row, column, value)
    sheet.write(row, 4, FIRST_OF_MARCH_2013 + i % 28, date)
    sheet.write(row, 5, amount)
    sheet.write(row, 6, tax)
    sheet.write(row, 7, xlwt.Formula("F%d+G%d" % (row + 1, row + 1)))
    sheet.write(row, 8, "Оплачен")
    sheet.write(row, 9, FIRST_OF_MARCH_2013 + (i + 3) % 28, date)
book.save("register_801.xls")
