#pragma once
// Where the screens place their controls, in window pixels. The backgrounds carry the
// slots and frames for these rectangles, and every picture that sits on a background is
// composed over the background at its place. content/SKIN.md lists the same numbers.
#include <QPoint>
#include <QRect>
#include <QSize>

namespace skin::layout {

constexpr QSize kWindow{800, 600};
constexpr int kHeaderHeight = 70;      // title band of every full-window screen
constexpr int kShortHeaderHeight = 48; // the notebook manager lists from y 54

// Frame buttons: help and exit are round 36 x 36 buttons, minimise and close 16 x 16.
constexpr QSize kRoundButton{36, 36};
constexpr QSize kSmallButton{16, 16};
struct FramePlaces {
  QPoint help, exit, min, close;
};
constexpr FramePlaces kMainFrame{{720, 549}, {759, 549}, {737, 3}, {757, 3}};
constexpr FramePlaces kCentreFrame{{691, 548}, {739, 548}, {737, 3}, {757, 3}};
constexpr FramePlaces kListFrame{{691, 548}, {739, 548}, {759, 3}, {777, 3}};  // screens 3, 4, 5

// Main window.
constexpr QPoint kHome{681, 549};
constexpr QRect kDelHistory{673, 484, 120, 52};
constexpr QRect kMenuPanel{2, 391, 665, 208};
constexpr QSize kMenuItem{201, 170};
constexpr QPoint kMenuItemInPanel[3] = {{16, 19}, {232, 19}, {448, 19}};

// Test centre.
constexpr QRect kKindPanel{60, 94, 680, 200};
constexpr QRect kScopePanel{60, 326, 680, 192};
constexpr QRect kViewType{80, 168, 150, 110};
constexpr QRect kViewMode{80, 394, 150, 110};
constexpr QPoint kKindRadio[5] = {{256, 162}, {256, 201}, {256, 239}, {479, 162}, {480, 201}};
constexpr QPoint kKindCaption[5] = {{300, 164}, {300, 205}, {300, 244}, {520, 164}, {520, 205}};
constexpr QSize kKindCaptionSize{150, 26};
constexpr QPoint kModeRadio[3] = {{256, 386}, {256, 428}, {256, 470}};
constexpr QPoint kModeCaption[3] = {{300, 394}, {300, 435}, {300, 478}};
constexpr QSize kModeCaptionSize{190, 26};
constexpr QPoint kComboBox{512, 390};
constexpr QPoint kWordListIdx{512, 430};
constexpr QSize kComboSize{136, 26};
constexpr QSize kComboDownSize{112, 152};
constexpr QRect kWordListIdxEntry{86, 4, 44, 18};  // inside WordListIdx.gif
constexpr QRect kEnter{561, 527, 120, 40};
constexpr QSize kHoverMark{12, 12};

// Test windows and result windows (screen 3).
constexpr QSize kTitlePicture{440, 64};  // type1..5.gif at (0, 0)
constexpr QRect kOrderSwitch{554, 36, 100, 28};
constexpr QRect kScopeLine{30, 77, 740, 36};
constexpr QSize kGroupPlate{100, 28};
constexpr QPoint kGroupPlatePlace{430, 81};  // one of the four; the scope line is flat there
constexpr QRect kQuestionCards[4] = {{40, 124, 340, 190}, {420, 124, 340, 190},
                                     {40, 324, 340, 190}, {420, 324, 340, 190}};
constexpr QRect kQuestionPanel{40, 124, 720, 390};
constexpr QRect kClock{40, 529, 170, 36};
constexpr QRect kTestStart{236, 529, 104, 36};
constexpr QRect kTestFinished{352, 529, 104, 36};
constexpr QRect kPrevPage{522, 529, 64, 36};
constexpr QRect kNextPage{590, 529, 64, 36};
constexpr QRect kSound{130, 140, 40, 40};
constexpr QSize kAnswerMark{40, 40};
constexpr QPoint kListenMark{528, 445};
constexpr QPoint kTypedMark{406, 402};
constexpr QRect kTypedInput{120, 402, 280, 40};

// Result windows.
constexpr QRect kReviewPanel{36, 148, 626, 372};
constexpr int kRowTop = 194;
constexpr int kRowPitch = 33;
constexpr QSize kResultButton{100, 36};
constexpr QPoint kAddToNote{679, 122};
constexpr QPoint kSelAll{679, 234};  // 230 + the shift of 4
constexpr QPoint kClear{679, 326};
constexpr QPoint kUnSel{679, 424};   // 420 + the shift of 4

// Scroll tracks of the two list screens: up button, track, down button.
constexpr QSize kTrackButton{16, 13};
constexpr QSize kTrack{16, 423};
constexpr QSize kBall{16, 13};
constexpr QPoint kHistoryTrack{747, 82};
constexpr QPoint kNoteBookTrack{743, 62};

// Test history viewer.
constexpr int kHistoryRowTop = 136;
constexpr int kHistoryRows = 12;
constexpr QRect kHistoryPanel{32, 74, 738, 464};

// Notebook manager.
constexpr QSize kNoteButton{100, 42};
constexpr QPoint kNoteButtons[7] = {{36, 116}, {36, 168}, {36, 221}, {36, 273},
                                    {36, 326}, {36, 378}, {36, 431}};
constexpr QRect kNoteColumn{24, 64, 124, 470};
constexpr QRect kStartNoteTest{38, 489, 100, 36};
constexpr QRect kNoteList{176, 54, 590, 470};
constexpr int kNoteRowTop = 60;
constexpr int kNoteRowPitch = 58;
constexpr QRect kNoteInfo{170, 538, 500, 28};

// The two choice popups: notebook chooser, and test-kind chooser with its five labels at
// left 40, 100 x 20, tops 38 to 124.
constexpr QSize kPopup{324, 204};
constexpr QSize kKindPopup{180, 172};

}  // namespace skin::layout
