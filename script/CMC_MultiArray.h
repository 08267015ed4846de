#pragma once

#include "script/CMC_Object.h"

#include <vector>

class CXArchive;
class CWindow;

// The MULTIARRAY object: script values in a grid addressed by integer coordinates, which grows
// (each extent doubling) when a value is set beyond it. Only the first two coordinates address a
// cell (c0 + sizes[0] x c1); further ones only make their extents grow. Each coordinate is checked
// against its own extent. The object owns copies of
// its values.
//
// Coordinates come from scripts and are checked: a negative one addresses nothing, a missing
// one counts as 0, and a growth past kMaxCells is refused (the value is not stored).
class CMC_MultiArray : public CMC_Object {
public:
    using Cells = std::vector<CMC_Variable*>;
    using Sizes = std::vector<int>;
    using Coordinates = std::vector<int>;

    static constexpr int kInitialSize = 16;
    // DIMENSIONS is kept within these bounds; a file outside them does not load.
    static constexpr int kMinDimensions = 2;
    static constexpr int kMaxDimensions = 5;
    // No grid grows, or loads, beyond this many cells.
    static constexpr int kMaxCells = 1 << 22;

    CMC_MultiArray(CMC_ObjectsContainer* container, CMElement* element);
    // Two dimensions and no grid yet.
    CMC_MultiArray(CMC_ObjectsContainer* container, const CXString& name);
    ~CMC_MultiArray() override;

    // Stores into a cell of the given table, deleting what the cell held: a copy of the value when
    // `copy` is true, the value itself (taken over) otherwise. Nothing outside the table.
    virtual void set(Cells& cells, const Sizes& sizes, const Coordinates& coordinates, CMC_Variable* value, bool copy);
    // Grows the grid as needed, then stores a copy; false (nothing stored) for a negative
    // coordinate or a growth past kMaxCells.
    virtual bool set(const Coordinates& coordinates, CMC_Variable* value);
    // The stored value; null for an empty cell or coordinates outside the grid.
    virtual CMC_Variable* get(const Coordinates& coordinates);
    // Non-empty cells whose value equals the given one.
    virtual int count(CMC_Variable* value);
    // Nothing: a grid has no INI form.
    virtual void saveINI();
    virtual void loadINI();
    // The extent of a dimension; 0 outside the dimensions or without a grid.
    virtual int getSize(int dimension);
    virtual void save(const CXString& fileName);
    // Replaces the whole grid by the file's; a file that does not open, or whose head is not a
    // grid this object can hold, leaves no grid (reads find it empty; SET makes a fresh one).
    virtual void load(const CXString& fileName);

    // The file's content from an open stream: head, then cells up to the end marker. Reading
    // stops at a bad index or record, keeping the cells read before it.
    void loadFrom(CXArchive* archive);
    void saveTo(CXArchive* archive);

    int getDimensionCount() const { return dimensionCount_; }
    int getCellCount() const { return cellCount_; }

    // Yields no copy: a grid is never cloned.
    CXObject* clone() const override { return nullptr; }
    using CMC_Object::clone;
    CXString toString() const override { return CXString(); }
    CXString** getBehavioursList() override;
    // A grid has no stored form in the scene.
    void serialize(CXArchive*) override {}

private:
    // Grows the extents to hold the coordinates; false when that would pass kMaxCells.
    bool validateSize(const Coordinates& coordinates);
    // Cell index of a (column, row) pair under the given column count.
    static Coordinates getCoords(int index, int columns);
    // The cell index of the coordinates; -1 when negative or outside the grid.
    int getIndex(const Coordinates& coordinates) const;
    static int64_t indexIn(const Sizes& sizes, const Coordinates& coordinates);
    // Deletes what the cell held and keeps `stored` (taken over) in its place.
    static void replaceCell(CMC_Variable*& cell, CMC_Variable* stored);
    void removeAll();
    // A fresh empty grid, every extent kInitialSize, when there is none.
    void ensureGrid();
    void makeGrid(const Sizes& sizes);
    static int64_t productOf(const Sizes& sizes);
    CWindow* window();

    int cellCount_ = 0;
    int dimensionCount_ = 2;
    Cells cells_;
    Sizes sizes_;
};
