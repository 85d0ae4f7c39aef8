#include "store/unt99_XMLOpModal_File.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string FolderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A new temporary file beside path, created exclusively; -1 when none can be made.
int CreateTemporaryBeside(const std::string& path, std::string& temporaryPath)
{
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryPath = path + ".tmp" + std::to_string(::getpid()) + "-" +
                        std::to_string(counter.fetch_add(1));
        const int fd = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// "<name>.tmp<pid>-<counter>", as CreateTemporaryBeside names them.
bool IsTemporaryName(const std::string& name)
{
    const std::size_t mark = name.rfind(".tmp");
    if (mark == std::string::npos || mark == 0)
        return false;
    const std::string_view rest = std::string_view(name).substr(mark + 4);
    const std::size_t dash = rest.find('-');
    const auto allDigits = [](std::string_view text) {
        return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    return dash != std::string_view::npos && allDigits(rest.substr(0, dash)) && allDigits(rest.substr(dash + 1));
}

void SyncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat info{};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    // Read straight into the string, growing it should the file have grown.
    std::string bytes(static_cast<std::size_t>(info.st_size) + 1, '\0');
    std::size_t used = 0;
    for (;;) {
        if (used == bytes.size())
            bytes.resize(bytes.size() * 2);
        const ssize_t got = ::read(fd, bytes.data() + used, bytes.size() - used);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd);
            return std::nullopt;
        }
        if (got == 0)
            break;
        used += static_cast<std::size_t>(got);
    }
    bytes.resize(used);
    ::close(fd);
    return bytes;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes)
{
    if (path.empty())
        return false;
    std::string temporaryPath;
    const int fd = CreateTemporaryBeside(path, temporaryPath);
    if (fd < 0)
        return false;
    bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    written = (::close(fd) == 0) && written;
    if (!written || std::rename(temporaryPath.c_str(), path.c_str()) != 0) {
        ::unlink(temporaryPath.c_str());
        return false;
    }
    SyncFolder(FolderOf(path));
    return true;
}

void RemoveAbandonedTemporaries(const std::string& folder)
{
    std::error_code error;
    std::vector<std::filesystem::path> abandoned;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.is_regular_file(error) && IsTemporaryName(entry.path().filename().string()))
            abandoned.push_back(entry.path());
    }
    for (const auto& path : abandoned)
        std::filesystem::remove(path, error);
}
