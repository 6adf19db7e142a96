#pragma once
// Reading files under the "C" locale, whatever the desktop's. The libraries that read
// spreadsheet files parse numbers with the C library, which follows the locale: under a Russian
// desktop's decimal comma, "127430.5" would read as 127430 or as nothing at all.

#include <clocale>
#include <locale.h>

namespace kestrelon {

// For its lifetime, the calling thread alone uses the "C" locale; other threads and the
// process-wide locale are left as they are.
class ClassicLocaleScope {
public:
    ClassicLocaleScope()
        : classic_(newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr))),
          previous_(classic_ != nullptr ? uselocale(classic_) : nullptr) {}
    ~ClassicLocaleScope() {
        if (classic_ != nullptr) {
            uselocale(previous_);
            freelocale(classic_);
        }
    }
    ClassicLocaleScope(const ClassicLocaleScope&) = delete;
    ClassicLocaleScope& operator=(const ClassicLocaleScope&) = delete;

private:
    locale_t classic_;
    locale_t previous_;
};

} // namespace kestrelon
