#include "plugins/module/CPluginModule.h"

#include "foundation/CMElement.h"
#include "foundation/CXString.h"
#include "script/CMC_ObjectsContainer.h"

CPluginModule::CPluginModule(CMC_ObjectsContainer* container, std::span<const ObjectType> types)
    : types_(types), container_(container)
{
    for (const ObjectType& type : types_)
        words_.push_back(new CXString(type.word));
    words_.push_back(nullptr);
}

CPluginModule::~CPluginModule()
{
    for (CXString* word : words_)
        delete word;
}

CXString** CPluginModule::getImplementedTypes()
{
    return words_.data();
}

bool CPluginModule::isSupported(const CXString& typeWord)
{
    for (const ObjectType& type : types_) {
        if (typeWord.equals(type.word))
            return true;
    }
    return false;
}

CMC_Object* CPluginModule::resolve(CMC_ObjectsContainer* container, CMElement* element)
{
    if (element == nullptr)
        return nullptr;
    const CXString word = element->getPropertyValue("TYPE");
    for (const ObjectType& type : types_) {
        if (word.equals(type.word))
            return type.fromDefinition(container, element);
    }
    return nullptr;
}

CMC_Object* CPluginModule::serialize(int typeId, CXArchive*)
{
    for (const ObjectType& type : types_) {
        if (typeId == type.typeId)
            return type.fromRecord(container_.get());
    }
    return nullptr;
}
