#pragma once

#include "foundation/CXObject.h"
#include "graphics/CSoundManagerLink.h"

#include <list>

class CSound4;

// The sounds of the running application. Once per engine turn it reports to each sound started
// with Play() whose buffer has stopped by itself that it finished, and hands the loops of the
// music streams to the scripts (CMusicLoopLink). The engine host owns one and installs it while it
// lives (as the window's CSoundManagerLink); sounds made from a file name join the installed one. A sound removed while the manager
// reports (from an observer) is only marked and unlinked after the pass. Main thread only.
class CSoundManager : public CXObject, public CSoundManagerLink {
public:
    CSoundManager() = default;
    ~CSoundManager() override;
    CSoundManager(const CSoundManager&) = delete;
    CSoundManager& operator=(const CSoundManager&) = delete;

    // Appends the sound; an owned one is deleted by Flush.
    void add(CSound4* sound, bool owned);
    // Marks the first node of the sound as playing.
    void play(CSound4* sound);
    // Takes the first node of the sound out of the reports; it is unlinked by the next turn.
    void remove(CSound4* sound);
    // The turn; always 0.
    int domodal() override;
    // Pauses every listed sound that plays; resumes every listed sound that is paused.
    virtual void pause();
    virtual void resume();
    // One last turn, then every owned sound deleted and the list emptied.
    void Flush();
    int getCount() const { return count_; }

    // The sound manager installed for the window's turn; null when none is, or it is none of ours.
    static CSoundManager* current();

private:
    struct Node {
        CSound4* sound;
        bool playing;
        bool owned;
        bool removed;
    };

    Node* firstNodeOf(CSound4* sound);

    std::list<Node> nodes_;
    int count_ = 0;
};
