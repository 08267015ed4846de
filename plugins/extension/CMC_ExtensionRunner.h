#pragma once

#include "plugins/extension/CRunnerMethodTable.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_Runner.h"

#include <memory>

// The runner of a type of this library: its own methods through the handler table, the common
// methods of every script object through CMC_Runner. Each type has one, made on first use and gone
// with the library.
class CMC_ExtensionRunner : public CMC_Runner, public CRunnerMethodTable {
public:
    using CMC_Runner::run;
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;

    // The runner in the slot, made and prepared when the slot is empty.
    template <class Runner>
    static Runner* madeOnce(std::unique_ptr<Runner>& slot)
    {
        if (slot == nullptr) {
            slot = std::make_unique<Runner>();
            slot->prepareMthHashSet();
        }
        return slot.get();
    }

protected:
    explicit CMC_ExtensionRunner(int entries) : CRunnerMethodTable(entries) {}

    // Files the method's name and its handler, a member of the runner's own class:
    //   registerMethod<&CMC_Kulki_Runner::go>(GO, "GO");
    template <auto method>
    void registerMethod(int id, const char* name)
    {
        fileMethod(id, &dispatch<method>, name);
    }
    // SHOW, served alike by every type.
    void registerShow(int id) { fileMethod(id, &show, "SHOW"); }
    // EMPTY, a method without a handler: it does nothing and answers no value.
    void registerEmpty(int id) { fileMethod(id, nullptr, "EMPTY"); }

    // The container's object of that name when it is of the type asked for; null otherwise.
    template <class Object>
    static Object* lookUp(CMC_ObjectsContainer* container, const CXString& name)
    {
        return container != nullptr ? dynamic_cast<Object*>(container->getObject(name)) : nullptr;
    }

private:
    template <class Method>
    struct MethodOf;
    template <class Runner>
    struct MethodOf<CMC_Variable* (Runner::*)(CMC_Object*, CMC_ObjectsContainer*, CXVector*)> {
        using Owner = Runner;
    };
    // The table's handler for a member of the runner.
    template <auto method>
    static CMC_Variable* dispatch(CRunnerMethodTable& runner, CMC_Object* object, CMC_ObjectsContainer* container,
                                  CXVector* arguments)
    {
        using Runner = typename MethodOf<decltype(method)>::Owner;
        return (static_cast<Runner&>(runner).*method)(object, container, arguments);
    }

    void fileMethod(int id, Handler handler, const char* name);
};
