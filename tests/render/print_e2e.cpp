// print_e2e invoice|act|offset-act [ROWS]: prints one document of the sample report on the
// system's default printer through the program's own printing code, as the print button
// does. scripts/print-test.sh runs it against a private print server and checks the paper.

#include "documents/render/printing.h"
#include "sample_report.h"
#include "screen_texts.h"

#include <QGuiApplication>
#include <cstdlib>
#include <iostream>
#include <string>

namespace {

bool parseKind(const std::string& name, kestrelon::DocumentKind& kind) {
    using kestrelon::DocumentKind;
    if (name == "invoice") {
        kind = DocumentKind::Invoice;
    } else if (name == "act") {
        kind = DocumentKind::Act;
    } else if (name == "offset-act") {
        kind = DocumentKind::OffsetAct;
    } else {
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QGuiApplication app(argc, argv);
    kestrelon::DocumentKind kind{};
    if (argc < 2 || argc > 3 || !parseKind(argv[1], kind)) {
        std::cerr << "usage: print_e2e invoice|act|offset-act [ROWS]\n";
        return 2;
    }
    const std::size_t rows = argc == 3 ? std::strtoul(argv[2], nullptr, 10) : 3;
    const kestrelon::DocumentInput input =
        kestrelon::documentInputFromReport(*kestrelon::test::sampleReport(rows));
    const kestrelon::OutputResult result =
        kestrelon::printDocument(kind, kestrelon::test::screenTexts(kind, input));
    if (!result.ok()) {
        std::cerr << "print_e2e: " << result.error.toStdString() << "\n";
        return 1;
    }
    return 0;
}
