#include "graphics/CSecondaryDisplay.h"

#include "graphics/CDirectDrawSurface.h"
#include "graphics/CPixelFormat.h"
#include "graphics/CSurface.h"
#include "graphics/CSurfaceInfo.h"
#include "graphics/CWindow.h"
#include "platform/Clock.h"
#include "platform/Display.h"

#include <algorithm>

CSecondaryDisplay::CSecondaryDisplay(platform::HostWindow* mirrorWindow, CWindow* window, int delayMs)
    : mirrorWindow_(mirrorWindow), device_(platform::display().createSecondDisplay()), window_(window),
      delayMs_(std::max(delayMs, 0))
{
    const CXSize size = window_->GetScreenSize();
    display_ = std::make_unique<CSurface>(*device_, mirrorWindow_, size);
    maxPendingBytes_ = kMaxPendingScreens * size_t(std::max(size.cx, 0)) * size_t(std::max(size.cy, 0)) *
                       size_t(CPixelFormat::__get_pixel_size(window_->GetBpp()));
}

// The members go in reverse order: the pending copies, then the display, then its device.
CSecondaryDisplay::~CSecondaryDisplay() = default;

size_t CSecondaryDisplay::bytesOf(const CSurfaceInfo& record)
{
    CDirectDrawSurface* copy = record.getSurface();
    return size_t(copy->Width()) * size_t(copy->Height()) * size_t(CPixelFormat::__get_pixel_size(copy->GetBpp()));
}

void CSecondaryDisplay::update(CDirectDrawSurface* source, CXRect* rect)
{
    // Copies no window shows are not worth taking.
    if (display_->LastError() != 0 || source == nullptr)
        return;
    const CXRect taken = rect != nullptr ? *rect : CXRect(0, 0, source->Width(), source->Height());
    if (taken.Width() <= 0 || taken.Height() <= 0)
        return;
    auto copy = std::make_unique<CDirectDrawSurface>(window_, CXSize(taken.Width(), taken.Height()), window_->GetBpp(), true);
    if (copy->GetDirectDrawSurfaceInterface() == nullptr)
        return;
    CXRect from = taken;
    copy->Blt(source, &from, nullptr);
    pending_.push_back(std::make_unique<CSurfaceInfo>(platform::clock().tickMs(), std::move(copy), taken));
    pendingBytes_ += bytesOf(*pending_.back());
    while (pending_.size() > 1 && (pendingBytes_ > maxPendingBytes_ || pending_.size() > kMaxPendingRecords))
        dropOldest();
}

void CSecondaryDisplay::dropOldest()
{
    pendingBytes_ -= bytesOf(*pending_.front());
    pending_.pop_front();
}

bool CSecondaryDisplay::isDue(const CSurfaceInfo& record, uint32_t now) const
{
    // The tick count wraps: compare by the signed distance.
    return static_cast<int32_t>(now - (record.getTick() + static_cast<uint32_t>(delayMs_))) > 0;
}

void CSecondaryDisplay::redraw()
{
    if (pending_.empty())
        return;
    const uint32_t now = platform::clock().tickMs();
    // The records old enough lead the list: every one of them is shown, the newest kept.
    size_t due = 0;
    while (due < pending_.size() && isDue(*pending_[due], now))
        ++due;
    if (due == 0) {
        if (nothingShown_)
            show(*pending_.front());
    } else {
        for (size_t i = 0; i + 1 < due; ++i) {
            show(*pending_.front());
            dropOldest();
        }
        show(*pending_.front());
    }
    display_->present(false);
}

void CSecondaryDisplay::show(CSurfaceInfo& record)
{
    // A record shown once stays shown: nothing newer was drawn over it since.
    if (record.wasShown())
        return;
    // The second display's screen is its window's client area.
    CXRect target = record.getRect();
    display_->Blt(record.getSurface(), nullptr, &target);
    record.markShown();
    nothingShown_ = false;
}
