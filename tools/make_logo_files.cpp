// Writes the main window's picture files, "Tel" and "Pixels", into the folder given as
// the only argument. Run at build time so that no binary file needs to live in the
// repository; the output is the same byte for byte on every machine.

#include "logo/globe_pixels.h"
#include "logo/logo_design.h"
#include "store/data_store.h"
#include "store/image_file.h"
#include "store/io_error.h"

#include <cstdint>
#include <cstdio>
#include <exception>
#include <string>

namespace {

constexpr std::uint32_t kDissolveSeed = 0x4B657374; // any fixed non-zero value

} // namespace

int main(int argc, char** argv) {
    using namespace kestrelon;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argc > 0 ? argv[0] : "make-logo");
        return 2;
    }
    std::string folder = argv[1];
    if (!folder.empty() && folder.back() != '/') {
        folder += '/';
    }
    try {
        const LogoParams params = logo::logoDesign();
        const GlobePixels globe = logo::makeGlobePixels(params.CD, kDissolveSeed);
        saveImage(folder, files::kLogo, params);
        saveImage(folder, files::kGlobe, globe);
    } catch (const IoError& e) {
        std::fprintf(stderr, "cannot write %s%s: %s\n", folder.c_str(), e.fileName().c_str(),
                     e.message().c_str());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "cannot make the logo files: %s\n", e.what());
        return 1;
    }
    return 0;
}
