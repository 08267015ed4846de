#pragma once

#include "graphics/CGraphicsObject.h"
#include "graphics/CPatternEntry.h"

#include <compare>
#include <map>
#include <memory>
#include <vector>

// A picture that lays other pictures out on a grid of equal cells, in layers, for board and tile
// scenes. Each occupied cell holds an entry (CPatternEntry) naming a picture, which the pattern
// watches but does not own: it draws every entry's picture at its cell, layer by layer from 0 up
// and within a layer in the order the entries were added, and finds the entry, picture or alias
// under a point. It has no pixels of its own.
//
// The table of cells counts width / cell width columns and height / cell height rows; cells
// outside it (or a layer outside 0 to layers - 1) are refused by every operation that addresses
// a cell. A new grid counts them again; entries outside the new count stay drawn and found, and
// can be removed by alias or picture. Cell sizes below 1 are taken as 1.
//
// A picture shown by the pattern that changes has its cells drawn again; one that is destroyed
// leaves the pattern with all its entries. A locked entry is neither drawn nor found.
//
// Drawn and searched is the picture as it shows now (an animation's current frame), with its
// top-left corner at the corner of its cell.
class CPattern : public CGraphicsObject {
public:
    // A pattern of the size in the pixel format of the window's screen (16 bits without one).
    CPattern(CWindow* window, CXSize size, CXSize cell, int layers);
    // Stops watching every picture and deletes the entries.
    ~CPattern() override;

    CXSize getGrid() const { return cell_; }
    // A new cell size; the table is counted again and the pattern drawn again.
    void setGrid(CXSize cell);
    int getColumns() const { return columns_; }
    int getRows() const { return rows_; }
    int getLayers() const { return layers_; }
    // Moves by the amounts (Move).
    void move(int dx, int dy);

    // The entry in the cell; null when empty or outside the table.
    CPatternEntry* getEntryAtCell(int column, int row, int layer) const;
    // The first entry of that alias, layers from 0 up and each in the order of addition.
    CPatternEntry* getAliasEntry(const CXString& alias) const;
    // The entries of a layer in the order they were added.
    std::vector<CPatternEntry*> getEntries(int layer) const;

    // A new entry in the cell, replacing the one there; nothing for a null picture or a cell
    // outside the table.
    virtual void add(const CXString& alias, int column, int row, int layer, CGraphicsObject* object, int value, const CXString& text);
    // Every entry of the picture leaves; with `deleteObject` the picture is deleted too.
    virtual void remove(CGraphicsObject* object, bool deleteObject);
    // Every entry of the alias, in every layer, leaves.
    virtual void remove(const CXString& alias);
    // The entry of the cell leaves.
    virtual void remove(int column, int row, int layer);
    // Every entry leaves.
    virtual void removeAll();
    // In layer 0 the entry of (column, row) goes `rows` rows down, where it is locked; an entry
    // there before leaves (its picture is not the pattern's to delete). Nothing when either cell
    // is outside the table, the first is empty or `rows` is 0.
    virtual void moveDown(int column, int row, int rows);
    // Locks or unlocks the entries of the cell in every layer.
    virtual void lock(int column, int row, bool locked);
    virtual bool contains(CGraphicsObject* object);
    // The entries of two cells of layer 0 change places. Nothing when a cell is outside the table.
    void _switch(int column1, int row1, int column2, int row2);

    // Point searches: (x, y) on the pattern's target; an entry qualifies when it is not locked
    // and its picture is visible (or includeHidden). With boxOnly its box must hold the point,
    // otherwise its picture must also show a pixel there (alpha above 0, or above the threshold).
    //
    // Layers from 0 up, each in the order of addition: the first entry whose box holds the
    // point with boxOnly, else the last one that shows a pixel there. The third argument is not
    // used.
    CPatternEntry* getEntryAt(int x, int y, int unused, bool includeHidden, bool boxOnly);
    // The picture of the first entry found in the layer, or from the top layer down for a layer
    // below 0 or the top layer itself; null when none.
    virtual CGraphicsObject* getGraphicsObject(int x, int y, bool includeHidden, bool boxOnly, int layer, int alphaThreshold);
    // The alias of the first entry found, layers from 0 up; null when none.
    const CXString* getGraphicsObjectAlias(int x, int y, bool includeHidden, bool boxOnly);

    // Draws every shown entry onto the pattern's target, within the pattern's clipping
    // rectangle when it has one.
    void Redraw() override;
    // A shown picture changed: its cells are drawn again.
    void onInvalidate(CGraphicsObject* object, CXRect* rect) override;
    // A shown picture is being destroyed: its entries leave.
    void onDestroy(CGraphicsObject* object) override;

private:
    struct CellKey {
        int layer;
        int column;
        int row;
        auto operator<=>(const CellKey&) const = default;
    };
    using Layer = std::vector<std::unique_ptr<CPatternEntry>>;

    bool inTable(int column, int row, int layer) const;
    // Where the entry's picture stands: relative to the pattern, or on the target.
    CXPoint cellCorner(const CPatternEntry& entry) const;
    CXRect boxOnTarget(const CPatternEntry& entry);
    void invalidateCell(const CPatternEntry& entry);
    // Takes the entry out of its layer and its cell and deletes it; the picture is no longer
    // watched unless another entry holds it.
    void takeOut(CPatternEntry* entry);
    bool qualifies(const CPatternEntry& entry, bool includeHidden) const;
    // Whether the entry's box (relative to the pattern) holds the point and, unless boxOnly, its
    // picture's alpha there is above the threshold (255 for a picture without alpha).
    bool hit(const CPatternEntry& entry, CXPoint local, bool boxOnly, int alphaThreshold) const;
    void drawEntry(const CPatternEntry& entry, CGraphicsObject* target);

    CXSize cell_;
    int columns_ = 0;
    int rows_ = 0;
    int layers_ = 1;
    // Occupied cells only: a large table costs nothing until it is filled.
    std::map<CellKey, CPatternEntry*> cells_;
    std::map<int, Layer> layerLists_;
    // Set while drawing: a pattern found among its own pictures' pictures draws nothing.
    bool drawing_ = false;
    // Set while passing a picture's change on.
    bool invalidating_ = false;
};
