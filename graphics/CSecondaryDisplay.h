#pragma once

#include "foundation/CXRect.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>

class CDirectDrawSurface;
class CSurface;
class CSurfaceInfo;
class CWindow;

namespace platform {
class Display;
class HostWindow;
} // namespace platform

// The screen shown a second time, late: every rectangle the window copies to its display in window
// mode is kept with the time it was copied and shown in a second window, on a display of its own
// of the screen's size, once the delay has passed. The newest record shown stays pending, so the
// walk over the records always starts from it. Main thread only.
class CSecondaryDisplay {
public:
    // Pending copies never hold more pixels than this many screens, nor more records than
    // kMaxPendingRecords: past either, the oldest are dropped unseen.
    static constexpr size_t kMaxPendingScreens = 32;
    static constexpr size_t kMaxPendingRecords = 4096;

    CSecondaryDisplay(platform::HostWindow* mirrorWindow, CWindow* window, int delayMs);
    // Drops every pending copy unseen, then closes its display.
    ~CSecondaryDisplay();
    CSecondaryDisplay(const CSecondaryDisplay&) = delete;
    CSecondaryDisplay& operator=(const CSecondaryDisplay&) = delete;

    // The rectangle of the source (null: all of it) was copied to the main window now.
    void update(CDirectDrawSurface* source, CXRect* rect);
    // Once a turn: shows the records old enough, in order. Before anything was shown, the first
    // record shows at once.
    void redraw();

    // The second window's display; its error code says whether it opened.
    CSurface* getDisplay() const { return display_.get(); }
    size_t getPendingCount() const { return pending_.size(); }

private:
    bool isDue(const CSurfaceInfo& record, uint32_t now) const;
    void show(CSurfaceInfo& record);
    void dropOldest();
    static size_t bytesOf(const CSurfaceInfo& record);

    platform::HostWindow* mirrorWindow_;
    std::unique_ptr<platform::Display> device_;
    std::unique_ptr<CSurface> display_;
    CWindow* window_;
    // Oldest first.
    std::deque<std::unique_ptr<CSurfaceInfo>> pending_;
    int delayMs_;
    bool nothingShown_ = true;
    size_t pendingBytes_ = 0;
    size_t maxPendingBytes_;
};
