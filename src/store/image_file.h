#pragma once
// Whole-image files: a file is exactly one fixed-size record, read and written whole.

#include "io_error.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

namespace kestrelon {

// If folder + name exists, reads the first `size` bytes of it into `image` and returns true;
// otherwise leaves the image unchanged and returns false. A shorter file throws IoError
// ("Read beyond end of file") after the bytes it has were read.
bool loadImageBytes(const std::string& folder, const std::string& name, void* image,
                    std::size_t size);

// Writes the image to a temporary file beside folder + name and renames it over the old
// file, so a failed save, or one killed half-way, leaves the previous file intact. An
// existing file that is not writable ("File access denied") is kept; a replaced file keeps
// its permission bits; the folder is synced after the rename. Throws IoError.
void saveImageBytes(const std::string& folder, const std::string& name, const void* image,
                    std::size_t size);

// Writes the bytes to a new temporary file beside `path`, every write checked, synced and
// closed, with the permission bits of the file it is to replace; returns its name. Refuses a
// replaced file that is not writable as saveImageBytes does. Throws IoError naming `name` and
// `path`; no temporary file stays behind then.
std::string writeTemporaryBeside(const std::string& path, const std::string& name,
                                 const void* bytes, std::size_t size);

// The name a save tries for its temporary file: the process id and the attempt set apart
// the saves of two running copies and the leftovers of killed ones.
std::string temporaryImageName(const std::string& path, long pid, int attempt);

struct TemporaryName {
    std::string saved; // the file the save was writing: the name without ".~pid-attempt"
    long pid = 0;      // the process that saved
};
// The parts of a name exactly as temporaryImageName makes them, or nothing for any other name.
std::optional<TemporaryName> parseTemporaryImageName(std::string_view fileName);

// Whether a save of folder + name could be made now: a temporary file is created beside it,
// written one byte and removed again.
bool folderTakesSaves(const std::string& folder, const std::string& name);

// Writes a folder's entries (a rename done in it) to the disk. Throws IoError.
void syncFolder(const std::string& folder);

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
