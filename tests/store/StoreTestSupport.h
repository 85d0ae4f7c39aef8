#pragma once
// A temporary folder per test and small file helpers.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

class TTempFolder {
public:
    TTempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "vellora-store-XXXXXX").string();
        Path = ::mkdtemp(pattern.data());
    }
    ~TTempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(Path, ignored);
    }
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;

    std::string File(const std::string& name) const { return (Path / name).string(); }
    std::size_t EntryCount() const
    {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(Path),
                                                      std::filesystem::directory_iterator()));
    }

    std::filesystem::path Path;
};

inline std::string Fixture(const std::string& name)
{
    return std::string(VELLORA_FIXTURES) + "/store/" + name;
}

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}
