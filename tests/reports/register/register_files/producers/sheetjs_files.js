// The register as SheetJS writes it: .xlsx with its texts as t="str" cells (shared strings
// only when asked), an Excel 97 .xls small enough to sit in the compound file's mini-stream,
// and .ods.
// Usage: node sheetjs_files.js OUT
"use strict";
const path = require("path");
const XLSX = require("xlsx");
const register = require("./register_cells.js");

function sheetCell(cell) {
    switch (cell.kind) {
    case "s":
        return {t : "s", v : cell.value};
    case "n":
        return {t : "n", v : cell.value};
    case "d":
        return {t : "d", v : cell.value, z : register.DATE_FORMAT};
    case "day":
        return {t : "n", v : cell.value, z : register.DATE_FORMAT};
    default:
        return {t : "n", v : cell.result, f : cell.value};
    }
}

function book(rows) {
    const ws = {};
    rows.forEach(
        (cells, y) => cells.forEach(
            (cell, x) => { ws[XLSX.utils.encode_cell({r : y, c : x})] = sheetCell(cell); }));
    const width = Math.max(...rows.map((cells) => cells.length));
    ws["!ref"] =
        XLSX.utils.encode_range({s : {r : 0, c : 0}, e : {r : rows.length - 1, c : width - 1}});
    const wb = XLSX.utils.book_new();
    XLSX.utils.book_append_sheet(wb, ws, register.SHEET_NAME);
    return wb;
}

function main(out) {
    const rows = register.readRows();
    const at = (name) => path.join(out, name);
    XLSX.writeFile(book(rows), at("sheetjs_plain.xlsx"));
    XLSX.writeFile(book(rows), at("sheetjs_shared_strings.xlsx"), {bookSST : true});
    XLSX.writeFile(book(rows), at("sheetjs_plain.xls"), {bookType : "biff8"});
    XLSX.writeFile(book(rows), at("sheetjs_plain.ods"), {bookType : "ods"});
    XLSX.writeFile(book(register.withSumFormulas(rows)), at("sheetjs_formulas.xlsx"));
}

main(process.argv[2]);
