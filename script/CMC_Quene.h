#pragma once

#include "script/CMC_Object.h"

class CXQuene;

// The object part of FIFO and LIFO: a queue of script values, in the order the kind of queue
// gives them back. The queue holds copies the object owns (a pooled temporary would be lent again
// after the turn and change under the queue); POP hands out a pooled copy and deletes its own.
// The queued values are not part of the scene archive.
class CMC_Quene : public CMC_Object {
public:
    ~CMC_Quene() override;

    virtual CXQuene* getQuene();

    // Queues a copy of an INTEGER, STRING, BOOL or DOUBLE; other values are not queued.
    void push(CMC_Variable* value);
    // The next value as a pooled copy; null when the queue is empty.
    CMC_Variable* pop();
    int getSize();

    CXString** getBehavioursList() override;

protected:
    // The queue is taken over.
    CMC_Quene(CMC_ObjectsContainer* container, CMElement* element, int type, CXQuene* quene);
    // Named "temp" in the scene, for the scene archive to fill.
    CMC_Quene(CMC_ObjectsContainer* scene, int type, CXQuene* quene);

private:
    CXQuene* quene_;
};
