#pragma once
// Process-wide values set once during start-up, and the start-up steps that set them.
#include <array>
#include <cstdint>
#include <string>

#include "app/u09_Declare.h"

// Folders, each ending in '/'.
extern std::string gAppPath;
extern std::string gDataPath;
extern std::string gPicPath;
extern std::string gSoundPath;

extern std::int32_t gGroupSize;
extern bool gCreateMode;
// Indexed by test type 1 to 5; entry 0 is empty.
extern std::array<std::string, 6> gTestTypeNames;
extern bool gExitConfirmed;

// The display name of a test type; empty for a number outside 1 to 5 (as a damaged history record may hold).
const std::string& TestTypeName(int testType);

// Sets the folders from the executable's folder, creates the missing ones, starts the
// updater when there is one, and sets the other values above.
void InitEnvironment(const std::string& executableFolder);

// The file whose lock tells that a copy of the program runs: in $XDG_RUNTIME_DIR, else in /tmp.
std::string InstanceLockPath(const std::string& lockName);
// Takes the lock for the rest of the process; false when another process holds it.
bool TakeInstanceLock(const std::string& lockName);
// Ends this process at once, silently, when another copy holds the lock.
void CheckSingleInstance(const std::string& lockName);

// The text without any carriage return or line feed.
std::string StripLineBreaks(const std::string& text);

// `name` (which may name sub-folders, with '/' or '\') under `folder`, every part matched
// without regard to ASCII letter case; an exact match wins, and a part that does not exist
// keeps the spelling given. So a write goes to an existing file's own name.
std::string ResolveCaseFolded(const std::string& folder, const std::string& name);
bool ExistsCaseFolded(const std::string& folder, const std::string& name);
// As ResolveCaseFolded, but "" when a part of `name` is "..": a name read from a data
// file must not lead out of the folder it belongs to.
std::string ResolveInside(const std::string& folder, const std::string& name);
