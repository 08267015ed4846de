#include "plugins/extension/CRunnerMethodTable.h"

#include "graphics/CWindow.h"
#include "platform/WindowSystem.h"
#include "script/CMC_Object.h"
#include "script/CMC_ObjectsContainer.h"

CRunnerMethodTable::CRunnerMethodTable(int entries) : handlers_(static_cast<size_t>(entries), nullptr)
{
}

CRunnerMethodTable::~CRunnerMethodTable() = default;

bool CRunnerMethodTable::serves(int id) const
{
    return id > 0 && static_cast<size_t>(id) < handlers_.size();
}

CMC_Variable* CRunnerMethodTable::call(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    Handler handler = serves(id) ? handlers_[static_cast<size_t>(id)] : nullptr;
    return handler != nullptr ? handler(*this, object, container, arguments) : nullptr;
}

void CRunnerMethodTable::setHandler(int id, Handler handler)
{
    if (serves(id))
        handlers_[static_cast<size_t>(id)] = handler;
}

CMC_Variable* CRunnerMethodTable::show(CRunnerMethodTable&, CMC_Object* object, CMC_ObjectsContainer* container, CXVector*)
{
    CWindow* window = container != nullptr ? container->getWindow() : nullptr;
    platform::windowSystem().showMessage("TobrelEx", object->getName().c_str(), window != nullptr ? window->GetHwnd() : nullptr);
    return nullptr;
}
