#include "platform/SdlWindowSystem.h"

#include "platform/Cp1250.h"
#include "platform/SdlHostWindow.h"
#include "platform/SdlInput.h"
#include "platform/SdlMenuBox.h"
#include "platform/SdlProgressDialog.h"
#include "platform/WindowEvents.h"

#include <SDL.h>

#include <cstdio>

namespace platform {

std::unique_ptr<HostWindow> SdlWindowSystem::openWindow(const WindowSettings& settings)
{
    return SdlHostWindow::open(settings);
}

bool SdlWindowSystem::pumpEvents(WindowEvents* handler)
{
    // Without any SDL subsystem there is no queue to read.
    if (SDL_WasInit(SDL_INIT_EVENTS) != 0) {
        SDL_Event event;
        while (SDL_PollEvent(&event) != 0) {
            // Keys, mouse and focus become the input service's records; focus is a window event too.
            sdlInput().handleEvent(event);
            if (handler != nullptr)
                dispatchEvent(event, *handler);
        }
    }
    return !quitPosted_;
}

void SdlWindowSystem::dispatchEvent(const SDL_Event& event, WindowEvents& handler)
{
    if (event.type == SDL_WINDOWEVENT)
        dispatchWindowEvent(event.window, handler);
    else if (event.type == SDL_QUIT)
        handler.onClose();
    else if (event.type == SDL_MOUSEBUTTONDOWN && event.button.button == SDL_BUTTON_LEFT && event.button.clicks == 2)
        handler.onDoubleClick(event.button.x, event.button.y);
    else if (opensMenu(event))
        openMenu(event.type == SDL_KEYDOWN ? event.key.windowID : event.button.windowID, handler);
}

void SdlWindowSystem::dispatchWindowEvent(const SDL_WindowEvent& event, WindowEvents& handler)
{
    switch (event.event) {
    case SDL_WINDOWEVENT_EXPOSED:
        handler.onPaint();
        break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        handler.onActivate(true);
        break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        handler.onActivate(false);
        break;
    case SDL_WINDOWEVENT_MOVED:
        handler.onMove(event.data1, event.data2);
        break;
    case SDL_WINDOWEVENT_CLOSE:
        handler.onClose();
        break;
    default:
        break;
    }
}

bool SdlWindowSystem::opensMenu(const SDL_Event& event)
{
    if (event.type == SDL_KEYDOWN)
        return event.key.repeat == 0 && (event.key.keysym.sym == SDLK_F10 || event.key.keysym.sym == SDLK_APPLICATION);
    return event.type == SDL_MOUSEBUTTONDOWN && event.button.button == SDL_BUTTON_RIGHT && (SDL_GetModState() & KMOD_CTRL) != 0;
}

void SdlWindowSystem::openMenu(uint32_t windowId, WindowEvents& handler)
{
    SdlHostWindow* window = SdlHostWindow::fromWindowId(windowId);
    if (window == nullptr || window->menu() == nullptr)
        return;
    if (std::optional<int> command = SdlMenuBox::choose(*window->menu(), window->sdlWindow()))
        handler.onCommand(*command);
}

void SdlWindowSystem::postQuit()
{
    quitPosted_ = true;
}

void SdlWindowSystem::showMessage(const std::string& caption, const std::string& text, HostWindow* owner)
{
    const std::string utf8Caption = Cp1250::toUtf8(caption);
    const std::string utf8Text = Cp1250::toUtf8(text);
    if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, utf8Caption.c_str(), utf8Text.c_str(),
                                 SdlHostWindow::sdlWindowOf(owner)) != 0)
        std::fprintf(stderr, "%s: %s\n", utf8Caption.c_str(), utf8Text.c_str());
}

bool SdlWindowSystem::ask(const std::string& caption, const std::string& text, const std::string& confirm,
                          const std::string& refuse, HostWindow* owner)
{
    const std::string utf8Caption = Cp1250::toUtf8(caption);
    const std::string utf8Text = Cp1250::toUtf8(text);
    const std::string utf8Confirm = Cp1250::toUtf8(confirm);
    const std::string utf8Refuse = Cp1250::toUtf8(refuse);
    enum { kNo, kYes };
    const SDL_MessageBoxButtonData buttons[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, kYes, utf8Confirm.c_str()},
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, kNo, utf8Refuse.c_str()},
    };
    const SDL_MessageBoxData box{SDL_MESSAGEBOX_INFORMATION | SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT,
                                 SdlHostWindow::sdlWindowOf(owner),
                                 utf8Caption.c_str(),
                                 utf8Text.c_str(),
                                 2,
                                 buttons,
                                 nullptr};
    int pressed = kNo;
    if (SDL_ShowMessageBox(&box, &pressed) != 0) {
        std::fprintf(stderr, "%s: %s (%s)\n", utf8Caption.c_str(), utf8Text.c_str(), utf8Refuse.c_str());
        return false;
    }
    return pressed == kYes;
}

int SdlWindowSystem::runProgressDialog(const ProgressDialogLook& look, ProgressDialogHandler& handler)
{
    return SdlProgressDialog::run(look, handler);
}

} // namespace platform
