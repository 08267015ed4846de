#include "application/CUnit6.h"

#include "application/CApplication.h"
#include "application/CMC_Scene.h"
#include "foundation/CMElement.h"
#include "foundation/CResourcesManager.h"
#include "graphics/CAnimo6.h"
#include "graphics/CControl.h"
#include "graphics/CEditBox6.h"
#include "graphics/CKeyboard.h"
#include "graphics/CGraphicsObject.h"
#include "graphics/CRefreshScreen.h"
#include "graphics/CWindow.h"
#include "platform/KeyCodes.h"
#include "sound/CRandomPlayable.h"

#include <algorithm>

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
    flushEditBoxes();
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

// ---- edit boxes -------------------------------------------------------------------------------

void CUnit6::setCursor(CGraphicsObject* cursor)
{
    cursor_.reset(cursor);
}

CEditBox6* CUnit6::addEditBox(CSimpleFont6* font, CXRect rect, int priority, const CXString& text)
{
    if (window_ == nullptr)
        return nullptr;
    auto box = std::make_unique<CEditBox6>(window_, this, font, rect, priority, text);
    if (cursor_.get() != nullptr)
        box->setCursor(cursor_.get());
    editBoxes_.push_back(std::move(box));
    return editBoxes_.back().get();
}

CEditBox6* CUnit6::getEditBox(int index) const
{
    return index >= 0 && index < getEditBoxCount() ? editBoxes_[size_t(index)].get() : nullptr;
}

int CUnit6::indexOf(const CEditBox6* box) const
{
    for (size_t i = 0; i < editBoxes_.size(); ++i) {
        if (editBoxes_[i].get() == box)
            return int(i);
    }
    return -1;
}

void CUnit6::activateEditBox(CEditBox6* box)
{
    CEditBox6* previous = activeEditBox_;
    activeEditBox_ = box;
    // A box disabled or switched off meanwhile was told already.
    if (previous != nullptr && previous != box && indexOf(previous) >= 0 && previous->isActive())
        previous->activate(false);
    if (box != nullptr && activeEditBox_ == box && indexOf(box) >= 0)
        box->activate(true);
}

void CUnit6::removeEditBox(CEditBox6* box)
{
    int index = indexOf(box);
    if (index < 0)
        return;
    if (activeEditBox_ == box)
        activeEditBox_ = nullptr;
    (void)editBoxes_[size_t(index)].release();
    editBoxes_.erase(editBoxes_.begin() + index);
}

void CUnit6::releaseEditBox(CEditBox6* box)
{
    if (indexOf(box) < 0)
        return;
    removeEditBox(box);
    delete box;
}

void CUnit6::flushEditBoxes()
{
    activeEditBox_ = nullptr;
    // Off the list before they go: a box tells of its lost focus as it is deleted.
    std::vector<std::unique_ptr<CEditBox6>> boxes = std::move(editBoxes_);
    editBoxes_.clear();
    boxes.clear();
}

int CUnit6::getCurrentEditBoxIndex()
{
    return activeEditBox_ != nullptr ? indexOf(activeEditBox_) : -1;
}

void CUnit6::nextEditBox()
{
    stepEditBox(1);
}

void CUnit6::prevEditBox()
{
    stepEditBox(-1);
}

void CUnit6::stepEditBox(int step)
{
    const int start = getCurrentEditBoxIndex();
    if (start < 0)
        return;
    const int count = getEditBoxCount();
    int index = start;
    do {
        index = (index + step + count) % count;
    } while (index != start && !editBoxes_[size_t(index)]->isEnabled());
    if (index != start)
        activateEditBox(editBoxes_[size_t(index)].get());
}

void CUnit6::onKeyDown(int key)
{
    if (key != platform::key::Tab)
        return;
    CKeyboard* keyboard = window_ != nullptr ? window_->getKeyboardInterface() : nullptr;
    bool backwards = keyboard != nullptr && (keyboard->isKeyPressed("lshift") || keyboard->isKeyPressed("rshift"));
    if (backwards)
        prevEditBox();
    else
        nextEditBox();
}
