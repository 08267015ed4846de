#pragma once

#include "plugins/extension/CMC_ExtensionObject.h"

// The KEYMAPPER object: key names mapped onto other names ("A" onto "LEFT"), so that a game asks
// for a name and accepts every key mapped onto it. The mappings are its runner's, shared by every
// KEYMAPPER while the library stays loaded.
class CMC_KeyMapper final : public CMC_ExtensionObject {
public:
    static constexpr int kTypeId = 10002;

    CMC_KeyMapper(CMC_ObjectsContainer* container, CMElement* definition);
    explicit CMC_KeyMapper(CMC_ObjectsContainer* container);

    CMC_Runner* getRunner() override;
};
