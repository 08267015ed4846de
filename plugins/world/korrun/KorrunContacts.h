#pragma once

#include <box2d/b2_world_callbacks.h>

// Tells both bodies of a contact that begins during a step, so contacts as short as one step
// still count for the MoveObjects call they happened in.
class KorrunContacts : public b2ContactListener {
public:
    void BeginContact(b2Contact* contact) override;
};
