#pragma once
// A large synthetic book for benchmarks, written through the stores.
#include <cstdint>
#include <string>

struct TSyntheticBookSize {
    std::int32_t Words = 20000;
    std::int32_t Sentences = 60000;  // 1 to 5 per word; 10 % of the words have none
    std::int32_t WordLists = 500;
    std::int32_t HistoryRecords = 5000;
};

// Writes word.dat, word.lst, sens.dat, His.dat, notes2.dat and snotes2.dat
// (default notebooks, the untested ones full) into folder, which must exist.
// The derived files WSCross.dat and wlsen2.dat are left to be built. The same
// size always gives the same files.
bool WriteSyntheticBook(const std::string& folder, const TSyntheticBookSize& size = {});

// A folder holding the default book: $VELLORA_BENCH_BOOK when set (written
// there when it holds no word.dat), otherwise a temporary folder made once
// per process and removed at exit.
const std::string& SyntheticBookFolder();
