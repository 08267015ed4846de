#include "player/MainWndProc.h"

#include "foundation/CCommandLine6.h"
#include "graphics/CWindow.h"

#include <algorithm>

namespace {

// The key state of a double click of the left button: the button is down.
constexpr int kLeftButtonDown = 1;

} // namespace

void MainWndProc::onPaint()
{
    CCommandLine6* commandLine = window_->getCommandLineIfc();
    if (commandLine != nullptr && commandLine->isWindowMode())
        window_->Invalidate();
    if (!window_->isActive())
        window_->Redraw(true);
}

void MainWndProc::onActivate(bool active)
{
    window_->OnActivateApp(active);
}

void MainWndProc::onMove(int x, int y)
{
    if (window_->GetRefreshScreenInterface() == nullptr)
        return;
    window_->OnMove(x, std::min(y, kLowestClientRow));
    window_->Redraw(false);
}

void MainWndProc::onClose()
{
    window_->OnDestroy();
}

void MainWndProc::onCommand(int id)
{
    OnWindowCommand(window_, id);
}

void MainWndProc::onDoubleClick(int x, int y)
{
    if (window_->isActive())
        window_->OnLButtonDblClk(CXPoint(x, y), kLeftButtonDown);
}
