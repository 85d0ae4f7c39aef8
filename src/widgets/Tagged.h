#pragma once
// The number a control carries so that one handler can serve a family of controls.
class TTagged
{
public:
    int Tag() const { return FTag; }
    void SetTag(int tag) { FTag = tag; }

private:
    int FTag = 0;
};
