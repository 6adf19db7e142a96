// What stops the report window's outputs: a principal that cannot be found, and a chosen file
// that is one the program reads.

#include "tform_report.h"

namespace kestrelon {

bool TFormReport::refusedWithoutPrincipal() {
    const Utf8Text problem = session_.missingPrincipal();
    if (problem.empty()) {
        return false;
    }
    say({{Said::Kind::Message, problem}});
    return true;
}

bool TFormReport::refusedAsProtected(const QString& path) {
    const Utf8Text problem = session_.protectedOutputProblem(path.toStdString());
    if (problem.empty()) {
        return false;
    }
    say({{Said::Kind::Message, problem}});
    return true;
}

} // namespace kestrelon
