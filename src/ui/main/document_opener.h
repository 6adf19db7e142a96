#pragma once
// Opening a document with the application the system associates with it, as "Help" does.

#include <QString>
#include <functional>

class QObject;

namespace kestrelon {

// Tells `done` whether an application took the document: false when none could be started, or
// when the system's opener gave up (xdg-open ends with an error when no browser or viewer is
// set up, a while after it was started; Qt's own opener would not notice). On a Linux desktop
// the opener starts even for a type that nothing on the desktop can show (a CHM file, mostly):
// such a type counts as having no application, so that the caller can fall back on another
// form of the document. `done` is not called once `context` is gone.
using OpenDone = std::function<void(bool opened)>;
void openWithAssociatedApplication(const QString& path, QObject* context, OpenDone done);

} // namespace kestrelon
