#include "graphics/CPattern.h"

#include "foundation/IntegerWrap.h"
#include "graphics/CRefreshScreen.h"
#include "graphics/CStamp.h"
#include "graphics/CWindow.h"

#include <algorithm>
#include <iterator>

using foundation::wrapMul;

namespace {

bool hasArea(const CXRect& r)
{
    return r.Width() > 0 && r.Height() > 0;
}

CXSize checkedCell(CXSize cell)
{
    return CXSize(std::max(cell.cx, 1), std::max(cell.cy, 1));
}

int screenFormat(CWindow* window)
{
    CRefreshScreen* screen = window != nullptr ? window->GetRefreshScreenInterface() : nullptr;
    return screen != nullptr ? screen->GetBpp() : 16;
}

} // namespace

CPattern::CPattern(CWindow* window, CXSize size, CXSize cell, int layers)
    : CGraphicsObject(window), layers_(std::max(layers, 1))
{
    setSize(size);
    SetBpp(screenFormat(window));
    setGrid(cell);
}

CPattern::~CPattern()
{
    for (auto& [layer, entries] : layerLists_) {
        for (const auto& entry : entries)
            entry->getObject()->removeInvalidateObserver(this);
    }
}

void CPattern::setGrid(CXSize cell)
{
    CXSize checked = checkedCell(cell);
    bool changed = checked.cx != cell_.cx || checked.cy != cell_.cy;
    cell_ = checked;
    columns_ = std::max(Width(), 0) / cell_.cx;
    rows_ = std::max(Height(), 0) / cell_.cy;
    if (changed)
        Invalidate();
}

void CPattern::move(int dx, int dy)
{
    Move(dx, dy);
}

bool CPattern::inTable(int column, int row, int layer) const
{
    return column >= 0 && column < columns_ && row >= 0 && row < rows_ && layer >= 0 && layer < layers_;
}

// ---- entries ---------------------------------------------------------------------------------

CPatternEntry* CPattern::getEntryAtCell(int column, int row, int layer) const
{
    if (!inTable(column, row, layer))
        return nullptr;
    auto found = cells_.find(CellKey{layer, column, row});
    return found != cells_.end() ? found->second : nullptr;
}

CPatternEntry* CPattern::getAliasEntry(const CXString& alias) const
{
    for (const auto& [layer, entries] : layerLists_) {
        for (const auto& entry : entries) {
            if (entry->getAlias() == alias)
                return entry.get();
        }
    }
    return nullptr;
}

std::vector<CPatternEntry*> CPattern::getEntries(int layer) const
{
    std::vector<CPatternEntry*> listed;
    auto found = layerLists_.find(layer);
    if (found != layerLists_.end()) {
        for (const auto& entry : found->second)
            listed.push_back(entry.get());
    }
    return listed;
}

void CPattern::add(const CXString& alias, int column, int row, int layer, CGraphicsObject* object, int value, const CXString& text)
{
    if (object == nullptr || object == this || !inTable(column, row, layer))
        return;
    if (CPatternEntry* old = getEntryAtCell(column, row, layer))
        takeOut(old);
    auto entry = std::make_unique<CPatternEntry>(column, row, alias, object, value, text);
    CPatternEntry* added = entry.get();
    cells_[CellKey{layer, column, row}] = added;
    layerLists_[layer].push_back(std::move(entry));
    object->addInvalidateObserver(this);
    invalidateCell(*added);
}

bool CPattern::contains(CGraphicsObject* object)
{
    for (const auto& [layer, entries] : layerLists_) {
        for (const auto& entry : entries) {
            if (entry->getObject() == object)
                return true;
        }
    }
    return false;
}

