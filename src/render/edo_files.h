#pragma once
// What goes to the principal through an EDO operator: the act of services as the УПД exchange
// file, which the operator reads, and beside it the invoice and the act of mutual offset as
// PDFs, under the names "PDF" suggests.

#include "exchange/upd_file.h"
#include "report_pdfs.h"

namespace kestrelon {

// Writes the two PDFs, then the УПД file (prepared and found fit to write). Stops at the first
// file that cannot be written; `paths` lists what was written, the УПД last.
WrittenPdfs writeEdoFiles(const DocumentInput& input, const UpdFile& upd, const QString& folder);

// What the user is told when all three are written: each file's name, the one to upload first.
QString edoFilesWrittenText(const QStringList& paths);

} // namespace kestrelon
