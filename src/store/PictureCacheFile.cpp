#include "store/PictureCacheFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace {

constexpr char cMagic[8] = {'V', 'E', 'L', 'P', 'I', 'C', '0', '2'};
constexpr std::uint32_t cMaxPathBytes = 4096;
constexpr std::uint32_t cMaxSide = 16384;

std::size_t PaddedToFour(std::size_t bytes)
{
    return (bytes + 3) & ~std::size_t{3};
}

// Reads fields in order and fails for good at the first one past the end.
class TReader
{
public:
    TReader(const char* data, std::size_t size) : FData(data), FSize(size) {}

    template <class T>
    bool Take(T& value)
    {
        if (!Fits(sizeof(T)))
            return false;
        std::memcpy(&value, FData + FAt, sizeof(T));
        FAt += sizeof(T);
        return true;
    }
    bool Skip(std::size_t bytes, const char*& start)
    {
        if (!Fits(bytes))
            return false;
        start = FData + FAt;
        FAt += bytes;
        return true;
    }
    bool AtEnd() const { return FAt == FSize; }

private:
    bool Fits(std::size_t bytes) const { return bytes <= FSize - FAt; }

    const char* FData;
    std::size_t FSize;
    std::size_t FAt = 0;
};

template <class T>
void Put(std::ofstream& out, const T& value)
{
    out.write(reinterpret_cast<const char*>(&value), sizeof value);
}

}

std::optional<std::vector<TCachedPicture>> ParsePictureCache(const char* bytes, std::size_t size)
{
    TReader reader(bytes, size);
    char magic[sizeof cMagic];
    std::uint32_t count = 0;
    if (!reader.Take(magic) || std::memcmp(magic, cMagic, sizeof cMagic) != 0 || !reader.Take(count))
        return std::nullopt;
    std::vector<TCachedPicture> pictures;
    for (std::uint32_t index = 0; index < count; ++index) {
        std::uint32_t pathBytes = 0;
        std::uint32_t bytesPerLine = 0;
        const char* path = nullptr;
        TCachedPicture picture;
        if (!reader.Take(pathBytes) || pathBytes == 0 || pathBytes > cMaxPathBytes ||
            !reader.Skip(PaddedToFour(pathBytes), path) || !reader.Take(picture.Stamp) ||
            !reader.Take(picture.Width) || !reader.Take(picture.Height) || !reader.Take(bytesPerLine) ||
            picture.Width == 0 || picture.Height == 0 || picture.Width > cMaxSide || picture.Height > cMaxSide ||
            bytesPerLine != picture.Width * 4 ||
            !reader.Skip(std::size_t{bytesPerLine} * picture.Height, picture.Pixels))
            return std::nullopt;
        picture.Path.assign(path, pathBytes);
        pictures.push_back(std::move(picture));
    }
    if (!reader.AtEnd())
        return std::nullopt;
    return pictures;
}

bool WritePictureCache(const std::string& fileName, const std::vector<TCachedPicture>& pictures)
{
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(fileName).parent_path(), error);
    const std::string temporary = fileName + ".tmp" + std::to_string(getpid());
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(cMagic, sizeof cMagic);
        Put(out, static_cast<std::uint32_t>(pictures.size()));
        for (const TCachedPicture& picture : pictures) {
            const char padding[4] = {};
            Put(out, static_cast<std::uint32_t>(picture.Path.size()));
            out.write(picture.Path.data(), static_cast<std::streamsize>(picture.Path.size()));
            out.write(padding, static_cast<std::streamsize>(PaddedToFour(picture.Path.size()) - picture.Path.size()));
            Put(out, picture.Stamp);
            Put(out, picture.Width);
            Put(out, picture.Height);
            Put(out, picture.Width * 4);
            out.write(picture.Pixels, static_cast<std::streamsize>(std::size_t{picture.Width} * 4 * picture.Height));
        }
        out.close();
        if (!out) {
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), fileName.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

bool PictureStampOf(const std::string& path, TPictureStamp& stamp)
{
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    stamp.Size = info.st_size;
    stamp.ModifiedNs = static_cast<long long>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec;
    stamp.Inode = static_cast<long long>(info.st_ino);
    return true;
}

std::string PictureCacheFileFor(const std::string& appPath)
{
    std::string base;
    if (const char* cache = std::getenv("XDG_CACHE_HOME"); cache && cache[0] == '/')
        base = cache;
    else if (const char* home = std::getenv("HOME"); home && home[0] == '/')
        base = std::string(home) + "/.cache";
    else
        return {};
    // FNV-1a: the same folder gives the same name in every run.
    std::uint64_t hash = 14695981039346656037ULL;
    for (const unsigned char character : appPath)
        hash = (hash ^ character) * 1099511628211ULL;
    char name[40];
    std::snprintf(name, sizeof name, "pictures-%016llx.cache", static_cast<unsigned long long>(hash));
    return base + "/vellora/" + name;
}