void CPattern::takeOut(CPatternEntry* entry)
{
    invalidateCell(*entry);
    CGraphicsObject* object = entry->getObject();
    for (auto layer = layerLists_.begin(); layer != layerLists_.end(); ++layer) {
        Layer& entries = layer->second;
        auto listed = std::find_if(entries.begin(), entries.end(), [entry](const auto& held) { return held.get() == entry; });
        if (listed == entries.end())
            continue;
        cells_.erase(CellKey{layer->first, entry->getColumn(), entry->getRow()});
        entries.erase(listed);
        if (entries.empty())
            layerLists_.erase(layer);
        break;
    }
    if (!contains(object))
        object->removeInvalidateObserver(this);
}

void CPattern::remove(CGraphicsObject* object, bool deleteObject)
{
    if (object == nullptr)
        return;
    std::vector<CPatternEntry*> holding;
    for (const auto& [layer, entries] : layerLists_) {
        for (const auto& entry : entries) {
            if (entry->getObject() == object)
                holding.push_back(entry.get());
        }
    }
    for (CPatternEntry* entry : holding)
        takeOut(entry);
    object->removeInvalidateObserver(this);
    if (deleteObject)
        delete object;
}

void CPattern::remove(const CXString& alias)
{
    while (CPatternEntry* entry = getAliasEntry(alias))
        takeOut(entry);
}

void CPattern::remove(int column, int row, int layer)
{
    if (CPatternEntry* entry = getEntryAtCell(column, row, layer))
        takeOut(entry);
}

void CPattern::removeAll()
{
    while (!layerLists_.empty()) {
        Layer& entries = layerLists_.begin()->second;
        takeOut(entries.back().get());
    }
}

void CPattern::moveDown(int column, int row, int rows)
{
    int target = foundation::wrapAdd(row, rows);
    CPatternEntry* moved = getEntryAtCell(column, row, 0);
    if (moved == nullptr || rows == 0 || !inTable(column, target, 0))
        return;
    remove(column, target, 0);
    invalidateCell(*moved);
    cells_.erase(CellKey{0, column, row});
    moved->setCell(column, target);
    moved->setLocked(true);
    cells_[CellKey{0, column, target}] = moved;
    invalidateCell(*moved);
}

void CPattern::lock(int column, int row, bool locked)
{
    // Only the layers that hold entries can have one in the cell.
    for (const auto& [layer, entries] : layerLists_) {
        if (CPatternEntry* entry = getEntryAtCell(column, row, layer)) {
            entry->setLocked(locked);
            invalidateCell(*entry);
        }
    }
}

void CPattern::_switch(int column1, int row1, int column2, int row2)
{
    if (!inTable(column1, row1, 0) || !inTable(column2, row2, 0))
        return;
    CPatternEntry* first = getEntryAtCell(column1, row1, 0);
    CPatternEntry* second = getEntryAtCell(column2, row2, 0);
    cells_.erase(CellKey{0, column1, row1});
    cells_.erase(CellKey{0, column2, row2});
    if (first != nullptr) {
        invalidateCell(*first);
        first->setCell(column2, row2);
        cells_[CellKey{0, column2, row2}] = first;
        invalidateCell(*first);
    }
    if (second != nullptr) {
        invalidateCell(*second);
        second->setCell(column1, row1);
        cells_[CellKey{0, column1, row1}] = second;
        invalidateCell(*second);
    }
}

// ---- where entries stand ---------------------------------------------------------------------

CXPoint CPattern::cellCorner(const CPatternEntry& entry) const
{
    return CXPoint(wrapMul(cell_.cx, entry.getColumn()), wrapMul(cell_.cy, entry.getRow()));
}

CXRect CPattern::boxOnTarget(const CPatternEntry& entry)
{
    CXPoint corner = GetPosition() + cellCorner(entry);
    return CXRect(corner, corner) + entry.getObject()->getDrawn()->Size();
}

void CPattern::invalidateCell(const CPatternEntry& entry)
{
    CXRect box = boxOnTarget(entry);
    Invalidate(&box);
}

void CPattern::onInvalidate(CGraphicsObject* object, CXRect*)
{
    // Two patterns showing each other would tell each other for ever.
    if (invalidating_)
        return;
    invalidating_ = true;
    for (const auto& [layer, entries] : layerLists_) {
        for (const auto& entry : entries) {
            if (entry->getObject() == object)
                invalidateCell(*entry);
        }
    }
    invalidating_ = false;
}

