#include "objects/CMC_Path.h"

#include "foundation/CMElement.h"
#include "foundation/CXArchive.h"
#include "foundation/CXArray.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_TypeIds.h"

CMC_Path::CMC_Path(CMC_ObjectsContainer* container) : CMC_Object("temp", script::TYPE_PATH)
{
    setScene(container);
}

CMC_Path::CMC_Path(CMC_ObjectsContainer* container, CMElement* element) : CMC_Object(container, element, script::TYPE_PATH)
{
    if (CXArray* names = element->getPropertyListValue("NODES")) {
        for (int i = 0; i < names->getSize(); ++i)
            add(*names->stringAt(i));
        CXString::releaseToVector(names);
    }
    initializeBehaviours(container, element);
}

CMC_Path::~CMC_Path()
{
    beginDestruction();
}

CXString CMC_Path::toString() const
{
    CXString text;
    for (const CMC_ObjectRef& node : nodes_) {
        text += "[";
        if (node.isAlive())
            text += node.get()->toString();
        text += "]";
    }
    return text;
}

CXString** CMC_Path::getBehavioursList()
{
    return makeSignalList({"ONINIT", "ONDONE", "ONSIGNAL"});
}

void CMC_Path::add(const CXString& name)
{
    CMC_ObjectsContainer* container = getScene();
    nodes_.emplace_back(container != nullptr ? container->getObject(name.c_str()) : nullptr);
}

CMC_Object* CMC_Path::getNode(int index) const
{
    return index >= 0 && index < getSize() ? nodes_[size_t(index)].get() : nullptr;
}

CXString CMC_Path::getNodeName(int index) const
{
    CMC_Object* node = getNode(index);
    return node != nullptr ? node->getName() : CXString();
}

void CMC_Path::serialize(CXArchive* archive)
{
    CMC_Object::serialize(archive);
    if (archive == nullptr)
        return;
    if (archive->isStoring()) {
        *archive << getSize();
        for (int i = 0; i < getSize(); ++i)
            *archive << getNodeName(i);
        return;
    }
    int count = 0;
    *archive >> &count;
    nodes_.clear();
    // Every name takes bytes of the record: a count beyond them ends with the record.
    for (int i = 0; i < count && archive->LastError() == 0; ++i) {
        CXString name;
        *archive >> &name;
        if (archive->LastError() == 0)
            add(name);
    }
}
