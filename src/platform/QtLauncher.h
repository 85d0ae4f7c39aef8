#pragma once
// Starting programs, help pages and web addresses on this desktop.
#include "platform/Launcher.h"

class TQtLauncher : public ILauncher
{
public:
    bool StartDetached(const std::string& program, const std::string& argument) override;
    bool OpenHelpPage(const std::string& page) override;
    bool OpenWebAddress(const std::string& address) override;
};
