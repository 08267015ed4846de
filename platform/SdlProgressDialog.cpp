#include "platform/SdlProgressDialog.h"

#include "platform/Cp1250.h"
#include "platform/PixelImage.h"
#include "platform/ProgressDialogModel.h"
#include "platform/ProgressDialogPainter.h"

#include <SDL.h>

#include <cstdio>
#include <string>

namespace platform {

namespace {

// A user away from the dialog waits for the download as long as it takes.
constexpr std::chrono::hours kUnseenPatience{24 * 365};

void present(SDL_Window* window, SDL_Surface* picture)
{
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    if (surface == nullptr)
        return;
    SDL_BlitSurface(picture, nullptr, surface, nullptr);
    SDL_UpdateWindowSurface(window);
}

bool isButtonKey(SDL_Keycode key)
{
    return key == SDLK_SPACE || key == SDLK_RETURN || key == SDLK_KP_ENTER;
}

} // namespace

int SdlProgressDialog::run(const ProgressDialogLook& look, ProgressDialogHandler& handler)
{
    ProgressDialogModel dialog(look);
    SDL_Window* window = nullptr;
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) {
        window = SDL_CreateWindow(Cp1250::toUtf8(look.title).c_str(), look.origin.x, look.origin.y, ProgressDialogPainter::WIDTH,
                                  ProgressDialogPainter::HEIGHT, SDL_WINDOW_SHOWN);
        if (window == nullptr)
            SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    if (window == nullptr) {
        runUnseen(dialog, handler);
        return dialog.record().result;
    }
    PixelImage image(ProgressDialogPainter::WIDTH, ProgressDialogPainter::HEIGHT);
    SDL_Surface* picture = SDL_CreateRGBSurfaceWithFormatFrom(image.pixels.data(), image.width, image.height, 32,
                                                              image.width * 4, SDL_PIXELFORMAT_ARGB8888);
    const uint32_t windowId = SDL_GetWindowID(window);
    bool pressedOnButton = false;
    handler.onOpen(dialog);
    while (!dialog.ended()) {
        if (dialog.takeChanged() && picture != nullptr) {
            ProgressDialogPainter::paint(dialog, image);
            present(window, picture);
        }
        SDL_Event event;
        const int waitMs = dialog.timerRunning() ? int(dialog.msToTimer()) : -1;
        if (SDL_WaitEventTimeout(&event, waitMs) != 0) {
            if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED && picture != nullptr)
                present(window, picture);
            handleEvent(event, windowId, pressedOnButton, dialog, handler);
        }
        if (!dialog.ended())
            dialog.runTimerIfDue(handler);
    }
    SDL_FreeSurface(picture);
    SDL_DestroyWindow(window);
    // What the dialog's window left in the queue (its close, the quit SDL adds when the last
    // window closes, clicks) is no business of the windows that follow.
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return dialog.record().result;
}

void SdlProgressDialog::handleEvent(const SDL_Event& event, uint32_t windowId, bool& pressedOnButton,
                                    ProgressDialogModel& dialog, ProgressDialogHandler& handler)
{
    switch (event.type) {
    case SDL_QUIT:
        return handler.onClose(dialog);
    case SDL_WINDOWEVENT:
        if (event.window.windowID == windowId && event.window.event == SDL_WINDOWEVENT_CLOSE)
            handler.onClose(dialog);
        return;
    case SDL_MOUSEBUTTONDOWN:
        // A push button acts when the press that began on it ends on it.
        pressedOnButton = event.button.windowID == windowId && event.button.button == SDL_BUTTON_LEFT
                          && ProgressDialogPainter::isOnButton(event.button.x, event.button.y);
        return;
    case SDL_MOUSEBUTTONUP:
        if (pressedOnButton && event.button.windowID == windowId && ProgressDialogPainter::isOnButton(event.button.x, event.button.y))
            handler.onButton(dialog);
        pressedOnButton = false;
        return;
    case SDL_KEYDOWN:
        if (event.key.windowID == windowId && event.key.repeat == 0 && isButtonKey(event.key.keysym.sym))
            handler.onButton(dialog);
        return;
    default:
        return;
    }
}

void SdlProgressDialog::runUnseen(ProgressDialogModel& dialog, ProgressDialogHandler& handler)
{
    size_t statusesWritten = 0;
    dialog.runUnattended(
        handler,
        [&statusesWritten](const ProgressDialogRecord& record) {
            for (; statusesWritten < record.statuses.size(); ++statusesWritten)
                std::fprintf(stderr, "%s: %s\n", Cp1250::toUtf8(record.look.title).c_str(),
                             Cp1250::toUtf8(record.statuses[statusesWritten]).c_str());
            return ProgressDialogModel::pressOnceTheButtonChanged(record);
        },
        std::chrono::duration_cast<std::chrono::milliseconds>(kUnseenPatience));
}

} // namespace platform
