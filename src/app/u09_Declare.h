#pragma once
// Types and constants shared by every layer.
#include <cstdint>
#include <vector>

// A list of word or sentence numbers.
using TIntArray = std::vector<std::int32_t>;
