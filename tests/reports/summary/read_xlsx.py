"""Prints every cell of the first sheet of an .xlsx file as openpyxl reads it: one line per
cell, "A1<TAB>value<TAB>formula", the value being the cached one a formula carries."""
import sys

import openpyxl

values = openpyxl.load_workbook(sys.argv[1], data_only=True).worksheets[0]
formulas = openpyxl.load_workbook(sys.argv[1], data_only=False).worksheets[0]
for row in values.iter_rows():
    for cell in row:
        if cell.value is None:
            continue
        formula = formulas[cell.coordinate].value
        formula = formula if isinstance(formula, str) and formula.startswith("=") else ""
        value = cell.value
        # A cached value may be stored as 3001 for 3001.00: the format says how it reads.
        if isinstance(value, (int, float)) and ".00" in cell.number_format:
            value = f"{value:.2f}"
        print(f"{cell.coordinate}\t{value}\t{formula}\t{cell.number_format}")
