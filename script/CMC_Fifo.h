#pragma once

#include "script/CMC_Quene.h"

// The FIFO object: a queue that gives its values back in the order they were pushed.
class CMC_Fifo : public CMC_Quene {
public:
    CMC_Fifo(CMC_ObjectsContainer* container, CMElement* element);
    // For the scene archive.
    explicit CMC_Fifo(CMC_ObjectsContainer* scene);
    ~CMC_Fifo() override;
};
