#pragma once
// The outcome of printing or exporting: empty when it went through, else a message for the user.

#include <QString>

namespace kestrelon {

struct OutputResult {
    QString error;
    bool ok() const { return error.isEmpty(); }
};

} // namespace kestrelon
