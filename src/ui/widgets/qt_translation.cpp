#include "qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>

namespace kestrelon {

bool installQtRussian(QCoreApplication& application) {
    return installQtRussian(application, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

bool installQtRussian(QCoreApplication& application, const QString& folder) {
    // Owned by the application, which keeps it for as long as it lives.
    auto* translation = new QTranslator(&application);
    if (!translation->load(QStringLiteral("qtbase_ru"), folder) ||
        !QCoreApplication::installTranslator(translation)) {
        delete translation;
        return false;
    }
    return true;
}

} // namespace kestrelon
