#pragma once
// The frame buttons every test and result window shares: help, exit, minimise and close.
#include "engine/u06_TestBase.h"
#include "screens/u09_Object.h"

inline void LoadTestFrameButtons(Tfrm06_TestBase& window)
{
    frm09_Object->LoadButtonImages("btnhelp3", window.btnHelp, true, true, true, false, ".bmp");
    frm09_Object->LoadButtonImages("btnexit3", window.btnExit, true, true, true, false, ".bmp");
    frm09_Object->LoadButtonImages("btnMin3", window.btnMin, true, true, true, false, ".bmp");
    frm09_Object->LoadButtonImages("btnClose3", window.btnClose, true, true, true, false, ".bmp");
}
