#pragma once

#include "plugins/module/CPluginModule.h"

// The module of the TobrelEx library: KULKI, GAMEMOUSE and KEYMAPPER objects, by their words and
// by the identifiers 10000, 10001 and 10002 of their stored records.
class TAMZORA_MODULE_EXPORT CTobrelEx final : public CPluginModule {
public:
    explicit CTobrelEx(CMC_ObjectsContainer* container);
};
