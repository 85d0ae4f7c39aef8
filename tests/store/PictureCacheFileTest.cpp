#include "store/PictureCacheFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

TEST(PictureCacheFile, IsInTheUsersCacheFolderAndNamedAfterTheProgramFolder)
{
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    const std::string cacheHome = std::getenv("XDG_CACHE_HOME") ? std::getenv("XDG_CACHE_HOME") : "";
    setenv("XDG_CACHE_HOME", "/cache/home", 1);
    setenv("HOME", "/home/learner", 1);
    const std::string file = PictureCacheFileFor("/opt/vellora/");
    EXPECT_EQ(file.rfind("/cache/home/vellora/pictures-", 0), 0u) << file;
    EXPECT_EQ(PictureCacheFileFor("/opt/vellora/"), file);
    EXPECT_NE(PictureCacheFileFor("/home/learner/vellora/"), file);
    // A relative XDG_CACHE_HOME is ignored, as the base directory rules say.
    setenv("XDG_CACHE_HOME", "cache", 1);
    EXPECT_EQ(PictureCacheFileFor("/opt/vellora/").rfind("/home/learner/.cache/vellora/", 0), 0u);
    unsetenv("XDG_CACHE_HOME");
    unsetenv("HOME");
    EXPECT_EQ(PictureCacheFileFor("/opt/vellora/"), "");
    setenv("HOME", home.c_str(), 1);
    if (!cacheHome.empty())
        setenv("XDG_CACHE_HOME", cacheHome.c_str(), 1);
}

}  // namespace
