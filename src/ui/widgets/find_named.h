#pragma once
// A child widget found by its object name and its C++ class. findChild<T> asks Qt's meta-object
// system about T, which since Qt 6.8 must then declare Q_OBJECT; this program's widgets declare
// none, as none has signals or slots of its own, so the class is told by dynamic_cast instead.

#include <QObject>
#include <QString>

namespace kestrelon {

template <typename T> T* findNamed(const QObject& parent, const QString& name) {
    for (QObject* candidate : parent.findChildren<QObject*>(name)) {
        if (auto* found = dynamic_cast<T*>(candidate)) {
            return found;
        }
    }
    return nullptr;
}

} // namespace kestrelon
