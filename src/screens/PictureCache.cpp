#include "screens/PictureCache.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace {

constexpr char cMagic[8] = {'V', 'E', 'L', 'P', 'I', 'C', '0', '2'};
// Far above the start's pictures (about 2.5 MB); a bigger file is not ours.
constexpr long long cMaxFileBytes = 64LL * 1024 * 1024;
constexpr std::uint32_t cMaxPathBytes = 4096;
constexpr std::uint32_t cMaxSide = 16384;

TPictureCache* gPictureCache = nullptr;

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

// The file mapped read-only, unmapped with the last picture made from it. Only the pages
// drawn are ever read: the start draws few of the pictures it loads.
using TMapping = std::shared_ptr<const char>;

TMapping MapFile(const std::string& fileName, std::size_t& size)
{
    const int file = open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0)
        return {};
    struct stat info {};
    void* start = MAP_FAILED;
    if (fstat(file, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0 && info.st_size <= cMaxFileBytes) {
        size = static_cast<std::size_t>(info.st_size);
        start = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, file, 0);
    }
    close(file);
    if (start == MAP_FAILED)
        return {};
    return TMapping(static_cast<const char*>(start), [size](const char* mapped) {
        munmap(const_cast<char*>(mapped), size);
    });
}

// A read-only picture over the mapping: drawing on it copies it first.
QImage PictureOver(const TMapping& mapping, const char* pixels, int width, int height, int bytesPerLine)
{
    auto* owner = new TMapping(mapping);
    return QImage(reinterpret_cast<const uchar*>(pixels), width, height, bytesPerLine, QImage::Format_RGB32,
                  [](void* info) { delete static_cast<TMapping*>(info); }, owner);
}

}

bool TPictureCache::StampOf(const std::string& path, TStamp& stamp)
{
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    stamp.Size = info.st_size;
    stamp.ModifiedNs = static_cast<long long>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec;
    stamp.Inode = static_cast<long long>(info.st_ino);
    return true;
}

TPictureCache::TPictureCache(std::string fileName) : FFileName(std::move(fileName))
{
    Read();
}

void TPictureCache::Read()
{
    if (FFileName.empty())
        return;
    std::size_t size = 0;
    const TMapping mapping = MapFile(FFileName, size);
    if (!mapping)
        return;

    TReader reader(mapping.get(), size);
    char magic[sizeof cMagic];
    std::uint32_t count = 0;
    if (!reader.Take(magic) || std::memcmp(magic, cMagic, sizeof cMagic) != 0 || !reader.Take(count))
        return;
    std::map<std::string, TEntry> stored;
    for (std::uint32_t index = 0; index < count; ++index) {
        std::uint32_t pathBytes = 0, width = 0, height = 0, bytesPerLine = 0;
        const char* path = nullptr;
        const char* pixels = nullptr;
        TEntry entry;
        if (!reader.Take(pathBytes) || pathBytes == 0 || pathBytes > cMaxPathBytes ||
            !reader.Skip(PaddedToFour(pathBytes), path) || !reader.Take(entry.Stamp) ||
            !reader.Take(width) || !reader.Take(height) ||
            !reader.Take(bytesPerLine) || width == 0 || height == 0 || width > cMaxSide || height > cMaxSide ||
            bytesPerLine != width * 4 || !reader.Skip(std::size_t{bytesPerLine} * height, pixels))
            return;
        entry.Picture = PictureOver(mapping, pixels, static_cast<int>(width), static_cast<int>(height),
                                    static_cast<int>(bytesPerLine));
        stored[std::string(path, pathBytes)] = std::move(entry);
    }
    if (reader.AtEnd())
        FStored = std::move(stored);
}

QImage TPictureCache::Load(const std::string& path, const std::function<QImage()>& decode)
{
    TStamp stamp;
    if (!StampOf(path, stamp))
        return decode();
    QImage picture;
    const auto entry = FStored.find(path);
    if (entry != FStored.end() && entry->second.Stamp == stamp) {
        picture = entry->second.Picture;
        ++FHits;
    } else {
        picture = decode();
        FDecoded = true;
    }
    if (!picture.isNull())
        FRemembered[path] = {stamp, picture.convertToFormat(QImage::Format_RGB32)};
    return picture;
}

bool TPictureCache::SaveIfChanged()
{
    if (FFileName.empty() || (!FDecoded && FRemembered.size() == FStored.size()))
        return false;
    std::error_code error;
    const std::filesystem::path target(FFileName);
    std::filesystem::create_directories(target.parent_path(), error);
    const std::string temporary = FFileName + ".tmp" + std::to_string(getpid());
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        const auto count = static_cast<std::uint32_t>(FRemembered.size());
        out.write(cMagic, sizeof cMagic);
        out.write(reinterpret_cast<const char*>(&count), sizeof count);
        for (const auto& [path, entry] : FRemembered) {
            const QImage& picture = entry.Picture;
            const auto pathBytes = static_cast<std::uint32_t>(path.size());
            const auto width = static_cast<std::uint32_t>(picture.width());
            const auto height = static_cast<std::uint32_t>(picture.height());
            const std::uint32_t bytesPerLine = width * 4;
            const char padding[4] = {};
            out.write(reinterpret_cast<const char*>(&pathBytes), sizeof pathBytes);
            out.write(path.data(), static_cast<std::streamsize>(path.size()));
            out.write(padding, static_cast<std::streamsize>(PaddedToFour(path.size()) - path.size()));
            out.write(reinterpret_cast<const char*>(&entry.Stamp), sizeof entry.Stamp);
            out.write(reinterpret_cast<const char*>(&width), sizeof width);
            out.write(reinterpret_cast<const char*>(&height), sizeof height);
            out.write(reinterpret_cast<const char*>(&bytesPerLine), sizeof bytesPerLine);
            for (int line = 0; line < picture.height(); ++line)
                out.write(reinterpret_cast<const char*>(picture.constScanLine(line)), bytesPerLine);
        }
        out.close();
        if (!out) {
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), FFileName.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

void SetPictureCache(TPictureCache* cache)
{
    gPictureCache = cache;
}

TPictureCache* GetPictureCache()
{
    return gPictureCache;
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
