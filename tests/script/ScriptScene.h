#pragma once

// The scene harness of the script tests: a scene container that parses generated script text,
// makes its objects and runs turns on the manual clock. Behaviours are test doubles that record
// each run and may carry an action; later script tests extend this harness as the real
// behaviours, statements and object types arrive.

#include "foundation/CMElement.h"
#include "foundation/CMElements.h"
#include "foundation/CMElementsLoader.h"
#include "foundation/CTextFileReader.h"
#include "foundation/CXArray.h"
#include "platform/Clock.h"
#include "platform/ManualClock.h"
#include "script/CMC_CreationChain.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_Runner.h"
#include "script/CMC_RunnerFactory.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_Variable.h"
#include "script/CMC_VariableFactory.h"
#include "script/CRunnableBehaviour.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace scripttest {

// What ran, in order: "behaviour(owner)" or "behaviour(owner|arg,arg)", and what test objects
// were told ("done:name", "deleted:name").
inline std::vector<std::string>& eventLog()
{
    static std::vector<std::string> events;
    return events;
}

inline std::string text(const CXString& value)
{
    return std::string(value.c_str());
}

// The text of a value; "none" for no value.
inline std::string textOf(CMC_Variable* value)
{
    return value != nullptr ? text(value->toString()) : "none";
}

// "TYPE:text" of a value; "none" for no value.
inline std::string typed(CMC_Variable* value)
{
    if (value == nullptr)
        return "none";
    return text(CMC_Object::typeToString(value->getType())) + ":" + text(value->toString());
}

// A behaviour double: records each run and then does what its action says. Its CODE is kept but
// not interpreted.
class TestBehaviour : public CMC_Object, public CRunnableBehaviour {
public:
    using Action = std::function<bool(CMC_Object* owner, CXArray* parameters)>;

    TestBehaviour(CMC_ObjectsContainer* container, CMElement* element)
        : CMC_Object(container, element, script::TYPE_BEHAVIOUR), code(element->getPropertyValue("CODE"))
    {
        initializeBehaviours(container, element);
    }
    TestBehaviour(CMC_ObjectsContainer* container, const CXString& name, const CXString& codeText)
        : CMC_Object(name, script::TYPE_BEHAVIOUR), code(codeText)
    {
        setScene(container);
    }
    ~TestBehaviour() override { beginDestruction(); }

    bool run(CMC_Object* owner, CXArray* parameters, bool) override
    {
        std::string entry = text(getName()) + "(" + (owner != nullptr ? text(owner->getName()) : std::string());
        for (int i = 0; parameters != nullptr && i < parameters->getSize(); ++i)
            entry += std::string(i == 0 ? "|" : ",") + parameters->stringAt(i)->c_str();
        eventLog().push_back(entry + ")");
        ++runs;
        return action ? action(owner, parameters) : false;
    }
    void resolveCondition() override { conditionResolved = true; }
    CXString** getBehavioursList() override { return makeSignalList({"ONINIT", "ONDONE", "ONSIGNAL"}); }

    CXString code;
    Action action;
    int runs = 0;
    bool conditionResolved = false;
};

// A recording object type standing for the media objects: signals ONCLICK and ONRELEASE, a copy
// for cloning, and a runner that answers the common methods only.
class TestObject : public CMC_Object {
public:
    static constexpr int kType = 10500;

    TestObject(CMC_ObjectsContainer* container, CMElement* element, int type = kType) : CMC_Object(container, element, type)
    {
        goesFirst = element->getPropertyBoolValue("FIRST");
        initializeBehaviours(container, element);
    }
    explicit TestObject(const CXString& name, int type = kType) : CMC_Object(name, type) {}
    ~TestObject() override
    {
        beginDestruction();
        eventLog().push_back("deleted:" + text(getName()));
    }

    CXString** getBehavioursList() override
    {
        return makeSignalList({"ONINIT", "ONDONE", "ONSIGNAL", "ONCLICK", "ONRELEASE"});
    }
    bool doneFirst() override { return goesFirst; }
    bool done(bool whole) override
    {
        eventLog().push_back("done:" + text(getName()));
        return CMC_Object::done(whole);
    }
    bool verifyBehaviour(const CXString& signal) override
    {
        verified.push_back(text(signal));
        return text(signal) != "ONREFUSED";
    }
    CXObject* clone() const override { return new TestObject(getName(), getType()); }
    CMC_Runner* getRunner() override
    {
        static CMC_Runner* runner = [] {
            auto* common = new CMC_Runner();
            common->prepareMthHashSet();
            return common;
        }();
        return runner;
    }

    bool goesFirst = false;
    std::vector<std::string> verified;
};

// The scene: its plug-in resolution makes TESTOBJECT elements.
class TestScene : public CMC_ObjectsContainer {
public:
    explicit TestScene(const CXString& name, int type = script::TYPE_SCENE) : CMC_ObjectsContainer(nullptr, nullptr, name, type)
    {
        setScene(this);
    }
    ~TestScene() override { beginDestruction(); }

