#pragma once

#include "script/CMC_Variable.h"

#include <vector>

// The STRUCTURE value: an ordered list of typed fields (INTEGER, DOUBLE, BOOL and STRING
// variables) that scripts set as a whole, set and read one by one by name or position, and write
// as text (the field texts joined by "|"). Each field variable is named after the structure, "_"
// and the field's own name, and lives in no container; a field is found by the part of its name
// after the last "_".
//
// A structure owns the fields it declares. A mapped structure (the cursor of a DATABASE) holds
// another structure's very field variables instead, so reading or writing them reads or writes
// that structure; it never deletes them, and a borrowed field that dies reads as missing.
class CMC_Structure : public CMC_Variable {
public:
    explicit CMC_Structure(const CXString& name);
    // FIELDS is a comma list of NAME<TYPE> items; an item without both brackets declares nothing.
    CMC_Structure(CMC_ObjectsContainer* container, CMElement* definition);
    ~CMC_Structure() override;

    // The structure the object is, or null.
    static CMC_Structure* from(CMC_Object* object);
    // The field's own name: what follows the last "_" of a field variable's name.
    static CXString fieldNameOf(const CXString& variableName);

    // Appends a new field of the type word BOOL, DOUBLE, INTEGER or STRING (any letter case),
    // named `name`; any other word declares nothing.
    void declare(const CXString& name, const CXString& type);
    // Drops the own fields and shows the other structure's field variables from now on.
    void map(CMC_Structure* other);
    bool isMapped() const { return mapped_; }

    int getFieldsNo() const { return static_cast<int>(fields_.size()); }
    // Null for a position or name no field has (and for a borrowed field that no longer exists).
    CMC_Variable* getField(int index) const;
    CMC_Variable* getField(const CXString& name) const;
    // set() on the field; nothing when there is no such field.
    void setField(int index, CMC_Variable* value);
    void setField(const CXString& name, CMC_Variable* value);

    // A structure of the same name with the same fields (own ones) holding the same values.
    CXObject* clone() const override;
    using CMC_Object::clone;
    CXString toString() const override;
    // Deletes the own fields and empties the list; a mapped structure only lets go of the
    // borrowed ones.
    void flush() override;
    using CMC_Object::flush;
    // Field i takes the other structure's field i, for the fields both have.
    void set(CMC_Variable* other) override;
    void clear() override;
    void swap(CMC_Variable* a, CMC_Variable* b) override;
    void inc() override;
    void dec() override;
    // Another STRUCTURE whose fields equal these, over the fields both have.
    bool equals(CMC_Variable* other) override;
    using CMC_Variable::equals;
    int compare(CMC_Variable* other) override;
    using CMC_Variable::compare;
    // A structure converts to nothing.
    CMC_Variable* convert(int type) override;
    // The structure itself.
    CMC_Variable* calculate(CMC_Variable* operand, int operation) override;
    void setDefault(CMC_Variable* value) override;
    void resetINI() override;
    // No network form.
    int getBufferLen() override;
    void netstore(uint8_t* buffer) override;
    bool netrestore(const uint8_t* buffer, int length) override;
    // Each field's value record in order (type identifier, then value).
    void store(CXArchive* archive) override;
    // Reads the records store wrote; stops at a record of another type than its field.
    void restore(CXArchive* archive) override;
    // The field texts between "|" (or line feed) separators, in order, into the fields; an empty
    // piece stays a field, so a text written by toString reads back into the fields it came
    // from. Pieces beyond the last field are ignored; fields beyond the last piece keep their
    // values; an empty text changes nothing.
    void fromString(const CXString& text) override;
    CXString** getBehavioursList() override;

private:
    struct Field {
        CMC_Ref<CMC_Variable> variable;
        bool owned;
    };

    void declareFromList(const CXString& list);

    std::vector<Field> fields_;
    bool mapped_ = false;
};
