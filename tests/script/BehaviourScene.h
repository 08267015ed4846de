#pragma once

// The scene harness with the real behaviours: generated script text is parsed into a scene whose
// BEHAVIOUR, CONDITION, COMPLEXCONDITION and EXPRESSION objects are the engine's own, and each
// turn polls the software timers on the manual clock, checks that every temporary the turn's
// script took was given back, then clears the pools and empties the behaviour trash.
//
// The window behind the scene is WindowScene's. RECORDER objects (a plug-in type with its own
// runner) record every method called on them.

#include "ScriptText.h"
#include "WindowScene.h"
#include "script/CMC_Behaviour.h"
#include "script/CMC_Behaviour_Entry.h"
#include "script/CMC_Bool.h"
#include "script/CMC_Double.h"
#include "script/CMC_Integer.h"
#include "script/CMC_StopCode.h"
#include "script/CMC_String.h"

#include <memory>
#include <string>
#include <vector>

namespace scripttest {

// Records "NAME.METHOD(a,b)" for every call. GIVE returns its first argument's text as a STRING,
// COUNT the number of calls so far as an INTEGER, BUMP increments its first argument and returns a
// copy, RUN runs the behaviour its first argument names (no object, its further arguments as
// parameters), DECLARE(N,B) declares an INTEGER N for the current run of behaviour B, STOP(B)
// ends B's timer-driven run and KILL(X) deletes the object X.
class RecorderRunner : public CMC_Runner {
public:
    using CMC_Runner::run;
    CMC_Variable* run(const CXString& name, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override
    {
        std::string entry = text(object->getName()) + "." + text(name) + "(";
        for (int i = 0; i < argumentCount(arguments); ++i) {
            CMC_Variable* argument = getParameterString(arguments, i);
            if (i > 0)
                entry += ',';
            entry += argument != nullptr ? text(argument->toString()) : "null";
        }
        eventLog().push_back(entry + ")");
        if (name == "GIVE")
            return CMC_VariableFactory::makeString(stringArgument(arguments, 0));
        if (name == "COUNT")
            return CMC_VariableFactory::makeInteger(static_cast<int>(eventLog().size()));
        if (name == "BUMP")
            return bump(getParameter(arguments, 0));
        if (name == "RUN")
            return runNamed(container, arguments);
        if (name == "DECLARE")
            declare(container, arguments);
        if (name == "KILL") {
            CMC_Object* victim = container->getObject(stringArgument(arguments, 0));
            if (victim != nullptr && victim != object) {
                container->removeObject(victim);
                CMC_Object::destroy(victim);
            }
        }
        if (name == "STOP") {
            if (auto* behaviour = dynamic_cast<CMC_Behaviour*>(container->getObject(stringArgument(arguments, 0))))
                behaviour->_break();
        }
        return nullptr;
    }

private:
    static CMC_Variable* bump(CMC_Variable* value)
    {
        if (value == nullptr)
            return nullptr;
        value->inc();
        return CMC_VariableFactory::copyVariable(value);
    }
    CMC_Variable* runNamed(CMC_ObjectsContainer* container, CXVector* arguments)
    {
        auto* behaviour = dynamic_cast<CRunnableBehaviour*>(container->getObject(stringArgument(arguments, 0)));
        if (behaviour == nullptr)
            return nullptr;
        CXArray parameters(11, 0.75f);
        for (int i = 1; i < argumentCount(arguments); ++i)
            parameters.add(new CXString(stringArgument(arguments, i)));
        bool stopped = behaviour->run(nullptr, parameters.getSize() > 0 ? &parameters : nullptr, false);
        for (int i = 0; i < parameters.getSize(); ++i)
            delete parameters.stringAt(i);
        return stopped ? script::stopResult(script::STOP_BREAK) : nullptr;
    }
    void declare(CMC_ObjectsContainer* container, CXVector* arguments)
    {
        auto* behaviour = dynamic_cast<CMC_Behaviour*>(container->getObject(stringArgument(arguments, 1)));
        auto* variable = new CMC_Integer(stringArgument(arguments, 0));
        variable->setAsTemporary();
        variable->setScene(container);
        container->addObject(variable);
        if (behaviour != nullptr)
            behaviour->addTempObject(variable);
    }
};

class Recorder : public CMC_Object {
public:
    static constexpr int kType = 10700;

