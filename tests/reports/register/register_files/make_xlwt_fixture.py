#!/usr/bin/python3
"""Writes bad_formula_without_value.xls: a register whose INVOICE_SUMM is a formula, saved by
xlwt (Debian's python3-xlwt), which stores formulas without computing them. Run it from this
folder with the system's python3; the file is checked in."""
import xlwt

HEADER = ["AGENT_CUSTNO", "CLIENT_CUSTNO", "CLIENT_CUSTNAME", "INVOICE", "INVOICE_DATE",
          "INVOICE_DUE", "INVOICE_TAX", "INVOICE_SUMM", "STATE", "STATE_DATE"]

book = xlwt.Workbook(encoding="utf-8")
sheet = book.add_sheet("Реестр")
sheet.write(0, 0, "Invoices register for 12345678")
for column, name in enumerate(HEADER):
    sheet.write(1, column, name)
date = xlwt.easyxf(num_format_str="DD.MM.YYYY")
row = [10000001, "00020001", 'ООО "Ромашка"', "1234567890123", 41348, 1000, 180]
for column, value in enumerate(row):
    sheet.write(2, column, value, date if column == 4 else xlwt.Style.default_style)
sheet.write(2, 7, xlwt.Formula("F3+G3"))
sheet.write(2, 8, "Оплачен")
sheet.write(2, 9, 41353, date)
book.save("bad_formula_without_value.xls")
