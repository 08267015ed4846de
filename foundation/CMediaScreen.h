#pragma once

class CSharedMedium;

// The screen of the window host as CResourcesManager sees it: a medium about to be deleted is taken
// off it first, so the screen never draws a freed object. The window implements it; media that are
// not drawn are simply not found there.
class CMediaScreen {
public:
    virtual ~CMediaScreen() = default;
    virtual void removeFromScreen(CSharedMedium* medium) = 0;
};
