// The register as ExcelJS writes it: the normal writer keeps texts as shared strings, the
// streaming WorkbookWriter with useSharedStrings false writes them inline; formulas keep the
// result given to them, or none.
// Usage: node exceljs_files.js OUT
"use strict";
const path = require("path");
const ExcelJS = require("exceljs");
const register = require("./register_cells.js");

function cellValue(cell) {
    if (cell.kind === "f") {
        return cell.result === undefined ? {formula : cell.value}
                                         : {formula : cell.value, result : cell.result};
    }
    return cell.value;
}

function fillRow(row, cells) {
    cells.forEach((cell, x) => {
        const target = row.getCell(x + 1);
        target.value = cellValue(cell);
        if (cell.kind === "d" || cell.kind === "day")
            target.numFmt = register.DATE_FORMAT;
        if (cell.kind === "s" && cell.value.includes("\n"))
            target.alignment = {wrapText : true};
    });
}

async function write(file, rows) {
    const wb = new ExcelJS.Workbook();
    const ws = wb.addWorksheet(register.SHEET_NAME);
    rows.forEach((cells, y) => fillRow(ws.getRow(y + 1), cells));
    await wb.xlsx.writeFile(file);
}

async function writeStreaming(file, rows) {
    const wb = new ExcelJS.stream.xlsx.WorkbookWriter({
        filename : file,
        useSharedStrings : false,
        useStyles : true,
    });
    const ws = wb.addWorksheet(register.SHEET_NAME);
    rows.forEach((cells, y) => {
        const row = ws.getRow(y + 1);
        fillRow(row, cells);
        row.commit();
    });
    ws.commit();
    await wb.commit();
}

function withoutResults(rows) {
    return rows.map(
        (row) => row.map((cell) => (cell.kind === "f" ? {kind : "f", value : cell.value} : cell)));
}

async function main(out) {
    const rows = register.readRows();
    const formulas = register.withSumFormulas(rows);
    await write(path.join(out, "exceljs_plain.xlsx"), rows);
    await writeStreaming(path.join(out, "exceljs_streaming.xlsx"), rows);
    await write(path.join(out, "exceljs_formulas.xlsx"), formulas);
    await write(path.join(out, "exceljs_formulas_without_values.xlsx"), withoutResults(formulas));
    await write(path.join(out, "exceljs_line_break.xlsx"), register.withLineBreak(rows));
}

main(process.argv[2]).catch((e) => {
    console.error(e);
    process.exit(1);
});
