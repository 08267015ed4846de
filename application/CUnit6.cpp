#include "application/CUnit6.h"

#include "application/CApplication.h"
#include "application/CMC_Scene.h"
#include "foundation/CMElement.h"
#include "foundation/CResourcesManager.h"
#include "graphics/CAnimo6.h"
#include "graphics/CControl.h"
#include "graphics/CGraphicsObject.h"
#include "graphics/CRefreshScreen.h"
#include "graphics/CWindow.h"
#include "sound/CRandomPlayable.h"

namespace {

CApplication* applicationOf(CWindow* window)
{
    return window != nullptr ? dynamic_cast<CApplication*>(window->GetApplicationInterface()) : nullptr;
}

} // namespace

CUnit6::CUnit6(CWindow* window, const CXString& name)
    : name_(name), application_(applicationOf(window)), window_(window), resources_(new CResourcesManager(window)),
      returnPath_(101, 0.75f)
{
    // Media the scene does not hold are asked of the engine host's manager.
    if (application_ != nullptr && application_->getGeneralResourcesManager() != nullptr)
        application_->getGeneralResourcesManager()->add(resources_);
}

CUnit6::~CUnit6()
{
    stopListening();
    // Leaves the managers it was nested in by itself.
    delete resources_;
}

void CUnit6::stopListening()
{
    if (window_ == nullptr)
        return;
    window_->removeKeyListener(this);
    window_->removeMouseListener(this);
}

bool CUnit6::initialize(CMC_Scene* scene, CUnit6* previous)
{
    returnCode_ = 0;
    active_ = true;
    scene_ = scene;
    music_ = previous != nullptr ? previous->getMusicFileName() : CXString();
    randomPlayables_ = std::make_unique<CRandomPlayable>(window_, this);
    randomPlayables_->addNotifier(this);
    setBackground();
    if (window_ != nullptr) {
        window_->registerKeyListener(this);
        window_->registerMouseListener(this, listenerPriority);
    }
    return true;
}

bool CUnit6::onInitialUpdate()
{
    updated_ = true;
    startMusic(nullptr, false);
    return true;
}

void CUnit6::onCanvasRefreshed()
{
}

bool CUnit6::wasInitiallyUpdated()
{
    return updated_;
}

bool CUnit6::domodal()
{
    return returnCode_ != 0;
}

bool CUnit6::done(CMC_Scene*, CUnit6*)
{
    dropDrag();
    if (CRefreshScreen* canvas = getCanvas()) {
        canvas->flush();
        canvas->SetBackground(static_cast<CGraphicsObject*>(nullptr));
    }
    scene_ = nullptr;
    active_ = false;
    updated_ = false;
    randomPlayables_.reset();
    stopListening();
    resources_->flush();
    returnPath_.removeAll();
    return true;
}

CWindow* CUnit6::getWindow()
{
    return window_;
}

CRefreshScreen* CUnit6::getCanvas()
{
    return window_ != nullptr ? window_->GetRefreshScreenInterface() : nullptr;
}

CRefreshScreen* CUnit6::getRefreshScreenInterface()
{
    return getCanvas();
}

bool CUnit6::isActive()
{
    return active_;
}

void CUnit6::startMusic(const char* name, bool force)
{
    if (scene_ == nullptr || !(force || scene_->shouldMusicBeStarted()))
        return;
    CXString piece = name != nullptr ? CXString(name) : scene_->getMusicFilename();
    bool playing = window_ != nullptr && window_->isMusicPlaying();
    if (playing && (!piece.IsString() || piece.equalsIgnoreCase(music_)))
        return;
    music_ = piece;
    // No piece to play: nothing to open.
    if (window_ != nullptr && piece.IsString())
        window_->StartMusic(piece, true);
}

void CUnit6::stopMusic()
{
    if (window_ != nullptr)
        window_->StopMusic();
}

CXString CUnit6::getMusicFileName()
{
    return music_;
}

CXString CUnit6::getBackgroundFileName()
{
    return background_;
}

void CUnit6::setBackground()
{
    CRefreshScreen* canvas = getCanvas();
    if (canvas == nullptr)
        return;
    CXString file = getBackgroundFileName();
    if (file.IsString())
        canvas->SetBackground(file);
    else
        canvas->SetBackground(static_cast<CGraphicsObject*>(nullptr));
}

