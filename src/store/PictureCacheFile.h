#pragma once
// The picture cache's file: decoded pictures, 32 bits a pixel, each under the path of the
// picture file it came from and that file's stamp (size, modification time, inode), so that
// a repainted or replaced picture is never taken from it.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct TPictureStamp {
    long long Size = 0;
    long long ModifiedNs = 0;
    long long Inode = 0;
    bool operator==(const TPictureStamp&) const = default;
};

// A picture as the file holds it: Height lines of Width × 4 bytes, one after another.
struct TCachedPicture {
    std::string Path;
    TPictureStamp Stamp;
    std::uint32_t Width = 0;
    std::uint32_t Height = 0;
    const char* Pixels = nullptr;
};

// Far above the start's pictures (about 3 MB); a bigger file is not ours.
inline constexpr long long cMaxPictureCacheBytes = 64LL * 1024 * 1024;

// The pictures in the bytes of a cache file, their pixels pointing into the bytes; nothing
// when the bytes are not one whole, sound cache file.
std::optional<std::vector<TCachedPicture>> ParsePictureCache(const char* bytes, std::size_t size);

// Writes the pictures to a temporary file beside fileName and renames it over fileName,
// making the folder when it is missing; false, and fileName untouched, when that fails.
bool WritePictureCache(const std::string& fileName, const std::vector<TCachedPicture>& pictures);

// False when the path is not a regular file.
bool PictureStampOf(const std::string& path, TPictureStamp& stamp);

// The cache file of a program folder: in the user's cache folder ($XDG_CACHE_HOME, else
// ~/.cache), named after the folder, so that two program folders never share one; empty
// when the user has no such folder.
std::string PictureCacheFileFor(const std::string& appPath);
