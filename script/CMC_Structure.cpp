#include "script/CMC_Structure.h"

#include "foundation/CMElement.h"
#include "foundation/CStringTokenizer.h"
#include "foundation/CXArchive.h"
#include "script/CMC_Bool.h"
#include "script/CMC_Double.h"
#include "script/CMC_Integer.h"
#include "script/CMC_String.h"
#include "script/CMC_TypeIds.h"

#include <algorithm>

CMC_Structure::CMC_Structure(const CXString& name) : CMC_Variable(name, script::TYPE_STRUCTURE)
{
}

CMC_Structure::CMC_Structure(CMC_ObjectsContainer* container, CMElement* definition)
    : CMC_Variable(container, definition, script::TYPE_STRUCTURE, false)
{
    if (definition != nullptr)
        declareFromList(definition->getPropertyValue("FIELDS"));
    initializeBehaviours(container, definition);
}

CMC_Structure::~CMC_Structure()
{
    beginDestruction();
    flush();
}

CMC_Structure* CMC_Structure::from(CMC_Object* object)
{
    return object != nullptr && object->getType() == script::TYPE_STRUCTURE ? dynamic_cast<CMC_Structure*>(object) : nullptr;
}

CXString CMC_Structure::fieldNameOf(const CXString& variableName)
{
    int underscore = variableName.FindLast('_');
    return underscore < 0 ? variableName : variableName.Right(underscore + 1);
}

CXString** CMC_Structure::getBehavioursList()
{
    return makeSignalList({"ONINIT", "ONDONE", "ONSIGNAL"});
}

// ---- fields -----------------------------------------------------------------------------------

void CMC_Structure::declareFromList(const CXString& list)
{
    CStringTokenizer items(list, ",");
    while (items.hasMoreTokens()) {
        CXString item = items.nextToken();
        int open = item.Find('<');
        int close = item.Find('>');
        if (open < 0 || close < open)
            continue;
        declare(getName() + "_" + item.Left(open), item.Mid(open + 1, close));
    }
}

void CMC_Structure::declare(const CXString& name, const CXString& type)
{
    CMC_Variable* field = nullptr;
    if (type.equalsIgnoreCase("BOOL"))
        field = new CMC_Bool(name);
    else if (type.equalsIgnoreCase("DOUBLE"))
        field = new CMC_Double(name);
    else if (type.equalsIgnoreCase("INTEGER"))
        field = new CMC_Integer(name);
    else if (type.equalsIgnoreCase("STRING"))
        field = new CMC_String(name);
    if (field != nullptr)
        fields_.push_back(Field{field, true});
}

void CMC_Structure::map(CMC_Structure* other)
{
    flush();
    if (other == nullptr || other == this)
        return;
    for (int i = 0; i < other->getFieldsNo(); ++i)
        fields_.push_back(Field{other->getField(i), false});
    mapped_ = true;
}

void CMC_Structure::flush()
{
    std::vector<Field> fields;
    fields.swap(fields_);
    for (const Field& field : fields) {
        if (field.owned)
            destroy(field.variable.get());
    }
    mapped_ = false;
}

CMC_Variable* CMC_Structure::getField(int index) const
{
    if (index < 0 || index >= getFieldsNo())
        return nullptr;
    return fields_[static_cast<size_t>(index)].variable.get();
}

CMC_Variable* CMC_Structure::getField(const CXString& name) const
{
    for (const Field& field : fields_) {
        CMC_Variable* variable = field.variable.get();
        if (variable != nullptr && fieldNameOf(variable->getName()) == name)
            return variable;
    }
    return nullptr;
}

void CMC_Structure::setField(int index, CMC_Variable* value)
{
    if (CMC_Variable* field = getField(index))
        field->set(value);
}

void CMC_Structure::setField(const CXString& name, CMC_Variable* value)
{
    if (CMC_Variable* field = getField(name))
        field->set(value);
}

// ---- the value --------------------------------------------------------------------------------

