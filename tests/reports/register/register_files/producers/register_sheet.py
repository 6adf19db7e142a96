"""The register of register_cells.txt and the changes that make its variants, shared by the
Python programs here (the JavaScript and Java ones read the same file their own way)."""
import datetime
import os

HERE = os.path.dirname(os.path.abspath(__file__))

SHEET_NAME = "Реестр"
NOTES_NAME = "Примечания"
NOTES_TEXT = "Реестр на втором листе"
DATE_FORMAT = "DD.MM.YYYY"

CLIENT_NAME_COLUMN = 2
DUE_COLUMN, TAX_COLUMN, SUM_COLUMN = 5, 6, 7
FIRST_DATA_ROW = 2


def read_rows():
    """The sheet as rows of (kind, value): "s" str, "n" int or float, "d" datetime.date,
    "day" int."""
    rows = []
    with open(os.path.join(HERE, "register_cells.txt"), encoding="utf-8") as f:
        for line in f.read().splitlines():
            if line.startswith("#"):
                continue
            rows.append([cell(text) for text in line.split("\t")])
    return rows


def cell(text):
    kind, value = text.split(":", 1)
    if kind == "n":
        return kind, float(value) if "." in value else int(value)
    if kind == "d":
        return kind, datetime.date.fromisoformat(value)
    if kind == "day":
        return kind, int(value)
    return kind, value


def with_line_break(rows):
    """A line break typed inside the second client's name (Alt+Enter in Excel)."""
    changed = [list(row) for row in rows]
    kind, name = changed[FIRST_DATA_ROW + 1][CLIENT_NAME_COLUMN]
    changed[FIRST_DATA_ROW + 1][CLIENT_NAME_COLUMN] = (kind, name.replace("; ", ";\n"))
    return changed


def with_sum_formulas(rows):
    """INVOICE_SUMM as =F+G of its row: ("f", (formula without "=", the value a spreadsheet
    computes))."""
    changed = [list(row) for row in rows]
    for y in range(FIRST_DATA_ROW, len(rows)):
        due = rows[y][DUE_COLUMN][1]
        tax = rows[y][TAX_COLUMN][1]
        changed[y][SUM_COLUMN] = ("f", ("F%d+G%d" % (y + 1, y + 1), due + tax))
    return changed
