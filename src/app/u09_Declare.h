#pragma once
// Types and constants shared by every layer.
#include <cstdint>
#include <vector>

// A list of word or sentence numbers.
using TIntArray = std::vector<std::int32_t>;

// A colour as red, green and blue; the windows turn it into their own colour type.
struct TRgbColor {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;
    friend bool operator==(const TRgbColor&, const TRgbColor&) = default;
};

inline constexpr const char* cAppTitle = "澜橙记词";
inline constexpr const char* cInstanceLockName = "Corvane_Vellora_6D";

// Assigned by InitConstants before any window exists.
extern TRgbColor clAnswerBack;
extern TRgbColor clHeaderBack;
extern TRgbColor clNoteLabelBack;
extern TRgbColor clCaptionFont;
extern TRgbColor clSampleFont;
extern TRgbColor clEditBack;
extern int cSelButtonShift;
extern int cModeGifLeft;
extern int cModeGifTop;

void InitConstants();
