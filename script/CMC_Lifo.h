#pragma once

#include "script/CMC_Quene.h"

// The LIFO object: a queue that gives its values back newest first.
class CMC_Lifo : public CMC_Quene {
public:
    CMC_Lifo(CMC_ObjectsContainer* container, CMElement* element);
    // For the scene archive.
    explicit CMC_Lifo(CMC_ObjectsContainer* scene);
    ~CMC_Lifo() override;
};
