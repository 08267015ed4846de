#include "objects/CMC_Dialog.h"

#include "graphics/CXDialog.h"
#include "objects/CSignalList.h"
#include "script/CMC_TypeIds.h"

const CSignalList& CMC_Dialog::signalList()
{
    static const CSignalList list{"ONINIT", "ONDONE", "ONSIGNAL"};
    return list;
}

CMC_Dialog::CMC_Dialog(CMC_ObjectsContainer* container)
    : CMC_Object("temp", script::TYPE_DIALOG), dialog_(std::make_unique<CXDialog>(container))
{
    setScene(container);
}

CMC_Dialog::CMC_Dialog(CMC_ObjectsContainer* container, CMElement* element)
    : CMC_Object(container, element, script::TYPE_DIALOG), dialog_(std::make_unique<CXDialog>(container))
{
    initializeBehaviours(container, element);
}

CMC_Dialog::~CMC_Dialog()
{
    beginDestruction();
}

CXString** CMC_Dialog::getBehavioursList()
{
    return signalList().make();
}
