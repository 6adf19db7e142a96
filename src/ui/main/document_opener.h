#pragma once
// Opening a document with the application the system associates with it, as "Help" does.

#include <QString>

namespace kestrelon {

// False when no application could be started for the document. On a Linux desktop the system's
// opener starts even for a type that nothing on the desktop can show (a CHM file, mostly) and
// then shows nothing: such a type counts as having no application, so that the caller can fall
// back on another form of the document.
bool openWithAssociatedApplication(const QString& path);

} // namespace kestrelon
