#pragma once
// Whole-file reading and atomic writing.
#include <optional>
#include <string>
#include <string_view>

// The file's bytes, or nothing when it is missing or cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Writes the bytes to a temporary file in the same folder, flushes it to disk
// and renames it over path. On any failure returns false, removes the
// temporary file and leaves an existing file at path as it was.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// Removes the temporary files that a save cut short (a crash, a kill) left in
// folder. Only names of the form the atomic writer makes are touched.
void RemoveAbandonedTemporaries(const std::string& folder);
