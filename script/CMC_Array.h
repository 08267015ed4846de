#pragma once

#include "script/CMC_Object.h"
#include "script/CValueList.h"

#include <vector>

class CConfig;
class CMC_String;
class CXArchive;
class CXArray;
class CWindow;

// The ARRAY object: an ordered list of script values that the array owns. Whatever is handed in
// is copied (the variable's clone) and the copy is stored; the array deletes an element when it
// removes or replaces it and when it dies. Each element keeps its own type and every operation on
// it uses that element's own variable operations.
//
// Changes raise "ONCHANGED^i" (falling back to "ONCHANGED") only when SENDONCHANGE is on and a
// handler was bound for ONCHANGED. Handlers may change or delete the array: every loop here
// re-reads the size and stops once the array is gone.
//
// Indices are checked everywhere: an index outside the elements touches nothing.
class CMC_Array : public CMC_Object, public CValueList {
public:
    // Index of ONCHANGED in the signal list.
    static constexpr int kSignalOnChanged = 3;
    // Appending methods driven by a script count (ADDCLONES, FILL) append at most this many.
    static constexpr int kMaxAppendPerCall = 65536;

    CMC_Array(CMC_ObjectsContainer* container, CMElement* element);
    // An empty array without handlers (the scene archive reads the rest).
    CMC_Array(CMC_ObjectsContainer* container, const CXString& name);
    ~CMC_Array() override;

    // The stored element itself; null outside the elements.
    virtual CMC_Variable* get(int index);
    // Appends a copy.
    void add(CMC_Variable* value) override;
    // Appends a new STRING "name_k" for k from first to last.
    virtual void addClones(const CXString& name, int first, int last);
    // Inserts a copy before the index (0 to size); nothing elsewhere.
    virtual void insertAt(int index, CMC_Variable* value);
    // Replaces the element at the index by a copy; nothing outside the elements.
    virtual void changeAt(int index, CMC_Variable* value);
    virtual void removeAt(int index);
    // Deletes every element; the marker stays.
    virtual void removeAll();
    // Removes the first element equal to the value.
    virtual void remove(CMC_Variable* value);
    virtual bool contains(CMC_Variable* value);
    // First / last index of an element equal to the value; -1 when none.
    virtual int find(CMC_Variable* value);
    virtual int reversefind(CMC_Variable* value);
    // The indices of every equal element, ascending, into `out` (emptied first); their number.
    virtual int findAll(CMC_Variable* value, std::vector<int>& out);
    // The text form into the game's INI file (section: the container's name, key: the array's).
    virtual void saveINI();
    // Reads that key back as STRING elements; no change signal. Nothing without a configuration.
    virtual void loadINI();
    virtual int getSize();
    // Moves the marker by the step with wrap-around and gives the element there (stored, not a
    // copy); null and the marker unchanged on an empty array. Any step works, negative ones too.
    virtual CMC_Variable* prev(int step);
    virtual CMC_Variable* next(int step);
    virtual void resetMarker();
    virtual int getMarkerPos();
    // Clamped to -1 .. size - 1.
    virtual void setMarkerPos(int position);
    // Every element combined with the value.
    virtual void sum(CMC_Variable* value);
    virtual void sub(CMC_Variable* value);
    virtual void mul(CMC_Variable* value);
    virtual void div(CMC_Variable* value);
    // Elements first..last combined with the object the container finds under the variable's
    // name; the range is cut to the elements.
    virtual void suma(CMC_String* variable, int first, int last);
    virtual void suba(CMC_String* variable, int first, int last);
    virtual void mula(CMC_String* variable, int first, int last);
    virtual void diva(CMC_String* variable, int first, int last);
    // One element combined with the value; nothing outside the elements.
    virtual void mulat(int index, CMC_Variable* value);
    virtual void divat(int index, CMC_Variable* value);
    virtual void addat(int index, CMC_Variable* value);
    virtual void subat(int index, CMC_Variable* value);
    virtual void modat(int index, CMC_Variable* value);
    virtual void swap(int first, int second);
    // Stable: equal elements keep their order ascending and come out reversed descending.
    virtual void sort(bool ascending);
    // The array file: removes every element first, then appends the file's values.
    virtual void load(const CXString& fileName);
    virtual void save(const CXString& fileName);
    virtual bool compareArr(CMC_Array* other);

    // The array file's content from an open stream (count, then value records): reading stops
    // at a record of an unknown type or one cut short, keeping the values read before it.
    void loadFrom(CXArchive* archive);
    void saveTo(CXArchive* archive);

    // Moves every element one place; the element pushed off the end comes back in at the other
    // end, reset to its type's zero ("NULL" for a STRING) by a shift and unchanged by a rotation.
    void shiftLeft();
    void shiftRight();
    void rotateLeft();
    void rotateRight();
    // The element list (the array keeps owning the elements).
    CXArray* getElements() { return elements_; }
    bool isSendingOnChange() const { return sendOnChange_; }
    void setSendOnChange(bool send) { sendOnChange_ = send; }

    // The texts of the elements joined by ",".
    CXString toString() const override;
    // A new array named "cloned" in the same container with a copy of every element.
    CXObject* clone() const override;
    using CMC_Object::clone;
    CXString** getBehavioursList() override;
    // The base part and SENDONCHANGE; the elements are not stored.
    void serialize(CXArchive* archive) override;

private:
    // Raises the change signal for the index; false when the array died in a handler.
    bool onChanged(int index);
    // The change signal for every index; false when the array died.
    bool onChangedEverywhere();
    // Element op value stored into the element, then the change signal; false when the array died.
    bool combineAt(int index, CMC_Variable* value, int operation);
    void combineAll(CMC_Variable* value, int operation);
    void combineRange(CMC_String* variable, int first, int last, int operation);
    void appendOwned(CMC_Variable* element);
    // Takes the first (leftward) or last element round to the other end, reset to its type's zero
    // when asked, then signals every index.
    void moveRound(bool leftward, bool reset);
    // The marker moved by `step` and wrapped into the elements.
    CMC_Variable* moveMarker(int64_t step);
    CConfig* gameConfig();
    CWindow* window();

    CXArray* elements_;
    int marker_ = -1;
    bool sendOnChange_ = false;
};
