#include "platform/SdlWindowSystem.h"

#include "platform/Cp1250.h"
#include "platform/SdlHostWindow.h"
#include "platform/SdlInput.h"
#include "platform/WindowEvents.h"

#include <SDL.h>

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
            if (handler != nullptr && event.type == SDL_WINDOWEVENT) {
                dispatchWindowEvent(event.window, *handler);
            } else if (handler != nullptr && event.type == SDL_QUIT) {
                handler->onClose();
            }
        }
    }
    return !quitPosted_;
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

void SdlWindowSystem::postQuit()
{
    quitPosted_ = true;
}

void SdlWindowSystem::showMessage(const std::string& caption, const std::string& text)
{
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, Cp1250::toUtf8(caption).c_str(),
                             Cp1250::toUtf8(text).c_str(), nullptr);
}

} // namespace platform
