// What the report window's outputs may not be: a file the program reads.

#include "store/protected_files.h"
#include "tform_report.h"

#include <QDir>

namespace kestrelon {

bool TFormReport::refusedAsProtected(const QString& path) {
    const auto kind = protectedFileKind(path.toStdString(), context_.store.DataFolder);
    if (!kind) {
        return false;
    }
    const QString shown = QDir::toNativeSeparators(path);
    context_.messages.showMessage(
        *kind == ProtectedFile::DataTable
            ? QStringLiteral("Файл «%1» — таблица данных программы: на его место ничего не "
                             "записывается. Выберите другое имя или другую папку.")
                  .arg(shown)
            : QStringLiteral("Файл «%1» — файл отчета (*.rep): программа читает такие файлы как "
                             "отчеты, на его место ничего не записывается. Выберите другое имя.")
                  .arg(shown));
    return true;
}

} // namespace kestrelon
