// The register of register_cells.txt and the changes that make its variants, for the
// JavaScript programs here; register_sheet.py says the same for the Python ones.
"use strict";
const fs = require("fs");
const path = require("path");

const SHEET_NAME = "Реестр";
const DATE_FORMAT = "dd.mm.yyyy";
const CLIENT_NAME_COLUMN = 2;
const DUE_COLUMN = 5;
const TAX_COLUMN = 6;
const SUM_COLUMN = 7;
const FIRST_DATA_ROW = 2;

// Rows of {kind, value}: "s" string, "n" number, "d" Date at midnight UTC, "day" number.
function readRows() {
    const text = fs.readFileSync(path.join(__dirname, "register_cells.txt"), "utf8");
    return text.split("\n")
        .filter((line) => line && !line.startsWith("#"))
        .map((line) => line.split("\t").map((cell) => {
            const at = cell.indexOf(":");
            const kind = cell.slice(0, at);
            const value = cell.slice(at + 1);
            if (kind === "n" || kind === "day")
                return {kind, value : Number(value)};
            if (kind === "d")
                return {kind, value : new Date(value + "T00:00:00Z")};
            return {kind, value};
        }));
}

// A line break typed inside the second client's name (Alt+Enter in Excel).
function withLineBreak(rows) {
    const changed = rows.map((row) => row.slice());
    const name = changed[FIRST_DATA_ROW + 1][CLIENT_NAME_COLUMN];
    changed[FIRST_DATA_ROW + 1][CLIENT_NAME_COLUMN] = {
        kind : "s",
        value : name.value.replace("; ", ";\n"),
    };
    return changed;
}

// INVOICE_SUMM as =F+G of its row: {kind: "f", value: formula without "=", result: the value
// a spreadsheet computes}.
function withSumFormulas(rows) {
    return rows.map((row, y) => {
        if (y < FIRST_DATA_ROW)
            return row;
        const changed = row.slice();
        changed[SUM_COLUMN] = {
            kind : "f",
            value : `F${y + 1}+G${y + 1}`,
            result : row[DUE_COLUMN].value + row[TAX_COLUMN].value,
        };
        return changed;
    });
}

module.exports = {
    SHEET_NAME,
    DATE_FORMAT,
    readRows,
    withLineBreak,
    withSumFormulas
};
