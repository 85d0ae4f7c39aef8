#pragma once
// Where core operations send the notices a learner must see.
#include <string>

class INoticeSink {
public:
    virtual ~INoticeSink() = default;
    // Shows `text` under `title` and returns when the learner has closed it.
    virtual void Inform(const std::string& title, const std::string& text) = 0;
};

namespace notice_detail {
inline INoticeSink* installed = nullptr;
}

// The dialog service installs itself at start; tests install a recorder. Not owned.
inline void SetNoticeSink(INoticeSink* sink) { notice_detail::installed = sink; }
inline INoticeSink* GetNoticeSink() { return notice_detail::installed; }

// Sends a notice to the installed sink; without one it goes nowhere.
inline void SendNotice(const std::string& title, const std::string& text)
{
    if (INoticeSink* sink = GetNoticeSink())
        sink->Inform(title, text);
}
