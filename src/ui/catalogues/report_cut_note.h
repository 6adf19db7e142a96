#pragma once
// A note under a field whose value a stored report keeps shorter: it appears while the value
// is longer than the report holds, names the documents that would show it cut, and is read to
// screen readers as the field's description. Nothing stops the user: the value is stored whole.

#include "reports/files/report_cuts.h"

class QLabel;
class QLineEdit;

namespace kestrelon {

// The note for `field`, hidden while the value fits; the caller lays it out under the field.
QLabel* makeReportCutNote(QLineEdit* field, ReportCopy copy);

} // namespace kestrelon
