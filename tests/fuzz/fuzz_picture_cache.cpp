// Parses arbitrary bytes as a picture cache file: every picture found must lie inside the
// bytes, and writing what was found must give a file that parses to the same pictures.
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

#include "store/PictureCacheFile.h"

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

const std::string& File()
{
    static const std::string file = (access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") +
                                    std::string("/vellora-fuzz-pictures-") + std::to_string(getpid());
    return file;
}

std::string Pixels(const TCachedPicture& picture)
{
    return std::string(picture.Pixels, std::size_t{picture.Width} * 4 * picture.Height);
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto pictures = ParsePictureCache(reinterpret_cast<const char*>(data), size);
    if (!pictures)
        return 0;
    Check(WritePictureCache(File(), *pictures));
    std::ifstream in(File(), std::ios::binary);
    const std::string written{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const auto again = ParsePictureCache(written.data(), written.size());
    Check(again && again->size() == pictures->size());
    for (std::size_t index = 0; index < pictures->size(); ++index) {
        const TCachedPicture& before = (*pictures)[index];
        const TCachedPicture& after = (*again)[index];
        Check(after.Path == before.Path && after.Stamp == before.Stamp && after.Width == before.Width &&
              after.Height == before.Height && Pixels(after) == Pixels(before));
    }
    return 0;
}
