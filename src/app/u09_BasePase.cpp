#include "app/u09_BasePase.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/Launcher.h"

namespace fs = std::filesystem;

std::string gAppPath;
std::string gDataPath;
std::string gPicPath;
std::string gSoundPath;
std::int32_t gGroupSize = 40;
bool gCreateMode = false;
std::array<std::string, 6> gTestTypeNames;
bool gExitConfirmed = false;

namespace {

std::string WithTrailingSlash(std::string folder)
{
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

std::string LowerAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The entry of `folder` spelled like `part` but for letter case; `part` itself when none is.
std::string FoldedEntryName(const std::string& folder, const std::string& part)
{
    std::error_code error;
    if (fs::exists(fs::path(folder) / part, error))
        return part;
    const std::string wanted = LowerAscii(part);
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        std::string onDisk = entry->path().filename().string();
        if (LowerAscii(onDisk) == wanted)
            return onDisk;
    }
    return part;
}

void CreateFolder(const std::string& folder)
{
    std::error_code ignored;
    fs::create_directories(folder, ignored);
}

void StartUpdater()
{
    if (!ExistsCaseFolded(gAppPath, "update/update.EXE"))
        return;
    if (ILauncher* launcher = GetLauncher())
        launcher->StartDetached(ResolveCaseFolded(gAppPath, "update/update.EXE"), "/SilentCheck");
}

}  // namespace

const std::string& TestTypeName(int testType)
{
    static const std::string none;
    if (testType < 1 || testType > 5)
        return none;
    return gTestTypeNames[static_cast<std::size_t>(testType)];
}

void InitEnvironment(const std::string& executableFolder)
{
    gAppPath = WithTrailingSlash(executableFolder);
    gDataPath = gAppPath + FoldedEntryName(gAppPath, "data") + '/';
    gPicPath = gAppPath + FoldedEntryName(gAppPath, "Pic") + '/';
    gSoundPath = gAppPath + FoldedEntryName(gAppPath, "sound") + '/';
    CreateFolder(gDataPath);
    CreateFolder(gPicPath);
    CreateFolder(gSoundPath);
    CreateFolder(gAppPath + FoldedEntryName(gAppPath, "iniData") + '/');
    gGroupSize = 40;
    StartUpdater();
    gCreateMode = ExistsCaseFolded(gAppPath, "Create.dat");
    gTestTypeNames = {"", "看英文选中文", "看中文选英文", "听音选中文", "单词拼写", "填写句子"};
    gExitConfirmed = false;
}

std::string InstanceLockPath(const std::string& lockName)
{
    const char* runtimeFolder = std::getenv("XDG_RUNTIME_DIR");
    if (runtimeFolder && *runtimeFolder)
        return WithTrailingSlash(runtimeFolder) + lockName + ".lock";
    // /tmp is shared by every user: one lock per user, as in a runtime folder.
    return "/tmp/" + lockName + "-" + std::to_string(getuid()) + ".lock";
}

bool TakeInstanceLock(const std::string& lockName)
{
    // Close-on-exec: a program we start must not keep holding our lock after we end.
    const int fd = open(InstanceLockPath(lockName).c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return true;  // No place for a lock: running beats refusing to run.
    if (flock(fd, LOCK_EX | LOCK_NB) == 0)
        return true;  // The descriptor stays open, and the lock held, until the process ends.
    const bool heldElsewhere = errno == EWOULDBLOCK;
    close(fd);
    return !heldElsewhere;
}

void CheckSingleInstance(const std::string& lockName)
{
    if (!TakeInstanceLock(lockName))
        std::_Exit(0);
}

std::string StripLineBreaks(const std::string& text)
{
    std::string result;
    result.reserve(text.size());
    for (char c : text)
        if (c != '\r' && c != '\n')
            result += c;
    return result;
}

std::string ResolveCaseFolded(const std::string& folder, const std::string& name)
{
    std::string resolved = WithTrailingSlash(folder);
    std::string part;
    auto appendPart = [&](bool last) {
        if (part.empty())
            return;
        resolved += FoldedEntryName(resolved, part);
        if (!last)
            resolved += '/';
        part.clear();
    };
    for (char c : name) {
        if (c == '/' || c == '\\')
            appendPart(false);
        else
            part += c;
    }
    appendPart(true);
    return resolved;
}

bool ExistsCaseFolded(const std::string& folder, const std::string& name)
{
    std::error_code error;
    return fs::exists(ResolveCaseFolded(folder, name), error);
}

std::string ResolveInside(const std::string& folder, const std::string& name)
{
    std::string part;
    for (const char c : name + '/') {
        if (c != '/' && c != '\\') {
            part += c;
            continue;
        }
        if (part == "..")
            return {};
        part.clear();
    }
    return ResolveCaseFolded(folder, name);
}