void CUnit6::putOnCanvas(CAnimo6* animation, CMElement* element)
{
    CRefreshScreen* canvas = getCanvas();
    if (animation == nullptr || element == nullptr || canvas == nullptr || !element->getPropertyBoolValue("TOCANVAS"))
        return;
    int priority = element->getPropertyBoolValue("ALWAYSONTOP") ? onTopPriority : element->getPropertyIntValue("PRIORITY");
    canvas->put(animation, priority);
}

// ---- dragging ---------------------------------------------------------------------------------

CControl* CUnit6::draggedControl() const
{
    return draggedControlAlive_ != nullptr && *draggedControlAlive_ ? draggedControl_ : nullptr;
}

void CUnit6::dropDrag()
{
    dragging_ = false;
    draggedControl_ = nullptr;
    draggedControlAlive_.reset();
    draggedGraphics_ = nullptr;
}

bool CUnit6::onStartDragging(CGraphicsObject* graphics, CXPoint point, CControl* control)
{
    dragging_ = true;
    draggedControl_ = control;
    draggedControlAlive_ = control != nullptr ? control->lifeToken() : nullptr;
    draggedGraphics_ = graphics;
    if (CRefreshScreen* canvas = getCanvas()) {
        savedPriority_ = canvas->GetPriority(graphics);
        canvas->SetPriority(graphics, draggingPriority);
    }
    startPosition_ = graphics != nullptr ? graphics->GetPosition() : CXPoint();
    lastPoint_ = point;
    if (control != nullptr)
        control->onStartDragging(point);
    return true;
}

bool CUnit6::dragTargetGone() const
{
    return draggedControl_ != nullptr && draggedControl() == nullptr;
}

bool CUnit6::onDragging(CXPoint point)
{
    // The control, and with it its picture, may have gone meanwhile.
    if (dragTargetGone())
        dropDrag();
    if (!dragging_)
        return false;
    if (draggedGraphics_ != nullptr)
        draggedGraphics_->Move(point.x - lastPoint_.x, point.y - lastPoint_.y);
    lastPoint_ = point;
    if (draggedControl_ != nullptr)
        draggedControl_->onDragging(point);
    return true;
}

bool CUnit6::onEndDragging(CXPoint)
{
    if (dragTargetGone()) {
        dropDrag();
        return true;
    }
    CControl* control = draggedControl_;
    CGraphicsObject* graphics = draggedGraphics_;
    CRefreshScreen* canvas = getCanvas();
    if (graphics != nullptr && canvas != nullptr)
        canvas->SetPriority(graphics, savedPriority_);
    dropDrag();
    if (control != nullptr) {
        control->Enable(true);
        control->onEndDragging(graphics != nullptr ? graphics->GetPosition() : CXPoint());
    }
    return true;
}

void CUnit6::bringBackDraggingObjectPosition(CXPoint)
{
    if (draggedGraphics_ == nullptr || dragTargetGone())
        return;
    draggedGraphics_->Invalidate();
    draggedGraphics_->SetPosition(startPosition_);
    draggedGraphics_->Invalidate();
}

bool CUnit6::onMouseMove(CXPoint point)
{
    return dragging_ && onDragging(point);
}

bool CUnit6::onClick(CXPoint point)
{
    if (dragging_ && draggingMode_)
        onEndDragging(point);
    return false;
}

bool CUnit6::onRelease(CXPoint point)
{
    if (dragging_ && !draggingMode_)
        onEndDragging(point);
    return false;
}

void CUnit6::setTimer(int id, int period, bool onlyActive)
{
    if (window_ != nullptr)
        window_->SetTimer(id, static_cast<unsigned>(period), this, onlyActive);
}

void CUnit6::killTimer(int id)
{
    if (window_ != nullptr)
        window_->KillTimer(id);
}

void CUnit6::onTimer(int)
{
}

void CUnit6::addRandomPlayable(CPlayable* playable, double probability, int times, const CXString& event)
{
    if (randomPlayables_ != nullptr)
        randomPlayables_->add(playable, probability, times, event);
}

void CUnit6::removeRandomPlayable(CPlayable* playable)
{
    if (randomPlayables_ != nullptr)
        randomPlayables_->remove(playable);
}

CResourcesManager* CUnit6::getResourcesManager()
{
    return resources_;
}

CMElements* CUnit6::resolveObjects(CMC_Scene*, CMElements* elements)
{
    return elements;
}
