#pragma once
// Writes a checked book as the program's data files through the store classes.
#include <filesystem>
#include <string>

#include "book_builder/book_source.h"

// Writes word.dat, word.lst and sens.dat into dataDir. A failure to save
// (reported in `error`) leaves the old files as they were.
bool WriteBook(const Book& book, const std::filesystem::path& dataDir, std::string& error);
