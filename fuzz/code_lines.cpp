// Behaviour code from arbitrary bytes: cut into lines, parsed with every line form and run twice
// (with and without parameters) in a small scene; the same bytes as a condition text and as an
// expression. Whatever the text, every temporary goes back and everything made is deleted.
#include "foundation/CXArray.h"
#include "script/CMC_Behaviour.h"
#include "script/CMC_Condition.h"
#include "script/CMC_CreationChain.h"
#include "script/CMC_Expression.h"
#include "script/CMC_Integer.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_RunnerFactory.h"
#include "script/CMC_String.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_VariableFactory.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

class Scene : public CMC_ObjectsContainer {
public:
    Scene() : CMC_ObjectsContainer(nullptr, nullptr, CXString("SCENE"), script::TYPE_SCENE) { setScene(this); }
    ~Scene() override { beginDestruction(); }
};

template <typename Variable>
void declare(Scene& scene, const char* name)
{
    auto* variable = new Variable(CXString(name));
    variable->setScene(&scene);
    scene.addObject(variable);
}

void runCode(Scene& scene, const CXString& code)
{
    auto* behaviour = new CMC_Behaviour(&scene, CXString("B"), code);
    scene.addObject(behaviour);
    behaviour->init();
    CXArray parameters(4, 0.75f);
    CXString first("{A^INC();}");
    CXString second("S");
    parameters.add(&first);
    parameters.add(&second);
    if (CMC_Behaviour* alive = dynamic_cast<CMC_Behaviour*>(scene.getObject("B")))
        alive->run(&scene, &parameters, true);
    if (CMC_Behaviour* alive = dynamic_cast<CMC_Behaviour*>(scene.getObject("B")))
        alive->run(nullptr, nullptr, false);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static bool ready = [] {
        CMC_VariableFactory::initialize();
        CMC_RunnerFactory::initialize();
        CMC_Behaviour::initTrash();
        return true;
    }();
    (void)ready;
    std::string bytes(reinterpret_cast<const char*>(data), size);
    CXString text(bytes.c_str());
    {
        Scene scene;
        declare<CMC_Integer>(scene, "A");
        declare<CMC_String>(scene, "S");
        runCode(scene, text);
        (void)CMC_Condition::valid(&scene, text);
        CMC_Expression expression(&scene, text);
        (void)expression.calculate();
        scene.unload();
    }
    CMC_Behaviour::flushTrash();
    CMC_VariableFactory::clearPool();
    return 0;
}
