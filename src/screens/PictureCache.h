#pragma once
// The decoded pictures of the start, kept between runs. Decoding the main window's pictures
// (and finding the decoders for their formats) is most of a start, while taking them back
// decoded costs next to nothing: the cache file is mapped, not read, so only the pictures
// drawn are ever paged in. An entry is used only while its picture file is unchanged; a
// missing, foreign or damaged cache file only costs the decoding.
#include <QImage>
#include <functional>
#include <map>
#include <string>

#include "store/PictureCacheFile.h"

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
    struct TEntry {
        TPictureStamp Stamp;
        QImage Picture;
    };
    using TEntries = std::map<std::string, TEntry>;

    void Read();

    std::string FFileName;
    TEntries FStored;
    TEntries FRemembered;
    bool FDecoded = false;
    int FHits = 0;
};

// The cache the picture loader uses; none (nullptr) unless the program installs one.
void SetPictureCache(TPictureCache* cache);
TPictureCache* GetPictureCache();
