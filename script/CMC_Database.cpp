#include "script/CMC_Database.h"

#include "foundation/CFile.h"
#include "foundation/CMElement.h"
#include "foundation/IntegerWrap.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_Structure.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_VariableFactory.h"

#include <algorithm>

namespace {

constexpr int kOpenReadText = CFile::READ | CFile::TEXT;
// "w+t", as the table files have always been written.
constexpr int kOpenWriteText = 14;

// The field's comparison converts the value to the field's type, which gives a pooled value back
// to its pool: each row compares against its own copy, so the caller's value stays intact.
bool fieldEquals(CMC_Variable* field, CMC_Variable* value)
{
    if (field == nullptr || value == nullptr)
        return false;
    CMC_Variable* probe = value->getId() >= 0 ? CMC_VariableFactory::copyVariable(value) : nullptr;
    bool equal = field->equals(probe != nullptr ? probe : value);
    CMC_Object::flush(probe);
    return equal;
}

} // namespace

CMC_Database::CMC_Database(CMC_ObjectsContainer* container, CMElement* definition)
    : CMC_Object(container, definition, script::TYPE_DATABASE)
{
    if (definition != nullptr)
        modelName_ = definition->getPropertyValue("MODEL");
    initializeBehaviours(container, definition);
}

CMC_Database::~CMC_Database()
{
    beginDestruction();
    // The cursor outlives the table in the scene: it must not keep showing rows about to go.
    CMC_Structure* cursor = cursor_.get();
    if (cursor != nullptr && cursor->isMapped())
        cursor->flush();
    for (CMC_Structure* row : rows_)
        destroy(row);
}

CXString** CMC_Database::getBehavioursList()
{
    return makeSignalList({"ONINIT", "ONDONE", "ONSIGNAL"});
}

void CMC_Database::init()
{
    if (CMC_ObjectsContainer* scene = getScene()) {
        model_ = CMC_Structure::from(scene->getObject(modelName_));
        if (!cursor_.isAlive()) {
            auto* cursor = new CMC_Structure(getName() + "_CURSOR");
            cursor->setScene(scene);
            cursor_ = cursor;
            scene->addObject(cursor);
        }
    }
    CMC_Object::init();
}

CWindow* CMC_Database::window()
{
    return CMC_ObjectsContainer::windowOf(getScene());
}

CMC_Structure* CMC_Database::getRow(int index) const
{
    return index >= 0 && index < getRows() ? rows_[static_cast<size_t>(index)] : nullptr;
}

CMC_Structure* CMC_Database::getModel() const
{
    return model_.get();
}

CMC_Structure* CMC_Database::getCursor() const
{
    return cursor_.get();
}

// ---- the cursor -------------------------------------------------------------------------------

void CMC_Database::show(CMC_Structure* row)
{
    shownRow_ = row;
    if (CMC_Structure* cursor = cursor_.get())
        cursor->map(row);
}

void CMC_Database::afterRowsRemoved()
{
    if (shownRow_.isAlive())
        return;
    CMC_Structure* cursor = cursor_.get();
    if (CMC_Structure* row = getRow(cursorPos_))
        show(row);
    else if (cursor != nullptr && cursor->isMapped())
        cursor->flush();
}

void CMC_Database::select(int index)
{
    if (CMC_Structure* row = getRow(index)) {
        cursorPos_ = index;
        show(row);
    }
}

void CMC_Database::next()
{
    cursorPos_ = cursorPos_ == getRows() - 1 ? 0 : foundation::wrapAdd(cursorPos_, 1);
    if (CMC_Structure* row = getRow(cursorPos_))
        show(row);
}

void CMC_Database::prev()
{
    if (cursorPos_ == 0)
        cursorPos_ = getRows();
    cursorPos_ = foundation::wrapAdd(cursorPos_, -1);
    if (CMC_Structure* row = getRow(cursorPos_))
        show(row);
}

int CMC_Database::find(const CXString& fieldName, CMC_Variable* value, int start)
{
    for (int i = std::max(start, 0); i < getRows(); ++i) {
        CMC_Structure* row = rows_[static_cast<size_t>(i)];
        if (fieldEquals(row->getField(fieldName), value)) {
            show(row);
            return i;
        }
    }
    return -1;
}

// ---- rows -------------------------------------------------------------------------------------

void CMC_Database::add(CMC_Structure* structure)
{
    insertAt(getRows(), structure);
}

void CMC_Database::insertAt(int index, CMC_Structure* structure)
{
    if (structure == nullptr || index < 0 || index > getRows())
        return;
    auto* copy = static_cast<CMC_Structure*>(structure->clone());
    copy->setName(CXString());
    rows_.insert(rows_.begin() + index, copy);
}

void CMC_Database::deleteRow(CMC_Structure* row)
{
    std::erase(rows_, row);
    destroy(row);
}

void CMC_Database::remove(const CXString& fieldName, CMC_Variable* value)
{
    std::vector<CMC_Structure*> matching;
    for (CMC_Structure* row : rows_) {
        if (fieldEquals(row->getField(fieldName), value))
            matching.push_back(row);
    }
    for (CMC_Structure* row : matching)
        deleteRow(row);
    afterRowsRemoved();
}

void CMC_Database::removeAt(int index)
{
    if (CMC_Structure* row = getRow(index)) {
        deleteRow(row);
        afterRowsRemoved();
    }
}

void CMC_Database::removeAll()
{
    std::vector<CMC_Structure*> rows;
    rows.swap(rows_);
    for (CMC_Structure* row : rows)
        destroy(row);
    afterRowsRemoved();
}

// ---- files ------------------------------------------------------------------------------------

bool CMC_Database::save(const CXString& fileName)
{
    CFile file(window(), fileName, kOpenWriteText);
    if (file.LastError() != 0)
        return false;
    for (CMC_Structure* row : rows_)
        file.putLine(row->toString() + "\n");
    return file.Close() == 0;
}

bool CMC_Database::load(const CXString& fileName)
{
    CFile file(window(), fileName, kOpenReadText);
    if (file.LastError() != 0)
        return false;
    readRows(&file);
    return true;
}

CXString CMC_Database::readWholeLine(CFile* file)
{
    // getLine stops after LINE_BUFFER - 1 characters; a longer row goes on in the next read.
    CXString line = file->getLine();
    CXString piece = line;
    while (piece.getLength() > 0 && piece.lastChar() != '\n') {
        piece = file->getLine();
        line += piece;
    }
    return line;
}

void CMC_Database::readRows(CFile* file)
{
    CMC_Structure* model = model_.get();
    if (file == nullptr || model == nullptr)
        return;
    for (;;) {
        CXString line = readWholeLine(file);
        if (line.getLength() == 0)
            break;
        auto* row = static_cast<CMC_Structure*>(model->clone());
        row->fromString(line);
        rows_.push_back(row);
    }
    if (getRows() > 0) {
        cursorPos_ = 0;
        show(rows_.front());
    }
}