CXObject* CMC_Structure::clone() const
{
    auto* copy = new CMC_Structure(getName());
    for (const Field& field : fields_) {
        CMC_Variable* variable = field.variable.get();
        if (variable == nullptr)
            continue;
        copy->declare(variable->getName(), typeToString(variable->getType()));
        if (CMC_Variable* copied = copy->getField(copy->getFieldsNo() - 1))
            copied->set(variable);
    }
    return copy;
}

CXString CMC_Structure::toString() const
{
    CXString text;
    for (size_t i = 0; i < fields_.size(); ++i) {
        if (i > 0)
            text += "|";
        if (CMC_Variable* variable = fields_[i].variable.get())
            text += variable->toString();
    }
    return text;
}

void CMC_Structure::fromString(const CXString& text)
{
    int length = text.getLength();
    if (length > 0 && text.GetAt(length - 1) == '\n')
        --length;
    if (length == 0)
        return;
    // Pieces are cut by hand rather than by the tokenizer: it merges runs of separators, which
    // would move every field after an empty one up by one place.
    int field = 0;
    int start = 0;
    for (int i = 0; i <= length && field < getFieldsNo(); ++i) {
        if (i < length && text.GetAt(i) != '|' && text.GetAt(i) != '\n')
            continue;
        if (CMC_Variable* variable = getField(field))
            variable->fromString(text.Mid(start, i));
        ++field;
        start = i + 1;
    }
}

void CMC_Structure::set(CMC_Variable* other)
{
    CMC_Structure* source = from(other);
    if (source == nullptr)
        return;
    int count = std::min(getFieldsNo(), source->getFieldsNo());
    for (int i = 0; i < count; ++i)
        setField(i, source->getField(i));
}

bool CMC_Structure::equals(CMC_Variable* other)
{
    CMC_Structure* source = from(other);
    if (source == nullptr)
        return false;
    int count = std::min(getFieldsNo(), source->getFieldsNo());
    for (int i = 0; i < count; ++i) {
        CMC_Variable* mine = getField(i);
        CMC_Variable* theirs = source->getField(i);
        if (mine == nullptr || theirs == nullptr || !mine->equals(theirs))
            return false;
    }
    return true;
}

void CMC_Structure::clear()
{
    for (int i = 0; i < getFieldsNo(); ++i) {
        if (CMC_Variable* field = getField(i))
            field->clear();
    }
}

void CMC_Structure::setDefault(CMC_Variable* value)
{
    for (int i = 0; i < getFieldsNo(); ++i) {
        if (CMC_Variable* field = getField(i))
            field->setDefault(value);
    }
}

void CMC_Structure::resetINI()
{
    for (int i = 0; i < getFieldsNo(); ++i) {
        if (CMC_Variable* field = getField(i))
            field->resetINI();
    }
}

void CMC_Structure::swap(CMC_Variable*, CMC_Variable*)
{
}

void CMC_Structure::inc()
{
}

void CMC_Structure::dec()
{
}

int CMC_Structure::compare(CMC_Variable*)
{
    return 0;
}

CMC_Variable* CMC_Structure::convert(int)
{
    return nullptr;
}

CMC_Variable* CMC_Structure::calculate(CMC_Variable*, int)
{
    return this;
}

// ---- stored forms -----------------------------------------------------------------------------

int CMC_Structure::getBufferLen()
{
    return 0;
}

void CMC_Structure::netstore(uint8_t*)
{
}

bool CMC_Structure::netrestore(const uint8_t*, int)
{
    return false;
}

void CMC_Structure::store(CXArchive* archive)
{
    for (int i = 0; i < getFieldsNo(); ++i) {
        if (CMC_Variable* field = getField(i))
            field->store(archive);
    }
}

void CMC_Structure::restore(CXArchive* archive)
{
    // Each field's record starts with its type, which the field's own restore does not read.
    for (int i = 0; i < getFieldsNo(); ++i) {
        CMC_Variable* field = getField(i);
        if (field == nullptr)
            continue;
        int type = 0;
        *archive >> &type;
        if (archive->LastError() != 0 || type != field->getType())
            return;
        field->restore(archive);
    }
}
