#include "script/CMC_MultiArray.h"

#include "foundation/CMElement.h"
#include "foundation/CXArchive.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_Variable.h"
#include "script/CMC_VariableFactory.h"
#include "script/DataFile.h"
#include "script/OwnedValue.h"

#include <algorithm>

namespace {

int boundedDimensions(int dimensions)
{
    return std::clamp(dimensions, CMC_MultiArray::kMinDimensions, CMC_MultiArray::kMaxDimensions);
}

} // namespace

CMC_MultiArray::CMC_MultiArray(CMC_ObjectsContainer* container, CMElement* element)
    : CMC_Object(container, element, script::TYPE_MULTIARRAY)
{
    dimensionCount_ = boundedDimensions(element != nullptr ? element->getPropertyIntValue("DIMENSIONS") : 0);
    ensureGrid();
    initializeBehaviours(container, element);
}

CMC_MultiArray::CMC_MultiArray(CMC_ObjectsContainer* container, const CXString& name)
    : CMC_Object(name, script::TYPE_MULTIARRAY)
{
    setScene(container);
}

CMC_MultiArray::~CMC_MultiArray()
{
    beginDestruction();
    removeAll();
}

CXString** CMC_MultiArray::getBehavioursList()
{
    return makeSignalList({"ONINIT", "ONDONE", "ONSIGNAL"});
}

// ---- grid -------------------------------------------------------------------------------------

int64_t CMC_MultiArray::productOf(const Sizes& sizes)
{
    int64_t product = sizes.empty() ? 0 : 1;
    for (int size : sizes) {
        product *= size;
        if (product > kMaxCells)
            return int64_t{kMaxCells} + 1;
    }
    return product;
}

void CMC_MultiArray::makeGrid(const Sizes& sizes)
{
    removeAll();
    sizes_ = sizes;
    dimensionCount_ = static_cast<int>(sizes.size());
    cellCount_ = static_cast<int>(productOf(sizes));
    cells_.assign(static_cast<size_t>(cellCount_), nullptr);
}

void CMC_MultiArray::ensureGrid()
{
    if (sizes_.empty())
        makeGrid(Sizes(static_cast<size_t>(dimensionCount_), kInitialSize));
}

void CMC_MultiArray::removeAll()
{
    Cells gone;
    gone.swap(cells_);
    sizes_.clear();
    cellCount_ = 0;
    for (CMC_Variable* value : gone)
        CMC_Object::destroy(value);
}

int64_t CMC_MultiArray::indexIn(const Sizes& sizes, const Coordinates& coordinates)
{
    if (sizes.empty())
        return -1;
    // Each coordinate stays within its own extent, or a column past the end would address the
    // next row's cell.
    for (size_t i = 0; i < sizes.size() && i < coordinates.size(); ++i) {
        if (coordinates[i] < 0 || coordinates[i] >= sizes[i])
            return -1;
    }
    int64_t column = !coordinates.empty() ? coordinates[0] : 0;
    int64_t row = coordinates.size() > 1 ? coordinates[1] : 0;
    return column + int64_t{sizes[0]} * row;
}

int CMC_MultiArray::getIndex(const Coordinates& coordinates) const
{
    const int64_t index = indexIn(sizes_, coordinates);
    return index >= 0 && index < cellCount_ ? static_cast<int>(index) : -1;
}

CMC_MultiArray::Coordinates CMC_MultiArray::getCoords(int index, int columns)
{
    return Coordinates{index % columns, index / columns};
}

bool CMC_MultiArray::validateSize(const Coordinates& coordinates)
{
    Sizes grown = sizes_;
    bool grew = false;
    for (size_t i = 0; i < grown.size() && i < coordinates.size(); ++i) {
        int64_t size = grown[i];
        while (coordinates[i] >= size && size <= kMaxCells)
            size *= 2;
        if (size > kMaxCells)
            return false;
        grew = grew || size != grown[i];
        grown[i] = static_cast<int>(size);
    }
    if (!grew)
        return true;
    const int64_t cellCount = productOf(grown);
    if (cellCount > kMaxCells)
        return false;
    // Every value keeps its first two coordinates.
    Cells moved(static_cast<size_t>(cellCount), nullptr);
    for (int j = 0; j < cellCount_; ++j) {
        if (cells_[static_cast<size_t>(j)] == nullptr)
            continue;
        const int64_t index = indexIn(grown, getCoords(j, sizes_[0]));
        if (index >= 0 && index < cellCount)
            std::swap(moved[static_cast<size_t>(index)], cells_[static_cast<size_t>(j)]);
    }
    for (CMC_Variable* left : cells_)
        CMC_Object::destroy(left);
    cells_.swap(moved);
    sizes_ = grown;
    cellCount_ = static_cast<int>(cellCount);
    return true;
}

