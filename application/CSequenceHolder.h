#pragma once

class CPlayable;

// A script object that plays a sequence (the SEQUENCE object). A scene asks its sequence objects
// for their playables to list those that play and to resume those that are paused.
class CSequenceHolder {
public:
    virtual ~CSequenceHolder() = default;
    // The sequence played; null when there is none.
    virtual CPlayable* getSequencePlayable() = 0;
};
