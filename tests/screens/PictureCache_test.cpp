#include "screens/PictureCache.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "../support/TestBook.h"

namespace {

namespace fs = std::filesystem;

QImage Gradient(int width, int height, int shade)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb((x * 7 + shade) % 256, (y * 5) % 256, shade));
    return picture;
}

// Two pictures on disk and a cache file beside them; Load counts the decodings it asks for.
class PictureCacheTest : public ::testing::Test {
protected:
    PictureCacheTest()
    {
        Write(First, Gradient(40, 30, 10));
        Write(Second, Gradient(800, 600, 200));
    }

    static void Write(const fs::path& file, const QImage& picture) { ASSERT_TRUE(picture.save(QString::fromStdString(file.string()))); }

    QImage Load(TPictureCache& cache, const fs::path& file)
    {
        return cache.Load(file.string(), [this, file] {
            ++Decodings;
            return QImage(QString::fromStdString(file.string())).convertToFormat(QImage::Format_RGB32);
        });
    }

    // A cache file holding both pictures.
    void Fill()
    {
        TPictureCache cache(CacheFile.string());
        Load(cache, First);
        Load(cache, Second);
        ASSERT_TRUE(cache.SaveIfChanged());
        Decodings = 0;
    }

    testbook::TTempFolder Temp;
    fs::path First = Temp.Path / "first.bmp";
    fs::path Second = Temp.Path / "second.png";
    fs::path CacheFile = Temp.Path / "cache" / "pictures.cache";
    int Decodings = 0;
};

TEST_F(PictureCacheTest, ASecondRunTakesThePicturesWithoutDecodingAndWritesNothing)
{
    Fill();
    const auto written = fs::last_write_time(CacheFile);

    TPictureCache cache(CacheFile.string());
    EXPECT_EQ(Load(cache, First), Gradient(40, 30, 10));
    EXPECT_EQ(Load(cache, Second), Gradient(800, 600, 200));
    EXPECT_EQ(Decodings, 0);
    EXPECT_EQ(cache.Hits(), 2);
    EXPECT_FALSE(cache.SaveIfChanged());
    EXPECT_EQ(fs::last_write_time(CacheFile), written);
}

TEST_F(PictureCacheTest, DrawingOnAPictureFromTheCacheChangesNeitherTheCacheNorItsFile)
{
    Fill();
    const std::string bytes = testbook::ReadFile(CacheFile);
    TPictureCache cache(CacheFile.string());
    QImage picture = Load(cache, Second);
    picture.fill(Qt::red);
    EXPECT_EQ(Load(cache, Second), Gradient(800, 600, 200));
    EXPECT_EQ(testbook::ReadFile(CacheFile), bytes);
}

TEST_F(PictureCacheTest, ARepaintedPictureIsDecodedAgainAndTheCacheRewritten)
{
    Fill();
    // A new size is seen even where the file system keeps coarse times.
    Write(First, Gradient(41, 30, 90));

    TPictureCache cache(CacheFile.string());
    EXPECT_EQ(Load(cache, First), Gradient(41, 30, 90));
    EXPECT_EQ(Load(cache, Second), Gradient(800, 600, 200));
    EXPECT_EQ(Decodings, 1);
    EXPECT_TRUE(cache.SaveIfChanged());

    TPictureCache next(CacheFile.string());
    EXPECT_EQ(Load(next, First), Gradient(41, 30, 90));
    EXPECT_EQ(next.Hits(), 1);
}

TEST_F(PictureCacheTest, APictureReplacedByAnotherFileIsDecodedAgain)
{
    Fill();
    // Same size and time, another file: as when a skin is unpacked over the old one.
    const fs::path replacement = Temp.Path / "replacement.bmp";
    Write(replacement, Gradient(40, 30, 77));
    fs::last_write_time(replacement, fs::last_write_time(First));
    fs::rename(replacement, First);

    TPictureCache cache(CacheFile.string());
    EXPECT_EQ(Load(cache, First), Gradient(40, 30, 77));
    EXPECT_EQ(Decodings, 1);
}

TEST_F(PictureCacheTest, PicturesNoLongerLoadedAreDroppedFromTheFile)
{
    Fill();
    {
        TPictureCache cache(CacheFile.string());
        Load(cache, First);
        EXPECT_TRUE(cache.SaveIfChanged());
    }
    TPictureCache cache(CacheFile.string());
    Load(cache, Second);
    EXPECT_EQ(Decodings, 1);
}

TEST_F(PictureCacheTest, AMissingPictureIsNotRemembered)
{
    TPictureCache cache(CacheFile.string());
    EXPECT_TRUE(Load(cache, Temp.Path / "missing.bmp").isNull());
    EXPECT_FALSE(cache.SaveIfChanged());
    EXPECT_FALSE(fs::exists(CacheFile));
}

TEST_F(PictureCacheTest, ADamagedCacheFileCostsOnlyTheDecoding)
{
    Fill();
    const std::string good = testbook::ReadFile(CacheFile);
    std::string tooWide = good;
    // The first entry's width sits after the magic, the count, the path length, the padded
    // path and its file's size, time and inode.
    const std::size_t widthAt = 8 + 4 + 4 + ((First.string().size() + 3) & ~std::size_t{3}) + 24;
    tooWide[widthAt + 3] = '\x7f';
    std::string manyEntries = good;
    manyEntries[8] = '\x09';
    const struct {
        const char* Case;
        std::string Bytes;
    } cases[] = {
        {"empty", ""},
        {"another kind of file", "GIF89a" + good.substr(6)},
        {"cut short", good.substr(0, good.size() - 1)},
        {"cut in the header", good.substr(0, 10)},
        {"with bytes after the last entry", good + "x"},
        {"a width beyond any picture", tooWide},
        {"more entries than it holds", manyEntries},
    };
    for (const auto& damaged : cases) {
        testbook::WriteFile(CacheFile, damaged.Bytes);
        Decodings = 0;
        TPictureCache cache(CacheFile.string());
        EXPECT_EQ(Load(cache, First), Gradient(40, 30, 10)) << damaged.Case;
        EXPECT_EQ(Load(cache, Second), Gradient(800, 600, 200)) << damaged.Case;
        EXPECT_EQ(Decodings, 2) << damaged.Case;
        EXPECT_TRUE(cache.SaveIfChanged()) << damaged.Case;
        EXPECT_EQ(testbook::ReadFile(CacheFile), good) << damaged.Case;
    }
}

TEST_F(PictureCacheTest, ACacheFolderThatCannotBeMadeOnlyFailsTheSave)
{
    testbook::WriteFile(Temp.Path / "taken", "a file where the cache folder would be");
    TPictureCache cache((Temp.Path / "taken" / "pictures.cache").string());
    EXPECT_EQ(Load(cache, First), Gradient(40, 30, 10));
    EXPECT_FALSE(cache.SaveIfChanged());
    EXPECT_EQ(testbook::ReadFile(Temp.Path / "taken"), "a file where the cache folder would be");
}

TEST_F(PictureCacheTest, WithoutACacheFileEveryPictureIsDecoded)
{
    TPictureCache cache("");
    EXPECT_EQ(Load(cache, First), Gradient(40, 30, 10));
    EXPECT_EQ(Decodings, 1);
    EXPECT_FALSE(cache.SaveIfChanged());
}

}  // namespace
