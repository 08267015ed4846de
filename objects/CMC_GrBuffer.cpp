#include "objects/CMC_GrBuffer.h"

#include "foundation/CMElement.h"
#include "graphics/CDirectDrawSurface.h"
#include "graphics/CRefreshScreen.h"
#include "graphics/CStamp.h"
#include "graphics/CWindow.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_TypeIds.h"

#include <cstring>

CMC_GrBuffer::CMC_GrBuffer(CMC_ObjectsContainer* container, CMElement* element)
    : CMC_Object(container, element, script::TYPE_GRBUFFER), entries_(kSlots)
{
    source_ = element->getPropertyValue("SOURCE");
    destiny_ = element->getPropertyValue("DESTINY");
    initializeBehaviours(container, element);
}

CMC_GrBuffer::~CMC_GrBuffer()
{
    beginDestruction();
}

void CMC_GrBuffer::init()
{
}

CXString** CMC_GrBuffer::getBehavioursList()
{
    return makeSignalList({"ONINIT", "ONDONE", "ONSIGNAL"});
}

grbuffer__entry* CMC_GrBuffer::entryAt(int index) const
{
    return index >= 0 && index < kSlots ? entries_[size_t(index)].get() : nullptr;
}

CGraphicsObject* CMC_GrBuffer::source()
{
    CMC_ObjectsContainer* container = getScene();
    CGraphicsObject* picture = container != nullptr ? container->getGraphicsObject(source_) : nullptr;
    return picture != nullptr ? picture->getDrawn() : nullptr;
}

CGraphicsObject* CMC_GrBuffer::destination(const grbuffer__entry* stamp)
{
    CMC_ObjectsContainer* container = getScene();
    CGraphicsObject* picture = nullptr;
    if (destiny_ == "BACKGROUND") {
        CWindow* window = CMC_ObjectsContainer::windowOf(container);
        CRefreshScreen* screen = window != nullptr ? window->GetRefreshScreenInterface() : nullptr;
        picture = screen != nullptr ? screen->getBackgroundIfc() : nullptr;
    } else if (container != nullptr) {
        picture = container->getGraphicsObject(destiny_);
    }
    picture = picture != nullptr ? picture->getDrawn() : nullptr;
    bool plain16 = picture != nullptr && (picture->GetBpp() == 15 || picture->GetBpp() == 16) &&
                   picture->GetCompression() == COMPRESSION_NONE && picture->GetDataPtr() != nullptr;
    if (!plain16)
        return nullptr;
    // A stamp made on another picture of that name must still fit this one.
    if (stamp != nullptr && (int64_t(stamp->x) + stamp->rect.Width() > picture->Width() ||
                             int64_t(stamp->y) + stamp->rect.Height() > picture->Height()))
        return nullptr;
    return picture;
}

int CMC_GrBuffer::create(int x, int y, CXRect part)
{
    CGraphicsObject* from = source();
    CGraphicsObject* to = destination(nullptr);
    if (from == nullptr || to == nullptr)
        return -1;
    if (part.IsEmpty())
        part = CXRect(0, 0, from->Width(), from->Height());
    int64_t width = int64_t(part.right) - part.left;
    int64_t height = int64_t(part.bottom) - part.top;
    if (width < 0 || height < 0 || x < 0 || y < 0 || x + width >= to->Width() || y + height >= to->Height())
        return -1;
    for (int index = 0; index < kSlots; ++index) {
        if (entries_[size_t(index)] != nullptr)
            continue;
        auto stamp = std::make_unique<grbuffer__entry>();
        stamp->x = x;
        stamp->y = y;
        stamp->rect = part;
        stamp->backup = std::make_shared<uint16_t[]>(size_t(width * height));
        copyRows(to, *stamp, true);
        entries_[size_t(index)] = std::move(stamp);
        return index;
    }
    return -1;
}

void CMC_GrBuffer::copyRows(CGraphicsObject* destination, const grbuffer__entry& stamp, bool intoBackup)
{
    auto* plane = reinterpret_cast<uint16_t*>(destination->GetDataPtr());
    size_t width = size_t(stamp.rect.Width());
    for (int row = 0; row < stamp.rect.Height(); ++row) {
        uint16_t* pixels = plane + (size_t(stamp.y) + size_t(row)) * size_t(destination->Width()) + size_t(stamp.x);
        uint16_t* kept = stamp.backup.get() + size_t(row) * width;
        if (intoBackup)
            std::memcpy(kept, pixels, width * 2);
        else
            std::memcpy(pixels, kept, width * 2);
    }
}

void CMC_GrBuffer::invalidateStamp(CGraphicsObject* destination, const grbuffer__entry& stamp)
{
    CWindow* window = CMC_ObjectsContainer::windowOf(getScene());
    if (window == nullptr)
        return;
    CXRect area = stamp.getBoundingBox() + destination->GetPosition();
    window->Invalidate(&area);
}

void CMC_GrBuffer::draw(int index, bool invalidate)
{
    grbuffer__entry* stamp = entryAt(index);
    CGraphicsObject* from = stamp != nullptr ? source() : nullptr;
    CGraphicsObject* to = from != nullptr ? destination(stamp) : nullptr;
    if (to == nullptr)
        return;
    // The part's corner lands on the stamp's place.
    CStamp::draw(from, to, CXPoint(stamp->x - stamp->rect.left, stamp->y - stamp->rect.top), stamp->rect);
    if (invalidate)
        invalidateStamp(to, *stamp);
}

void CMC_GrBuffer::undo(int index, bool invalidate)
{
    grbuffer__entry* stamp = entryAt(index);
    CGraphicsObject* to = stamp != nullptr ? destination(stamp) : nullptr;
    if (to == nullptr)
        return;
    copyRows(to, *stamp, false);
    if (invalidate)
        invalidateStamp(to, *stamp);
}

void CMC_GrBuffer::flush(int index, bool undo, bool invalidate)
{
    if (entryAt(index) == nullptr)
        return;
    if (undo)
        this->undo(index, invalidate);
    entries_[size_t(index)].reset();
}

void CMC_GrBuffer::flushAll(bool undo, bool invalidate)
{
    for (int index = kSlots - 1; index >= 0; --index)
        flush(index, undo, false);
    CWindow* window = CMC_ObjectsContainer::windowOf(getScene());
    if (invalidate && window != nullptr)
        window->Invalidate();
}

int CMC_GrBuffer::findAt(int x, int y)
{
    for (int index = kSlots - 1; index >= 0; --index) {
        grbuffer__entry* stamp = entryAt(index);
        if (stamp != nullptr && stamp->isAt(CXPoint(x, y)))
            return index;
    }
    return -1;
}
