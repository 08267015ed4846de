#pragma once

class CPlayable;

// A script object that shows an animation (the ANIMO object). The animation manager asks the
// members of a group for theirs when it resumes only that group's animations.
class CAnimoHolder {
public:
    virtual ~CAnimoHolder() = default;
    // The animation shown, as the playable the manager steps; null when there is none.
    virtual CPlayable* getAnimoPlayable() = 0;
};
