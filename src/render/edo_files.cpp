#include "edo_files.h"

#include "documents/input/document_file_name.h"
#include "store/io_error.h"

#include <QDir>
#include <QFileInfo>

namespace kestrelon {

WrittenPdfs writeEdoFiles(const DocumentInput& input, const UpdFile& upd, const QString& folder) {
    const std::array<QString, 3> names = suggestedPdfNames(input);
    // The operator takes the three together: all of them are written, or none.
    return writeDocumentPdfs(
        input, folder, {{DocumentKind::Invoice, names[0]}, {DocumentKind::OffsetAct, names[2]}},
        {{QString::fromStdString(upd.name), upd.bytes}});
}

QString edoFilesWrittenText(const QStringList& paths) {
    QString text = QStringLiteral("Документы для ЭДО записаны в папку\n%1\n\n")
                       .arg(QFileInfo(paths.value(0)).absolutePath());
    if (!paths.isEmpty()) {
        text += QStringLiteral("УПД (акт об оказании услуг) — загрузите его у оператора ЭДО как "
                               "формализованный документ:\n%1\n\n")
                    .arg(QFileInfo(paths.constLast()).fileName());
    }
    text += QStringLiteral("Счет и акт зачета — приложите их к нему как PDF:");
    for (int i = 0; i + 1 < paths.size(); ++i) {
        text += QStringLiteral("\n%1").arg(QFileInfo(paths[i]).fileName());
    }
    return text;
}

} // namespace kestrelon
