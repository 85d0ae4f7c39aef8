#include "screens/PictureCache.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <vector>

namespace {

TPictureCache* gPictureCache = nullptr;

// The file mapped read-only, unmapped with the last picture made from it.
using TMapping = std::shared_ptr<const char>;

TMapping MapFile(const std::string& fileName, std::size_t& size)
{
    const int file = open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0)
        return {};
    struct stat info {};
    void* start = MAP_FAILED;
    if (fstat(file, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0 &&
        info.st_size <= cMaxPictureCacheBytes) {
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
QImage PictureOver(const TMapping& mapping, const TCachedPicture& cached)
{
    auto* owner = new TMapping(mapping);
    return QImage(reinterpret_cast<const uchar*>(cached.Pixels), static_cast<int>(cached.Width),
                  static_cast<int>(cached.Height), static_cast<int>(cached.Width * 4), QImage::Format_RGB32,
                  [](void* info) { delete static_cast<TMapping*>(info); }, owner);
}

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
    const auto pictures = ParsePictureCache(mapping.get(), size);
    if (!pictures)
        return;
    for (const TCachedPicture& cached : *pictures)
        FStored[cached.Path] = {cached.Stamp, PictureOver(mapping, cached)};
}

QImage TPictureCache::Load(const std::string& path, const std::function<QImage()>& decode)
{
    TPictureStamp stamp;
    if (!PictureStampOf(path, stamp))
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
    std::vector<TCachedPicture> pictures;
    for (const auto& [path, entry] : FRemembered) {
        // 32-bit lines are never padded: the pixels are one block.
        const QImage& picture = entry.Picture;
        pictures.push_back({path, entry.Stamp, static_cast<std::uint32_t>(picture.width()),
                            static_cast<std::uint32_t>(picture.height()),
                            reinterpret_cast<const char*>(picture.constBits())});
    }
    return WritePictureCache(FFileName, pictures);
}

void SetPictureCache(TPictureCache* cache)
{
    gPictureCache = cache;
}

TPictureCache* GetPictureCache()
{
    return gPictureCache;
}
