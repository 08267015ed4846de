// A plug-in library for the engine's tests, built twice from this source (TestPlug and TestPlugB),
// each with its own tag and type identifier. Its module makes PLUGVALUE objects: a number read
// from "VALUE" that the object stores in its record and shows as "<tag>:<number>". Whatever
// happens to the module and its objects is written to the engine's log, "<tag>: ..." so that a
// test can see the order: made, gone, released (with the objects then alive), unloaded.
#include "application/CMC_ExternObject.h"
#include "foundation/CMElement.h"
#include "foundation/CXArchive.h"
#include "foundation/CXString.h"
#include "script/CMC_Object.h"

namespace {

int liveObjects = 0;

void report(const CXString& text)
{
    CXObject().log((CXString(TESTPLUG_TAG ": ") + text).c_str(), false);
}

class PlugValue : public CMC_Object {
public:
    PlugValue() : CMC_Object(CXString(), TESTPLUG_TYPE) { ++liveObjects; }
    PlugValue(CMC_ObjectsContainer* container, CMElement* element)
        : CMC_Object(container, element, TESTPLUG_TYPE), value_(element->getPropertyIntValue("VALUE"))
    {
        ++liveObjects;
        initializeBehaviours(container, element);
        report("made " + getName());
    }
    ~PlugValue() override
    {
        --liveObjects;
        report("gone " + getName());
    }

    CXString toString() const override { return CXString(TESTPLUG_TAG ":") + CXString::toString(value_); }
    CXString** getBehavioursList() override { return makeSignalList({"ONINIT", "ONDONE", "ONSIGNAL"}); }
    void serialize(CXArchive* archive) override
    {
        CMC_Object::serialize(archive);
        if (archive->isStoring())
            *archive << value_;
        else
            *archive >> &value_;
    }

private:
    int value_ = 0;
};

class Module final : public CMC_ExternObject {
public:
    Module() : word_("PLUGVALUE"), types_{&word_, nullptr} {}

    CXString** getImplementedTypes() override { return types_; }
    bool isSupported(const CXString& typeWord) override { return typeWord == word_; }
    CMC_Object* resolve(CMC_ObjectsContainer* container, CMElement* element) override
    {
        return isSupported(element->getPropertyValue("TYPE")) ? new PlugValue(container, element) : nullptr;
    }
    CMC_Object* serialize(int typeId, CXArchive*) override { return typeId == TESTPLUG_TYPE ? new PlugValue() : nullptr; }

private:
    CXString word_;
    CXString* types_[2];
};

Module* module = nullptr;

// Reports the library's unloading.
struct Unloading {
    ~Unloading() { report("unloaded"); }
} unloading;

} // namespace

void create(CMC_ObjectsContainer*)
{
    if (module == nullptr)
        module = new Module();
    report("created");
}

void release()
{
    report("released with " + CXString::toString(liveObjects) + " objects alive");
    delete module;
    module = nullptr;
}

CMC_ExternObject* getModuleInterface()
{
    return module;
}