    CMC_Object* resolveEx(CMElement* element) override
    {
        if (element->getPropertyValue("TYPE") == "TESTOBJECT")
            return new TestObject(this, element);
        return nullptr;
    }
    CXString** getBehavioursList() override { return makeSignalList({"ONINIT", "ONDONE", "ONSIGNAL"}); }
};

class ScriptScene : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setClock(&clock);
        eventLog().clear();
        CMC_VariableFactory::initialize();
        CMC_RunnerFactory::initialize();
        CMC_CreationChain::registerCreator("BEHAVIOUR", [](CMC_ObjectsContainer* container, CMElement* element) {
            return new TestBehaviour(container, element);
        });
        CMC_CreationChain::setInlineBehaviourMaker(
            [](CMC_ObjectsContainer* container, const CXString& name, const CXString& code) {
                return new TestBehaviour(container, name, code);
            });
        scene = new TestScene("SCENE");
    }

    void TearDown() override
    {
        if (scene != nullptr) {
            scene->unload();
            CMC_Object::destroy(scene);
        }
        for (CMElements* elements : parsed)
            delete elements;
        CMC_RunnerFactory::done();
        CMC_VariableFactory::done();
        CMC_CreationChain::reset();
        platform::setClock(nullptr);
    }

    // The elements of a script text, kept until the end of the test.
    CMElements* parse(const std::string& script)
    {
        CMElements* elements = CMElementsLoader::load(nullptr, new CTextFileReader(nullptr, keep(script), static_cast<int>(script.size())));
        parsed.push_back(elements);
        return elements;
    }

    // Parses the text into the container, then initialises every object made (ONINIT), as a
    // scene does when it loads its script. Answers the elements that made no object.
    std::vector<std::string> load(const std::string& script, CMC_ObjectsContainer* into = nullptr)
    {
        CMC_ObjectsContainer* container = into != nullptr ? into : scene;
        CMElements* left = container->resolveObjects(parse(script));
        std::vector<std::string> names;
        for (int i = 0; i < left->getSize(); ++i)
            names.push_back(text(left->getAt(i)->getName()));
        delete left;
        std::vector<CMC_ObjectRef> made;
        for (int i = 0; i < container->getObjects()->getSize(); ++i)
            made.emplace_back(container->getObject(i));
        for (const CMC_ObjectRef& object : made) {
            if (object.isAlive())
                object.get()->init();
        }
        return names;
    }

    // One application turn: the clock moves on and the temporaries go back to their pools.
    void turn(uint32_t ms = 16)
    {
        clock.advance(ms);
        CMC_VariableFactory::clearPool();
    }

    CMC_Object* object(const char* name) { return scene->getObject(name); }
    template <typename T>
    T* as(const char* name)
    {
        return dynamic_cast<T*>(object(name));
    }
    TestBehaviour* behaviour(const char* name) { return as<TestBehaviour>(name); }

    // Runs a method on an object as a behaviour line would: literal arguments become pooled
    // temporaries, the runner is the factory's for the type (else the object's own), and the
    // arguments are given back afterwards. The result stays the caller's to flush.
    CMC_Variable* call(CMC_Object* target, const char* method, std::initializer_list<const char*> literals = {})
    {
        CXVector arguments(101, 0.75f);
        for (const char* literal : literals)
            arguments.add(CMC_Variable::resolve(literal));
        return callWith(target, method, &arguments);
    }
    CMC_Variable* call(const char* target, const char* method, std::initializer_list<const char*> literals = {})
    {
        return call(object(target), method, literals);
    }
    // The same with argument values the test made itself (declared variables stay untouched).
    CMC_Variable* callWith(CMC_Object* target, const char* method, CXVector* arguments)
    {
        CMC_Runner* runner = CMC_RunnerFactory::getRunnerFor(target);
        CMC_Variable* result = runner != nullptr ? runner->run(method, target, scene, arguments) : nullptr;
        for (int i = 0; i < arguments->getSize(); ++i)
            CMC_Object::flush(static_cast<CMC_Variable*>(arguments->at(i)));
        return result;
    }
    // What ran while the method ran; its result is given back.
    std::vector<std::string> signalsOf(CMC_Object* target, const char* method, std::initializer_list<const char*> literals = {})
    {
        eventLog().clear();
        CMC_Object::flush(call(target, method, literals));
        return eventLog();
    }

    platform::ManualClock clock;
    TestScene* scene = nullptr;
    std::vector<CMElements*> parsed;

private:
    // The reader does not own the text: keep it alive until the test ends.
    const char* keep(const std::string& script)
    {
        texts.push_back(std::make_unique<std::string>(script));
        return texts.back()->c_str();
    }
    std::vector<std::unique_ptr<std::string>> texts;
};

} // namespace scripttest
