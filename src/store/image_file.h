#pragma once
// Whole-image files: a file is exactly one fixed-size record, read and written whole.

#include "io_error.h"

#include <cstddef>
#include <string>
#include <type_traits>

namespace kestrelon {

// If folder + name exists, reads the first `size` bytes of it into `image` and returns true;
// otherwise leaves the image unchanged and returns false. A shorter file throws IoError
// ("Read beyond end of file") after the bytes it has were read.
bool loadImageBytes(const std::string& folder, const std::string& name, void* image,
                    std::size_t size);

// Writes the image to a temporary file beside folder + name and renames it over the old
// file, so a failed save leaves the previous file intact. Throws IoError.
void saveImageBytes(const std::string& folder, const std::string& name, const void* image,
                    std::size_t size);

template <typename Image>
bool loadImage(const std::string& folder, const std::string& name, Image& image) {
    static_assert(std::is_trivially_copyable_v<Image>);
    return loadImageBytes(folder, name, &image, sizeof(Image));
}

template <typename Image>
void saveImage(const std::string& folder, const std::string& name, const Image& image) {
    static_assert(std::is_trivially_copyable_v<Image>);
    saveImageBytes(folder, name, &image, sizeof(Image));
}

} // namespace kestrelon
