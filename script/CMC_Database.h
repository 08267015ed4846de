#pragma once

#include "script/CMC_Object.h"

#include <vector>

class CFile;
class CMC_Structure;
class CMC_Variable;
class CWindow;

// The DATABASE: a table of rows, each a STRUCTURE copied from a model structure (MODEL), with a
// cursor over them. The cursor is a STRUCTURE object of the scene named after the database and
// "_CURSOR" that shows the current row's own field variables, so reading or writing the cursor's
// fields reads or writes the row. Tables are saved as text, one row per line (the field texts
// joined by "|"), and loading appends.
//
// The database owns its rows. A row that leaves the table is deleted; when it was the row the
// cursor showed, the cursor moves to the row now at the cursor position, or shows no fields when
// the position lies outside the table.
class CMC_Database : public CMC_Object {
public:
    CMC_Database(CMC_ObjectsContainer* container, CMElement* definition);
    ~CMC_Database() override;

    // Finds the model in the scene and adds the cursor to it; then ONINIT.
    void init() override;
    CXString** getBehavioursList() override;

    // Appends (inserts) a copy of the structure with an empty name. Positions outside
    // [0, rows] insert nothing.
    void add(CMC_Structure* structure);
    void insertAt(int index, CMC_Structure* structure);
    // Deletes every row whose field of that name equals the value (the field's own comparison).
    void remove(const CXString& fieldName, CMC_Variable* value);
    // Nothing for a position outside the table.
    void removeAt(int index);
    void removeAll();
    // The first row from `start` on whose field equals the value, shown by the cursor (the cursor
    // position stays); -1 when none.
    int find(const CXString& fieldName, CMC_Variable* value, int start);
    // Moves the cursor onto that row; nothing outside the table.
    void select(int index);
    // One row on or back, wrapping at the ends; the cursor shows the row when there is one.
    void next();
    void prev();
    int getRows() const { return static_cast<int>(rows_.size()); }
    int getCursorPos() const { return cursorPos_; }
    CMC_Structure* getRow(int index) const;
    CMC_Structure* getModel() const;
    CMC_Structure* getCursor() const;

    // Appends the rows of a text file; false (table unchanged) when it does not open.
    bool load(const CXString& fileName);
    // Writes every row as a line (text mode: lines end with CR LF); false when the file does not
    // open.
    bool save(const CXString& fileName);
    // Appends one row per line of an open file, each a copy of the model that takes the line's
    // field texts; a blank line gives the model's values. Lines of any length are read whole.
    // Nothing without a model. Then the cursor shows the first row.
    void readRows(CFile* file);

private:
    CWindow* window();
    void show(CMC_Structure* row);
    void deleteRow(CMC_Structure* row);
    // After rows left the table: a cursor that showed one of them moves to the row at its
    // position, or shows nothing.
    void afterRowsRemoved();
    static CXString readWholeLine(CFile* file);

    CXString modelName_;
    CMC_Ref<CMC_Structure> model_;
    int cursorPos_ = 0;
    CMC_Ref<CMC_Structure> cursor_;
    CMC_Ref<CMC_Structure> shownRow_;
    std::vector<CMC_Structure*> rows_;
};
