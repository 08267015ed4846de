#pragma once

// A scene whose scripts read files from a generated game folder (drive T:, which is also the data
// root, so "$COMMON\CLASSES\x" is T:\COMMON\CLASSES\x), with behaviour doubles that act by their
// CODE: the test files each code text under the action it stands for.

#include "ScriptScene.h"

#include "GameFolder.h"
#include "foundation/CWindowLink.h"
#include "script/CMC_String.h"

#include <map>

namespace scripttest {

struct GameFolderLink : CWindowLink {
    CXString getCDPath() const override { return "T:\\"; }
    CXString getRootPath() const override { return "T:\\"; }
    CLanguageOSVer* getLangIfc(CWindow*) const override { return nullptr; }
    void languageChanged(CWindow*) override {}
};

// The code texts' actions, by code: given the behaviour running, its owner and its parameters.
using CodeAction = std::function<bool(TestBehaviour* self, CMC_Object* owner, CXArray* parameters)>;
inline std::map<std::string, CodeAction>& actions()
{
    static std::map<std::string, CodeAction> byCode;
    return byCode;
}

// What the RETURN statement does: "__RETURN__" of the scene of the container the line runs in is
// replaced by a new STRING holding the text.
inline void returnValue(CMC_ObjectsContainer* container, const std::string& value)
{
    CMC_ObjectsContainer* scene = container != nullptr ? container->getScene() : nullptr;
    if (scene == nullptr)
        return;
    if (CMC_Object* old = scene->getObject("__RETURN__")) {
        scene->removeObject(old);
        CMC_Object::destroy(old);
    }
    auto* result = new CMC_String("__RETURN__", value.c_str());
    result->setScene(scene);
    scene->addObject(result);
}

inline std::string parameter(CXArray* parameters, int index)
{
    return parameters != nullptr && index < parameters->getSize() ? parameters->stringAt(index)->c_str() : "";
}

class FileScene : public ScriptScene {
protected:
    void SetUp() override
    {
        ScriptScene::SetUp();
        CWindowLink::install(&link);
        actions().clear();
        // The action is looked up when the behaviour runs, so tests may file it at any time.
        auto acting = [](TestBehaviour* behaviour) {
            behaviour->action = [behaviour](CMC_Object* owner, CXArray* parameters) {
                auto found = actions().find(text(behaviour->code));
                return found != actions().end() && found->second(behaviour, owner, parameters);
            };
            return behaviour;
        };
        CMC_CreationChain::registerCreator("BEHAVIOUR", [acting](CMC_ObjectsContainer* container, CMElement* element) {
            return acting(new TestBehaviour(container, element));
        });
        CMC_CreationChain::setInlineBehaviourMaker([acting](CMC_ObjectsContainer* container, const CXString& name, const CXString& code) {
            return acting(new TestBehaviour(container, name, code));
        });
    }

    void TearDown() override
    {
        ScriptScene::TearDown();
        actions().clear();
        CWindowLink::install(nullptr);
    }

    std::string result(CMC_Variable* value)
    {
        std::string answer = textOf(value);
        CMC_Object::flush(value);
        return answer;
    }

    GameFolder folder;
    GameFolderLink link;
};

} // namespace scripttest
