#pragma once

#include "foundation/CXObject.h"
#include "foundation/CXString.h"

class CGraphicsObject;

// One occupied cell of a tile pattern: where it lies (column and row of its layer), the name it
// goes by (alias), the picture shown there (not owned), a number and a text that the pattern only
// keeps for its users, and whether it is locked (neither drawn nor found).
class CPatternEntry : public CXObject {
public:
    CPatternEntry(int column, int row, const CXString& alias, CGraphicsObject* object, int value, const CXString& text);

    // Entries order by value: 1 when the other's value is smaller than this one's, else 0.
    int compare(const CXObject* other) const override;

    int getColumn() const { return column_; }
    int getRow() const { return row_; }
    void setCell(int column, int row)
    {
        column_ = column;
        row_ = row;
    }
    const CXString& getAlias() const { return alias_; }
    CGraphicsObject* getObject() const { return object_; }
    int getValue() const { return value_; }
    const CXString& getText() const { return text_; }
    bool isLocked() const { return locked_; }
    void setLocked(bool locked) { locked_ = locked; }

private:
    int column_;
    int row_;
    CXString alias_;
    CGraphicsObject* object_;
    int value_;
    CXString text_;
    bool locked_ = false;
};