void CPattern::onDestroy(CGraphicsObject* object)
{
    CGraphicsObject::onDestroy(object);
    remove(object, false);
}

// ---- point searches --------------------------------------------------------------------------

bool CPattern::qualifies(const CPatternEntry& entry, bool includeHidden) const
{
    return !entry.isLocked() && (includeHidden || entry.getObject()->isVisible());
}

bool CPattern::hit(const CPatternEntry& entry, CXPoint local, bool boxOnly, int alphaThreshold) const
{
    CGraphicsObject* drawn = entry.getObject()->getDrawn();
    CXPoint corner = cellCorner(entry);
    if (!(CXRect(corner, corner) + drawn->Size()).IsInRect(local))
        return false;
    if (boxOnly)
        return true;
    int alpha = drawn->GetChannelAlpha() != nullptr ? drawn->GetPixel(CHANNEL_ALPHA, local - corner) : 255;
    return alpha > alphaThreshold;
}

CPatternEntry* CPattern::getEntryAt(int x, int y, int, bool includeHidden, bool boxOnly)
{
    CXPoint local = CXPoint(x, y) - GetPosition();
    CPatternEntry* found = nullptr;
    for (const auto& [layer, entries] : layerLists_) {
        for (const auto& entry : entries) {
            if (!qualifies(*entry, includeHidden) || !hit(*entry, local, boxOnly, 0))
                continue;
            if (boxOnly)
                return entry.get();
            found = entry.get();
        }
    }
    return found;
}

CGraphicsObject* CPattern::getGraphicsObject(int x, int y, bool includeHidden, bool boxOnly, int layer, int alphaThreshold)
{
    CXPoint local = CXPoint(x, y) - GetPosition();
    bool everyLayer = layer < 0 || layer == layers_ - 1;
    for (auto listed = layerLists_.rbegin(); listed != layerLists_.rend(); ++listed) {
        if (!everyLayer && listed->first != layer)
            continue;
        for (const auto& entry : listed->second) {
            if (qualifies(*entry, includeHidden) && hit(*entry, local, boxOnly, alphaThreshold))
                return entry->getObject();
        }
    }
    return nullptr;
}

const CXString* CPattern::getGraphicsObjectAlias(int x, int y, bool includeHidden, bool boxOnly)
{
    CXPoint local = CXPoint(x, y) - GetPosition();
    for (const auto& [layer, entries] : layerLists_) {
        for (const auto& entry : entries) {
            if (qualifies(*entry, includeHidden) && hit(*entry, local, boxOnly, 0))
                return &entry->getAlias();
        }
    }
    return nullptr;
}

// ---- drawing ---------------------------------------------------------------------------------

void CPattern::Redraw()
{
    CGraphicsObject* target = GetDestiny();
    if (target == nullptr || drawing_)
        return;
    drawing_ = true;
    for (const auto& [layer, entries] : layerLists_) {
        for (const auto& entry : entries) {
            if (qualifies(*entry, false))
                drawEntry(*entry, target);
        }
    }
    drawing_ = false;
}

void CPattern::drawEntry(const CPatternEntry& entry, CGraphicsObject* target)
{
    CGraphicsObject* drawn = entry.getObject()->getDrawn();
    CXRect box = boxOnTarget(entry);
    CXRect onTarget = box.Common(CXRect(0, 0, target->Width(), target->Height()));
    if (!hasArea(onTarget))
        return;
    CXRect clip = GetClippingRect();
    if (clip.IsEmpty()) {
        CStamp::draw(drawn, target, box.TopLeft(), drawn->GetClippingRect());
        return;
    }
    CXRect part = box.Common(clip + GetPosition());
    if (hasArea(part))
        CStamp::draw(drawn, target, box.TopLeft(), part - box.TopLeft());
}
