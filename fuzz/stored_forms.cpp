// Stored forms of script objects from hostile bytes: the first byte picks TIMER, VECTOR, ARRAY,
// CONDITION, COMPLEXCONDITION, BEHAVIOUR or STRUCT, the rest is read back into a fresh object.
// What it then stores must read back into an object that stores the very same bytes.
#include "foundation/CFile_Stream.h"
#include "foundation/CMElement.h"
#include "foundation/CXArchive.h"
#include "fuzz/StoringSink.h"
#include "fuzz/ScriptPools.h"
#include "script/CMC_Array.h"
#include "script/CMC_Behaviour.h"
#include "script/CMC_ComplexCondition.h"
#include "script/CMC_Condition.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_Structure.h"
#include "script/CMC_Timer.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_Vector.h"

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

namespace {

struct Form {
    std::function<CMC_Object*(CMC_ObjectsContainer*)> make;
    // Reads or stores the object's stored form.
    std::function<void(CMC_Object*, CXArchive*)> serialize;
};

void serializeObject(CMC_Object* object, CXArchive* archive)
{
    object->serialize(archive);
}

void serializeStructure(CMC_Object* object, CXArchive* archive)
{
    auto* structure = static_cast<CMC_Structure*>(object);
    if (archive->isStoring())
        structure->store(archive);
    else
        structure->restore(archive);
}

CMC_Object* makeStructure(CMC_ObjectsContainer* scene)
{
    CMElement element("ROW");
    element.addProperty("FIELDS", "ID<INTEGER>,NAME<STRING>,RATE<DOUBLE>,ON<BOOL>");
    return new CMC_Structure(scene, &element);
}

CMC_Object* makeVector(CMC_ObjectsContainer* scene)
{
    CMElement element("V");
    return new CMC_Vector(scene, &element);
}

const Form kForms[] = {
    {[](CMC_ObjectsContainer* scene) { return new CMC_Timer(scene); }, serializeObject},
    {makeVector, serializeObject},
    {[](CMC_ObjectsContainer* scene) { return new CMC_Array(scene, CXString("A")); }, serializeObject},
    {[](CMC_ObjectsContainer* scene) { return new CMC_Condition(scene); }, serializeObject},
    {[](CMC_ObjectsContainer* scene) { return new CMC_ComplexCondition(scene); }, serializeObject},
    {[](CMC_ObjectsContainer* scene) { return new CMC_Behaviour(scene); }, serializeObject},
    {makeStructure, serializeStructure},
};

std::string readAndStore(const Form& form, CMC_ObjectsContainer* scene, const std::string& bytes)
{
    std::string input = bytes;
    CFile_Stream file(input.data(), static_cast<int>(input.size()));
    CXArchive reading(&file, false);
    std::unique_ptr<CMC_Object, void (*)(CMC_Object*)> object(form.make(scene), CMC_Object::destroy);
    form.serialize(object.get(), &reading);
    StoringSink sink;
    CXArchive storing(&sink, true);
    form.serialize(object.get(), &storing);
    return sink.bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    makeScriptPoolsOnce();
    const Form& form = kForms[data[0] % (sizeof kForms / sizeof kForms[0])];
    auto* scene = new CMC_ObjectsContainer(nullptr, nullptr, CXString("SCENE"), script::TYPE_SCENE);
    const std::string stored = readAndStore(form, scene, std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
    if (readAndStore(form, scene, stored) != stored)
        std::abort();
    scene->unload();
    CMC_Object::destroy(scene);
    CMC_VariableFactory::clearPool();
    return 0;
}
