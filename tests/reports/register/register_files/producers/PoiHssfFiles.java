// The register as Apache POI's HSSF writes an Excel 97 workbook; its formulas keep the value
// POI's evaluator computes for them, as a Java billing system that calls evaluateAll() saves.
// Usage: java PoiHssfFiles REGISTER_CELLS_TXT OUT

import java.io.FileOutputStream;
import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Paths;
import java.util.ArrayList;
import java.util.GregorianCalendar;
import java.util.List;
import org.apache.poi.hssf.usermodel.HSSFWorkbook;
import org.apache.poi.ss.usermodel.Cell;
import org.apache.poi.ss.usermodel.CellStyle;
import org.apache.poi.ss.usermodel.Row;
import org.apache.poi.ss.usermodel.Sheet;

public final class PoiHssfFiles {
    private static final int CLIENT_NAME_COLUMN = 2;
    private static final int SUM_COLUMN = 7;
    private static final int FIRST_DATA_ROW = 2;

    private enum Variant { PLAIN, FORMULAS, SECOND_SHEET, LINE_BREAK }

    public static void main(String[] args) throws IOException {
        List<String[]> rows = new ArrayList<>();
        for (String line : Files.readAllLines(Paths.get(args[0]), StandardCharsets.UTF_8)) {
            if (!line.startsWith("#") && !line.isEmpty()) {
                rows.add(line.split("\t"));
            }
        }
        write(rows, Variant.PLAIN, Paths.get(args[1], "poi_hssf_plain.xls").toString());
        write(rows, Variant.FORMULAS, Paths.get(args[1], "poi_hssf_formulas.xls").toString());
        write(rows, Variant.SECOND_SHEET,
              Paths.get(args[1], "poi_hssf_second_sheet.xls").toString());
        write(rows, Variant.LINE_BREAK, Paths.get(args[1], "poi_hssf_line_break.xls").toString());
    }

    private static void write(List<String[]> rows, Variant variant, String file)
        throws IOException {
        try (HSSFWorkbook wb = new HSSFWorkbook()) {
            if (variant == Variant.SECOND_SHEET) {
                wb.createSheet("Примечания")
                    .createRow(0)
                    .createCell(0)
                    .setCellValue("Реестр на втором листе");
            }
            Sheet sheet = wb.createSheet("Реестр");
            CellStyle date = wb.createCellStyle();
            date.setDataFormat(wb.createDataFormat().getFormat("DD.MM.YYYY"));
            CellStyle wrapped = wb.createCellStyle();
            wrapped.setWrapText(true);
            for (int y = 0; y < rows.size(); ++y) {
                Row row = sheet.createRow(y);
                String[] cells = rows.get(y);
                for (int x = 0; x < cells.length; ++x) {
                    Cell cell = row.createCell(x);
                    int at = cells[x].indexOf(':');
                    String kind = cells[x].substring(0, at);
                    String value = cells[x].substring(at + 1);
                    if (variant == Variant.FORMULAS && y >= FIRST_DATA_ROW && x == SUM_COLUMN) {
                        cell.setCellFormula("F" + (y + 1) + "+G" + (y + 1));
                    } else if (kind.equals("n")) {
                        cell.setCellValue(Double.parseDouble(value));
                    } else if (kind.equals("day")) {
                        cell.setCellValue(Double.parseDouble(value));
                        cell.setCellStyle(date);
                    } else if (kind.equals("d")) {
                        String[] ymd = value.split("-");
                        cell.setCellValue(new GregorianCalendar(Integer.parseInt(ymd[0]),
                                                                Integer.parseInt(ymd[1]) - 1,
                                                                Integer.parseInt(ymd[2])));
                        cell.setCellStyle(date);
                    } else if (variant == Variant.LINE_BREAK && y == FIRST_DATA_ROW + 1 &&
                               x == CLIENT_NAME_COLUMN) {
                        cell.setCellValue(value.replace("; ", ";\n"));
                        cell.setCellStyle(wrapped);
                    } else {
                        cell.setCellValue(value);
                    }
                }
            }
            wb.getCreationHelper().createFormulaEvaluator().evaluateAll();
            try (FileOutputStream out = new FileOutputStream(file)) {
                wb.write(out);
            }
        }
    }
}
