#pragma once
// A working copy of the synthetic book, for benchmarks whose operations write files.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "SyntheticBook.h"

// A temporary folder holding the book's files, removed at exit; made once per process.
inline const std::string& BookCopyFolder()
{
    static const std::string folder = [] {
        namespace fs = std::filesystem;
        std::string pattern = (fs::temp_directory_path() / "vellora-book-copy-XXXXXX").string();
        std::string made = ::mkdtemp(pattern.data());
        for (const auto& entry : fs::directory_iterator(SyntheticBookFolder()))
            fs::copy_file(entry.path(), fs::path(made) / entry.path().filename());
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(BookCopyFolder(), ignored);
        });
        return made + "/";
    }();
    return folder;
}
