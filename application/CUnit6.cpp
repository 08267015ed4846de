#include "application/CUnit6.h"

#include "application/CMC_Scene.h"
#include "foundation/CResourcesManager.h"

CUnit6::CUnit6(CWindow* window, const CXString& name)
    : name_(name), application_(nullptr), window_(window), resources_(new CResourcesManager(nullptr)), returnPath_(101, 0.75f)
{
}

CUnit6::~CUnit6()
{
    delete resources_;
}

bool CUnit6::initialize(CMC_Scene* scene, CUnit6* previous)
{
    returnCode_ = 0;
    active_ = true;
    scene_ = scene;
    music_ = previous != nullptr ? previous->getMusicFileName() : CXString();
    setBackground();
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
    music_ = piece;
}

void CUnit6::stopMusic()
{
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
}

void CUnit6::onTimer(int)
{
}

CResourcesManager* CUnit6::getResourcesManager()
{
    return resources_;
}

CMElements* CUnit6::resolveObjects(CMC_Scene*, CMElements* elements)
{
    return elements;
}
