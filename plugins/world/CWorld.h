#pragma once

#include "plugins/module/CPluginModule.h"

// The module of the World library: WORLD objects, by their word and by the identifier 10003 of
// their stored records.
class TAMZORA_MODULE_EXPORT CWorld final : public CPluginModule {
public:
    explicit CWorld(CMC_ObjectsContainer* container);
};
