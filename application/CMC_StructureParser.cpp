#include "application/CMC_StructureParser.h"

#include "application/CMC_Application.h"
#include "application/CMC_Episode.h"
#include "foundation/CCommandLineSource.h"
#include "foundation/CMElement.h"
#include "foundation/CMElements.h"
#include "foundation/CMElementsLoader.h"
#include "script/CMC_RunnerFactory.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_VariableFactory.h"

#include <functional>

CMC_StructureParser::CMC_StructureParser(CWindow* window, const CXString& fileName) : window_(window)
{
    CMC_VariableFactory::initialize();
    CMC_RunnerFactory::initialize();
    load(fileName);
}

CMC_StructureParser::~CMC_StructureParser()
{
    // Scenes no episode listed, episodes the application did not list, earlier applications.
    for (const CMC_ObjectRef& built : objects_) {
        auto* scene = static_cast<CMC_Scene*>(built.get());
        if (scene != nullptr && scene != application_ && scene->getParent() == nullptr)
            CMC_Object::destroySilently(scene);
    }
    CMC_VariableFactory::done();
    CMC_RunnerFactory::done();
}

CMC_Application* CMC_StructureParser::getMCApplication()
{
    return application_;
}

CMC_Object* CMC_StructureParser::get(const CXString& name)
{
    for (const CMC_ObjectRef& built : objects_) {
        CMC_Object* object = built.get();
        if (object != nullptr && object->getName().equals(name))
            return object;
    }
    return nullptr;
}

CMC_Application* CMC_StructureParser::load(const CXString& fileName)
{
    CMElements* elements = CMElementsLoader::load(window_, fileName);
    if (elements == nullptr)
        return nullptr;
    auto pass = [&](const char* type, const std::function<CMC_Scene*(CMElement*)>& make) {
        for (int i = 0; i < elements->getSize(); ++i) {
            CMElement* element = elements->getAt(i);
            if (element->getPropertyValue("TYPE").equals(type))
                objects_.emplace_back(make(element));
        }
    };
    pass("SCENE", [this](CMElement* element) { return new CMC_Scene(window_, nullptr, element, script::TYPE_SCENE); });
    pass("EPISODE", [this](CMElement* element) { return new CMC_Episode(window_, this, element); });
    pass("APPLICATION", [this](CMElement* element) {
        if (element->getName() == "DEMO")
            element->setName("GAME");
        application_ = new CMC_Application(window_, this, element, CCommandLineSource::current());
        return application_;
    });
    delete elements;
    return application_;
}
