#include "app/u09_Declare.h"

TRgbColor clAnswerBack;
TRgbColor clHeaderBack;
TRgbColor clNoteLabelBack;
TRgbColor clCaptionFont;
TRgbColor clSampleFont;
TRgbColor clEditBack;
int cSelButtonShift = 0;
int cModeGifLeft = 0;
int cModeGifTop = 0;

void InitConstants()
{
    clAnswerBack = {231, 242, 226};
    clHeaderBack = {221, 247, 220};
    clNoteLabelBack = {231, 242, 226};
    clCaptionFont = {0, 82, 10};
    clSampleFont = {61, 102, 45};
    clEditBack = {237, 237, 217};
    cSelButtonShift = 4;
    cModeGifLeft = 7;
    cModeGifTop = 4;
}
