#pragma once
// Qt's own texts in Russian: the file and print dialogs, the standard buttons of message boxes,
// the context menus of text fields. The program's own texts are Russian whatever the desktop's
// language, so Qt's are too.

class QCoreApplication;
class QString;

namespace kestrelon {

// Loads Qt's Russian translation from `folder` (by default the folder Qt's translations are
// installed in) and installs it on `application`; false when it is not there, and Qt then
// speaks English.
bool installQtRussian(QCoreApplication& application);
bool installQtRussian(QCoreApplication& application, const QString& folder);

} // namespace kestrelon
