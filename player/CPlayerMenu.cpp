#include "player/CPlayerMenu.h"

#include "application/CMC_Application.h"
#include "foundation/CXVector.h"
#include "foundation/CXVersion.h"
#include "graphics/CWindow.h"

#include <string>
#include <vector>

using platform::MenuItem;

namespace {

std::string textOf(const CXString& value)
{
    return value.c_str();
}

// The child at a position of a container's child list.
CMC_Scene* childAt(CXVector* children, int index)
{
    return static_cast<CMC_Scene*>(children->at(index));
}

} // namespace

platform::Menu CPlayerMenu::mainMenu()
{
    return {
        MenuItem::popup("&Program", {MenuItem::command(COMMAND_REDRAW, "&Redraw"),
                                     MenuItem::command(COMMAND_MESSAGE_BOX, "Message Box", true),
                                     MenuItem::command(COMMAND_EXIT, "&Exit")}),
        MenuItem::popup("&Objects", {MenuItem::command(COMMAND_BEHAVIOURS, "&Bevaviours"),
                                     MenuItem::command(COMMAND_VARIABLES, "&Variables"),
                                     MenuItem::command(COMMAND_ARRAYS, "&Arrays"), MenuItem::command(COMMAND_ALL, "A&ll")}),
    };
}

void CPlayerMenu::BuildSceneMenu(platform::Menu* menu, CMC_Application* application)
{
    if (menu == nullptr || application == nullptr)
        return;
    std::vector<MenuItem> scenes;
    CXVector* episodes = application->getSubScenes();
    for (int e = 0; episodes != nullptr && e < episodes->getSize(); ++e) {
        CMC_Scene* episode = childAt(episodes, e);
        CXVector* children = episode->getSubScenes();
        for (int s = 0; children != nullptr && s < children->getSize(); ++s) {
            CMC_Scene* scene = childAt(children, s);
            scenes.push_back(MenuItem::command(episode->getSubId(scene), textOf(scene->getName())));
        }
    }
    scenes.push_back(MenuItem::separator());
    scenes.push_back(MenuItem::command(COMMAND_VERSION, textOf(CXVersion::getCurrentVersion().toString())));
    menu->insert(menu->begin(), MenuItem::popup(textOf(application->getName()), std::move(scenes)));
}
