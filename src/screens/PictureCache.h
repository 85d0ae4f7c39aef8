#pragma once
// The decoded pictures of the start, kept between runs. Decoding the main window's pictures
// (and finding the decoders for their formats) is most of a start, while reading them back
// decoded is one read. Each entry is checked against its file's size, modification time and
// inode, so a repainted or replaced skin is decoded again; a missing, foreign or damaged cache file only costs
// that decoding. The file is mapped, not read: only the pictures drawn are ever paged in.
#include <QImage>
#include <functional>
#include <map>
#include <memory>
#include <string>

class TPictureCache
{
public:
    explicit TPictureCache(std::string fileName);

    // The picture of the file: from the cache when it holds the file as it is now, else
    // decoded. Every non-empty picture is remembered for SaveIfChanged.
    QImage Load(const std::string& path, const std::function<QImage()>& decode);

    // Writes the remembered pictures when they are not what the file already holds (a
    // picture was decoded, or the file holds others). True when the file was written.
    bool SaveIfChanged();

    // How many pictures Load took from the cache.
    int Hits() const { return FHits; }

private:
    struct TStamp {
        long long Size = 0;
        long long ModifiedNs = 0;
        long long Inode = 0;
        bool operator==(const TStamp&) const = default;
    };
    struct TEntry {
        TStamp Stamp;
        QImage Picture;
    };

    static bool StampOf(const std::string& path, TStamp& stamp);

    void Read();

    std::string FFileName;
    std::map<std::string, TEntry> FStored;
    std::map<std::string, TEntry> FRemembered;
    bool FDecoded = false;
    int FHits = 0;
};

// The cache the picture loader uses; none (nullptr) unless the program installs one.
void SetPictureCache(TPictureCache* cache);
TPictureCache* GetPictureCache();

// The cache file of a program folder: in the user's cache folder ($XDG_CACHE_HOME, else
// ~/.cache), named after the folder, so that two program folders never share one.
std::string PictureCacheFileFor(const std::string& appPath);
