#include "objects/CStaticFilterEffect.h"

#include "graphics/CAnimo.h"
#include "objects/CBlurEffect.h"
#include "objects/CColorChannelEffect.h"
#include "objects/CFilterPicture.h"
#include "objects/CGrayScaleEffect.h"
#include "objects/CNegativeEffect.h"
#include "objects/CRandomJitterEffect.h"
#include "objects/CRotateEffect.h"
#include "objects/CScaleEffect.h"
#include "objects/CWavesEffect.h"

#include <cstring>

std::unique_ptr<CStaticFilterEffect> CStaticFilterEffect::make(const CXString& action, CWindow* window)
{
    if (action == "COLORCHANNEL")
        return std::make_unique<CColorChannelEffect>(window);
    if (action == "GRAYSCALE")
        return std::make_unique<CGrayScaleEffect>(window);
    if (action == "BLUR")
        return std::make_unique<CBlurEffect>(window);
    if (action == "ROTATE")
        return std::make_unique<CRotateEffect>(window);
    if (action == "SCALE")
        return std::make_unique<CScaleEffect>(window);
    if (action == "NEGATIVE")
        return std::make_unique<CNegativeEffect>(window);
    if (action == "RANDOMJITTER")
        return std::make_unique<CRandomJitterEffect>(window);
    if (action == "WAVES")
        return std::make_unique<CWavesEffect>(window);
    return nullptr;
}

CStaticFilterEffect::~CStaticFilterEffect()
{
    for (const std::shared_ptr<CEffectLink>& link : snapshot())
        forgetLink(*link);
}

std::shared_ptr<CEffectLink> CStaticFilterEffect::createLink(const CEffectLink::Target& target)
{
    return std::make_shared<CStaticFilterLink>(target, dynamic_cast<CAnimo*>(target.graphics));
}

void CStaticFilterEffect::addLink(const std::shared_ptr<CEffectLink>& held)
{
    auto& link = static_cast<CStaticFilterLink&>(*held);
    CGraphicsObject* graphics = link.getGraphics();
    graphics->Invalidate();
    if (CAnimo* animation = link.getAnimation())
        linkAnimation(link, animation);
    else
        linkPicture(link, graphics);
    graphics->Invalidate();
    CLinkedEffect::addLink(held);
}

void CStaticFilterEffect::linkPicture(CStaticFilterLink& link, CGraphicsObject* graphics)
{
    CGraphicsObject* picture = graphics->getDrawn();
    link.setProcessed(0);
    if (params().canUndo()) {
        link.slots().resize(1);
        if (save(link.slots()[0], picture))
            apply(picture);
        return;
    }
    applyRaw(picture);
}

void CStaticFilterEffect::linkAnimation(CStaticFilterLink& link, CAnimo* animation)
{
    int current = animation->Current();
    if (params().canUndo())
        link.slots().resize(size_t(animation->GetNOF()));
    if (params().currentFrame()) {
        processFrame(link, animation, current);
        link.setProcessed(current);
        // Following needs the pictures kept: without them only the frame shown now changes.
        if (params().canUndo())
            animation->addNotifier(this);
    } else {
        for (int frame = 0; frame < animation->GetNOF(); ++frame)
            processFrame(link, animation, frame);
    }
    animation->Set(current, false);
    animation->updateWithCurrentFrame();
}

void CStaticFilterEffect::processFrame(CStaticFilterLink& link, CAnimo* animation, int frame)
{
    CGraphicsObject* picture = animation->GetFrame(frame);
    if (picture == nullptr)
        return;
    Slot* slot = link.slot(frame);
    if (params().canUndo() && (slot == nullptr || !save(*slot, picture)))
        return;
    CXRect clipping = picture->GetClippingRect();
    picture->SetClippingRect(animation->GetClippingRect());
    applyRaw(picture);
    picture->SetClippingRect(clipping);
}

void CStaticFilterEffect::applyRaw(CGraphicsObject* picture)
{
    if (CFilterPicture::makeRaw(picture))
        apply(picture);
}

bool CStaticFilterEffect::onPlayableTick(CPlayable* playable)
{
    dropDeadLinks();
    for (const std::shared_ptr<CEffectLink>& held : snapshot()) {
        auto& link = static_cast<CStaticFilterLink&>(*held);
        CAnimo* animation = link.getAnimation();
        if (animation == nullptr || static_cast<CPlayable*>(animation) != playable)
            continue;
        int current = animation->Current();
        Slot* shown = link.slot(current);
        if (!params().currentFrame() || shown == nullptr || shown->done)
            return false;
        Slot* last = link.slot(link.getProcessed());
        if (last != nullptr && last->done)
            restore(*last, animation->GetFrame(link.getProcessed()));
        processFrame(link, animation, current);
        link.setProcessed(current);
        animation->updateWithCurrentFrame();
        return false;
    }
    return false;
}

void CStaticFilterEffect::removeLink(const std::shared_ptr<CEffectLink>& held)
{
    auto& link = static_cast<CStaticFilterLink&>(*held);
    forgetLink(link);
    CGraphicsObject* graphics = link.getGraphics();
    graphics->Invalidate();
    if (CAnimo* animation = link.getAnimation()) {
        for (int frame = 0; frame < int(link.slots().size()); ++frame)
            restore(link.slots()[size_t(frame)], animation->GetFrame(frame));
        animation->Set(animation->Current(), false);
        animation->updateWithCurrentFrame();
    } else if (Slot* slot = link.slot(0)) {
        restore(*slot, graphics->getDrawn());
    }
    graphics->Invalidate();
    CLinkedEffect::removeLink(held);
}

void CStaticFilterEffect::forgetLink(CEffectLink& held)
{
    if (CAnimo* animation = static_cast<CStaticFilterLink&>(held).getAnimation())
        animation->removeNotifier(this);
}

bool CStaticFilterEffect::save(Slot& slot, CGraphicsObject* picture) const
{
    slot.packed = picture->GetCompression() == COMPRESSION_RLE;
    if (!CFilterPicture::makeRaw(picture))
        return false;
    size_t pixels = size_t(picture->Width()) * size_t(picture->Height());
    slot.colour.reset(new uint8_t[pixels * 2]);
    std::memcpy(slot.colour.get(), picture->GetDataPtr(), pixels * 2);
    slot.alpha.reset();
    if (changes_ != Changes::Pixels && picture->GetChannelAlpha() != nullptr) {
        slot.alpha.reset(new uint8_t[pixels]);
        std::memcpy(slot.alpha.get(), picture->GetChannelAlpha(), pixels);
    }
    slot.size = picture->Size();
    slot.position = picture->GetPosition();
    slot.done = true;
    return true;
}

void CStaticFilterEffect::restore(Slot& slot, CGraphicsObject* picture) const
{
    if (!slot.done || picture == nullptr)
        return;
    slot.done = false;
    if (changes_ != Changes::Pixels) {
        if (picture->takePlanes(slot.colour.get(), slot.alpha.get(), slot.size)) {
            slot.colour.release();
            slot.alpha.release();
        }
        if (changes_ == Changes::Geometry)
            picture->Move(slot.position - picture->GetPosition());
    } else if (CFilterPicture::isRaw(picture) && picture->Width() == slot.size.cx && picture->Height() == slot.size.cy) {
        std::memcpy(picture->GetDataPtr(), slot.colour.get(), size_t(slot.size.cx) * size_t(slot.size.cy) * 2);
    }
    slot.colour.reset();
    slot.alpha.reset();
    if (slot.packed)
        picture->Compress(COMPRESSION_RLE);
}
