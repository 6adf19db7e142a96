// SYLK files: a file gives either text or a message, never both, and the text is a rectangle
// of TAB-separated fields that the register import can take.
#include "sheets/sylk_reader.h"
#include "register_text_check.h"

using namespace kestrelon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::checkRegisterText(registerTextFromSylk(fuzz::bytes(data, size)));
    return 0;
}