void CMC_MultiArray::set(Cells& cells, const Sizes& sizes, const Coordinates& coordinates, CMC_Variable* value, bool copy)
{
    const int64_t index = indexIn(sizes, coordinates);
    if (index < 0 || index >= static_cast<int64_t>(cells.size())) {
        if (!copy)
            CMC_Object::destroy(value);
        return;
    }
    replaceCell(cells[static_cast<size_t>(index)], copy ? script::ownedCopy(value) : value);
}

void CMC_MultiArray::replaceCell(CMC_Variable*& cell, CMC_Variable* stored)
{
    std::swap(cell, stored);
    CMC_Object::destroy(stored);
}

bool CMC_MultiArray::set(const Coordinates& coordinates, CMC_Variable* value)
{
    for (int coordinate : coordinates) {
        if (coordinate < 0)
            return false;
    }
    ensureGrid();
    if (!validateSize(coordinates))
        return false;
    set(cells_, sizes_, coordinates, value, true);
    return true;
}

CMC_Variable* CMC_MultiArray::get(const Coordinates& coordinates)
{
    const int index = getIndex(coordinates);
    return index >= 0 ? cells_[static_cast<size_t>(index)] : nullptr;
}

int CMC_MultiArray::count(CMC_Variable* value)
{
    if (value == nullptr)
        return 0;
    int found = 0;
    for (CMC_Variable* stored : cells_) {
        if (stored != nullptr && stored->equals(value))
            ++found;
    }
    return found;
}

int CMC_MultiArray::getSize(int dimension)
{
    if (dimension < 0 || dimension >= static_cast<int>(sizes_.size()))
        return 0;
    return sizes_[static_cast<size_t>(dimension)];
}

void CMC_MultiArray::saveINI()
{
}

void CMC_MultiArray::loadINI()
{
}

// ---- file -------------------------------------------------------------------------------------

CWindow* CMC_MultiArray::window()
{
    return CMC_ObjectsContainer::windowOf(getScene());
}

void CMC_MultiArray::save(const CXString& fileName)
{
    script::writeDataFile(window(), fileName, [this](CXArchive* archive) { saveTo(archive); });
}

void CMC_MultiArray::saveTo(CXArchive* archive)
{
    ensureGrid();
    *archive << dimensionCount_;
    for (int size : sizes_)
        *archive << size;
    for (int i = 0; i < cellCount_; ++i) {
        if (CMC_Variable* value = cells_[static_cast<size_t>(i)]) {
            *archive << i;
            value->store(archive);
        }
    }
    *archive << cellCount_;
}

void CMC_MultiArray::load(const CXString& fileName)
{
    removeAll();
    script::readDataFile(window(), fileName, [this](CXArchive* archive) { loadFrom(archive); });
}

void CMC_MultiArray::loadFrom(CXArchive* archive)
{
    removeAll();
    int dimensions = 0;
    *archive >> &dimensions;
    if (archive->LastError() != 0 || dimensions < kMinDimensions || dimensions > kMaxDimensions)
        return;
    Sizes sizes(static_cast<size_t>(dimensions), 0);
    for (int& size : sizes) {
        *archive >> &size;
        if (archive->LastError() != 0 || size < 1)
            return;
    }
    if (productOf(sizes) > kMaxCells)
        return;
    makeGrid(sizes);
    for (int i = 0; i < cellCount_; ++i) {
        int index = -1;
        *archive >> &index;
        // The end marker is the cell count; a negative index or a cut file ends the reading too.
        if (archive->LastError() != 0 || index < 0 || index >= cellCount_)
            return;
        CMC_Variable* value = CMC_VariableFactory::restore(archive);
        if (value == nullptr)
            return;
        const bool whole = archive->LastError() == 0;
        if (whole)
            replaceCell(cells_[static_cast<size_t>(index)], script::ownedCopy(value));
        CMC_Object::flush(value);
        if (!whole)
            return;
    }
}
