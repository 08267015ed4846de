#include "graphics/CBackgroundManager.h"

#include "graphics/CColor.h"
#include "graphics/CDirectDrawSurface.h"
#include "graphics/CRefreshRegion.h"
#include "graphics/CWindow.h"

#include <algorithm>
#include <vector>

namespace {

// A run of screen pixels along one axis and where it starts in the background.
struct Span {
    int screen;
    int source;
    int length;
};

int wrapped(int value, int size)
{
    int remainder = value % size;
    return remainder < 0 ? remainder + size : remainder;
}

// The runs of [from, to) on the screen: wrapping, read from the background at the offset and
// modulo its size; otherwise as they stand, as far as the background reaches.
std::vector<Span> spansOf(int from, int to, int offset, int size, bool wrap)
{
    std::vector<Span> spans;
    if (!wrap) {
        int end = std::min(to, size);
        if (from < end)
            spans.push_back({from, from, end - from});
        return spans;
    }
    for (int at = from; at < to;) {
        int source = wrapped(at + offset, size);
        int length = std::min(to - at, size - source);
        spans.push_back({at, source, length});
        at += length;
    }
    return spans;
}

} // namespace

CRefreshScreen::CBackgroundManager::CBackgroundManager(CWindow* window, CRefreshScreen* screen)
    : window_(window), screen_(screen), mode_(WRAP_BOTH)
{
}

CRefreshScreen::CBackgroundManager::~CBackgroundManager() = default;

CXSize CRefreshScreen::CBackgroundManager::screenSize() const
{
    return screen_->Size();
}

void CRefreshScreen::CBackgroundManager::SetBackground(CColor* color)
{
    surface_.reset();
    CColor dark(7, 7, 7);
    surface_ = std::make_unique<CDirectDrawSurface>(window_, screenSize(), screen_->GetBpp(), false);
    surface_->Fill(color != nullptr ? color : &dark);
    mode_ = PLAIN;
}

void CRefreshScreen::CBackgroundManager::SetBackground(CGraphicsObject* object)
{
    surface_.reset();
    if (object == nullptr)
        return;
    surface_ = std::make_unique<CDirectDrawSurface>(window_, object->Size(), screen_->GetBpp(), true);
    object->SetDestiny(surface_.get());
    object->Redraw();
    surface_->applyToRestore(object);
    checkScrollMode();
}

void CRefreshScreen::CBackgroundManager::setBackground(CDirectDrawSurface* surface)
{
    surface_.reset(surface);
    if (surface_ != nullptr)
        checkScrollMode();
}

void CRefreshScreen::CBackgroundManager::checkScrollMode()
{
    CXSize screen = screenSize();
    int width = surface_->Width();
    int height = surface_->Height();
    if (width > screen.cx && height > screen.cy)
        mode_ = WRAP_BOTH;
    else if (height == screen.cy)
        mode_ = WRAP_HORIZONTAL;
    else if (width == screen.cx)
        mode_ = WRAP_VERTICAL;
    else
        mode_ = PLAIN;
}

void CRefreshScreen::CBackgroundManager::Redraw(CDirectDrawSurface* target, CRefreshRegion* region)
{
    if (surface_ == nullptr || target == nullptr || surface_->Width() <= 0 || surface_->Height() <= 0)
        return;
    CXPoint position = surface_->GetPosition();
    int offsetX = wrapped(position.x, surface_->Width());
    int offsetY = wrapped(position.y, surface_->Height());
    surface_->SetPosition(offsetX, offsetY);
    if (mode_ == PLAIN && offsetX != 0)
        mode_ = WRAP_HORIZONTAL;
    else if (mode_ == PLAIN && offsetY != 0)
        mode_ = WRAP_VERTICAL;
    CXSize screen = screenSize();
    for (int i = 0; i < region->getSize(); ++i) {
        CXRect* entry = region->rectAt(i);
        paint(target, entry != nullptr ? *entry : CXRect(0, 0, screen.cx, screen.cy), offsetX, offsetY);
    }
}

void CRefreshScreen::CBackgroundManager::paint(CDirectDrawSurface* target, const CXRect& dirty, int offsetX, int offsetY)
{
    int width = surface_->Width();
    int height = surface_->Height();
    if (mode_ == PLAIN) {
        // A background smaller than the screen stands in its middle, on every frame alike.
        CXSize screen = screenSize();
        bool centred = width < screen.cx || height < screen.cy;
        CXPoint at = centred ? CXPoint((screen.cx - width) >> 1, (screen.cy - height) >> 1) : CXPoint(0, 0);
        CXRect part = (dirty - at).Common(CXRect(0, 0, width, height));
        if (part.Width() > 0 && part.Height() > 0)
            target->Blt(surface_.get(), part.left + at.x, part.top + at.y, &part);
        return;
    }
    bool across = mode_ == WRAP_HORIZONTAL || mode_ == WRAP_BOTH;
    bool upDown = mode_ == WRAP_VERTICAL || mode_ == WRAP_BOTH;
    for (const Span& column : spansOf(dirty.left, dirty.right, offsetX, width, across)) {
        for (const Span& row : spansOf(dirty.top, dirty.bottom, offsetY, height, upDown)) {
            CXRect part(column.source, row.source, column.source + column.length, row.source + row.length);
            target->Blt(surface_.get(), column.screen, row.screen, &part);
        }
    }
}
