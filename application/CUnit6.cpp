#include "application/CUnit6.h"

#include "application/CApplication.h"
#include "application/CMC_Scene.h"
#include "foundation/CResourcesManager.h"
#include "graphics/CWindow.h"
#include "sound/CRandomPlayable.h"

namespace {

CApplication* applicationOf(CWindow* window)
{
    return window != nullptr ? dynamic_cast<CApplication*>(window->GetApplicationInterface()) : nullptr;
}

} // namespace

CUnit6::CUnit6(CWindow* window, const CXString& name)
    : name_(name), application_(applicationOf(window)), window_(window), resources_(new CResourcesManager(nullptr)),
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
