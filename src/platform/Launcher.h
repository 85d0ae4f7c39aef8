#pragma once
// Starting other programs and pages, without waiting for them.
#include <string>

class ILauncher {
public:
    virtual ~ILauncher() = default;
    // Starts `program` with the one command line argument `argument`, detached.
    virtual bool StartDetached(const std::string& program, const std::string& argument) = 0;
    // Opens a page of the help, such as "frmMain.htm".
    virtual bool OpenHelpPage(const std::string& page) = 0;
    // Opens a web address in the desktop's browser.
    virtual bool OpenWebAddress(const std::string& address) = 0;
};

namespace launcher_detail {
inline ILauncher* installed = nullptr;
}

// The GUI installs its launcher at start; tests install fakes. Not owned.
inline void SetLauncher(ILauncher* launcher) { launcher_detail::installed = launcher; }
// Nothing is started while no launcher is installed.
inline ILauncher* GetLauncher() { return launcher_detail::installed; }
