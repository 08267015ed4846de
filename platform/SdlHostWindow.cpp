#include "platform/SdlHostWindow.h"

#include "platform/Cp1250.h"

#include <SDL.h>

namespace platform {

namespace {

// The key under which an SDL window keeps its host window.
constexpr const char* kHostKey = "tamzora.host";

Uint32 windowFlags(const WindowSettings& settings)
{
    Uint32 flags = 0;
    if (!settings.framed)
        flags |= SDL_WINDOW_BORDERLESS;
    if (settings.fullScreen)
        flags |= SDL_WINDOW_FULLSCREEN;
    flags |= settings.visible ? SDL_WINDOW_SHOWN : SDL_WINDOW_HIDDEN;
    return flags;
}

SDL_Cursor* makeCursor(CursorShape shape)
{
    switch (shape) {
    case CursorShape::Arrow:
        return SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
    case CursorShape::Hand:
        return SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND);
    case CursorShape::Wait:
        return SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_WAIT);
    case CursorShape::None:
        break;
    }
    // An 8 by 1 cursor with every pixel transparent.
    static const Uint8 blank[1] = {0};
    return SDL_CreateCursor(blank, blank, 8, 1, 0, 0);
}

} // namespace

std::unique_ptr<SdlHostWindow> SdlHostWindow::open(const WindowSettings& settings)
{
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        return nullptr;
    SDL_Window* window = SDL_CreateWindow(Cp1250::toUtf8(settings.title).c_str(), SDL_WINDOWPOS_CENTERED,
                                          SDL_WINDOWPOS_CENTERED, settings.clientSize.width,
                                          settings.clientSize.height, windowFlags(settings));
    if (window == nullptr) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return nullptr;
    }
    return std::unique_ptr<SdlHostWindow>(new SdlHostWindow(window));
}

SdlHostWindow::SdlHostWindow(SDL_Window* window) : window_(window)
{
    SDL_SetWindowData(window_, kHostKey, this);
}

SdlHostWindow::~SdlHostWindow()
{
    for (SDL_Cursor* cursor : cursors_) {
        if (cursor != nullptr)
            SDL_FreeCursor(cursor);
    }
    SDL_DestroyWindow(window_);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

void SdlHostWindow::setTitle(const std::string& cp1250Title)
{
    SDL_SetWindowTitle(window_, Cp1250::toUtf8(cp1250Title).c_str());
}

void SdlHostWindow::show()
{
    SDL_ShowWindow(window_);
}

void SdlHostWindow::minimize()
{
    SDL_MinimizeWindow(window_);
}

ScreenPoint SdlHostWindow::clientOrigin() const
{
    ScreenPoint origin;
    SDL_GetWindowPosition(window_, &origin.x, &origin.y);
    return origin;
}

void SdlHostWindow::moveClient(ScreenPoint origin, ScreenSize size)
{
    SDL_SetWindowPosition(window_, origin.x, origin.y);
    SDL_SetWindowSize(window_, size.width, size.height);
}

ScreenSize SdlHostWindow::usableDesktop() const
{
    SDL_Rect bounds{};
    const int display = SDL_GetWindowDisplayIndex(window_);
    if (display < 0 || SDL_GetDisplayUsableBounds(display, &bounds) != 0)
        return ScreenSize{};
    return ScreenSize{bounds.x + bounds.w, bounds.y + bounds.h};
}

void SdlHostWindow::setCursor(CursorShape shape)
{
    if (SDL_Cursor* cursor = cursorFor(shape))
        SDL_SetCursor(cursor);
}

SDL_Cursor* SdlHostWindow::cursorFor(CursorShape shape)
{
    SDL_Cursor*& cursor = cursors_[static_cast<size_t>(shape)];
    if (cursor == nullptr)
        cursor = makeCursor(shape);
    return cursor;
}

int SdlHostWindow::showCursor(bool show)
{
    cursorShowCount_ += show ? 1 : -1;
    SDL_ShowCursor(cursorShowCount_ >= 0 ? SDL_ENABLE : SDL_DISABLE);
    return cursorShowCount_;
}

void SdlHostWindow::warpCursor(ScreenPoint clientPoint)
{
    SDL_WarpMouseInWindow(window_, clientPoint.x, clientPoint.y);
}

void SdlHostWindow::confineCursor(const ScreenRect* clientRect)
{
    if (clientRect == nullptr) {
        SDL_SetWindowMouseRect(window_, nullptr);
        return;
    }
    const SDL_Rect rect{clientRect->left, clientRect->top, clientRect->right - clientRect->left,
                        clientRect->bottom - clientRect->top};
    SDL_SetWindowMouseRect(window_, &rect);
}

void SdlHostWindow::setIcon(const WindowIcon& icon)
{
    if (icon.width <= 0 || icon.height <= 0 || icon.pixels.size() != size_t(icon.width) * size_t(icon.height))
        return;
    // SDL copies the pixels; the surface only lends them.
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(icon.pixels.data()), icon.width, icon.height,
                                                              32, icon.width * 4, SDL_PIXELFORMAT_ARGB8888);
    if (surface == nullptr)
        return;
    SDL_SetWindowIcon(window_, surface);
    SDL_FreeSurface(surface);
}

void SdlHostWindow::setMenu(const Menu* menu)
{
    if (menu != nullptr)
        menu_ = *menu;
    else
        menu_.reset();
}

SdlHostWindow* SdlHostWindow::fromWindowId(uint32_t windowId)
{
    SDL_Window* window = SDL_GetWindowFromID(windowId);
    return window != nullptr ? static_cast<SdlHostWindow*>(SDL_GetWindowData(window, kHostKey)) : nullptr;
}

SDL_Window* SdlHostWindow::sdlWindowOf(HostWindow* window)
{
    auto* sdlWindow = dynamic_cast<SdlHostWindow*>(window);
    return sdlWindow != nullptr ? sdlWindow->window_ : nullptr;
}

} // namespace platform