    Recorder(CMC_ObjectsContainer* container, CMElement* element) : CMC_Object(container, element, kType)
    {
        initializeBehaviours(container, element);
    }
    ~Recorder() override { beginDestruction(); }
    CXString** getBehavioursList() override { return makeSignalList({"ONINIT", "ONDONE", "ONSIGNAL", "ONCLICK"}); }
    CMC_Runner* getRunner() override
    {
        static RecorderRunner runner;
        return &runner;
    }
};

class BehaviourTestScene : public TestScene {
public:
    BehaviourTestScene() : TestScene("SCENE") {}
    ~BehaviourTestScene() override { beginDestruction(); }
    CMC_Object* resolveEx(CMElement* element) override
    {
        if (element->getPropertyValue("TYPE") == "RECORDER")
            return new Recorder(this, element);
        return TestScene::resolveEx(element);
    }
};

class BehaviourScene : public WindowScene {
protected:
    void SetUp() override
    {
        WindowScene::SetUp();
        // The engine's own behaviours, not the harness's doubles.
        CMC_CreationChain::reset();
        CMC_Behaviour::initTrash();
        CMC_Object::destroy(scene);
        scene = new BehaviourTestScene();
    }

    void TearDown() override
    {
        WindowScene::TearDown();
        CMC_Behaviour::doneTrash();
    }

    // One turn: the window's timers, then the application's end of turn.
    void turn(uint32_t ms = 16) override
    {
        clock.advance(ms);
        window.timers.domodal();
        EXPECT_EQ(takenTemporaries(), 0) << "a temporary was not given back";
        CMC_VariableFactory::clearPool();
        CMC_Behaviour::flushTrash();
    }

    // Pooled temporaries lent and not given back.
    static int takenTemporaries()
    {
        using F = CMC_VariableFactory;
        int taken = 0;
        for (int i = 0; i < F::kPoolSize; ++i)
            taken += F::variablesBoolTaken[i] + F::variablesDblTaken[i] + F::variablesIntTaken[i] + F::variablesStrTaken[i];
        return taken;
    }

    CMC_Behaviour* behaviourNamed(const char* name) { return dynamic_cast<CMC_Behaviour*>(object(name)); }

    // Runs a behaviour as a signal would (no object unless given), with parameter texts.
    bool runBehaviour(const char* name, std::vector<std::string> parameters = {}, CMC_Object* owner = nullptr, bool check = true)
    {
        CMC_Behaviour* behaviour = behaviourNamed(name);
        EXPECT_NE(behaviour, nullptr) << name;
        if (behaviour == nullptr)
            return false;
        CXArray texts(11, 0.75f);
        for (const std::string& parameter : parameters)
            texts.add(new CXString(parameter.c_str()));
        bool result = behaviour->run(owner, parameters.empty() ? nullptr : &texts, check);
        for (int i = 0; i < texts.getSize(); ++i)
            delete texts.stringAt(i);
        return result;
    }

    // A behaviour made from code, as RUN and the statements make them.
    CMC_Behaviour* addBehaviour(const char* name, const char* code)
    {
        auto* behaviour = new CMC_Behaviour(scene, CXString(name), CXString(code));
        scene->addObject(behaviour);
        behaviour->init();
        return behaviour;
    }

    // The value of a variable as text ("none" when it does not exist).
    std::string valueOf(const char* name)
    {
        auto* variable = dynamic_cast<CMC_Variable*>(object(name));
        return variable != nullptr ? text(variable->toString()) : std::string("none");
    }
    int intOf(const char* name)
    {
        auto* variable = dynamic_cast<CMC_Integer*>(object(name));
        EXPECT_NE(variable, nullptr) << name;
        return variable != nullptr ? variable->getValue() : 0;
    }

    // Runs one line of code in a fresh behaviour and gives its value as "TYPE:text" (or "none").
    std::string lineValue(const char* line)
    {
        CMC_Behaviour host(scene, CXString("host"), CXString());
        CMC_Behaviour_Entry entry(&host, CXString(line));
        CMC_Variable* value = script::valueOnly(entry.run(nullptr, nullptr));
        std::string shown = typed(value);
        CMC_Behaviour_Entry::releaseValue(value);
        return shown;
    }

};

} // namespace scripttest
