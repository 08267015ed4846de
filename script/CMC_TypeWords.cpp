#include "script/CMC_TypeWords.h"

#include "script/CMC_TypeIds.h"

#include <cstring>

namespace script {
namespace {

struct WordRow {
    int type;
    const char* word; // what getTypeId accepts
    const char* text; // what typeToString gives; null: the decimal number
};

// In the order getTypeId tests them; a few words and texts differ on purpose (STRUCTURE,
// VIRTUAL_GRAPHICSOBJECT, CANVASOBSERVER and the texts with blanks).
const WordRow kWords[] = {
    {TYPE_INTEGER, "INTEGER", "INTEGER"},
    {TYPE_STRING, "STRING", "STRING"},
    {TYPE_BOOL, "BOOL", "BOOL"},
    {TYPE_DOUBLE, "DOUBLE", "DOUBLE"},
    {TYPE_VARIABLE, "VARIABLE", nullptr},
    {TYPE_CONDITION, "CONDITION", "CONDITION"},
    {TYPE_COMPLEXCONDITION, "COMPLEXCONDITION", "COMPLEX CONDITION"},
    {TYPE_EXPRESSION, "EXPRESSION", "EXPRESSION"},
    {TYPE_BEHAVIOUR, "BEHAVIOUR", "BEHAVIOUR"},
    {TYPE_MOUSE, "MOUSE", "MOUSE"},
    {TYPE_KEYBOARD, "KEYBOARD", "KEYBOARD"},
    {TYPE_RANDOM, "RANDOM", "RANDOM"},
    {TYPE_CANVASOBSERVER, "CANVASOBSERVER", "CANVAS OBSERVER"},
    {TYPE_APPLICATION, "APPLICATION", "APPLICATION"},
    {TYPE_EPISODE, "EPISODE", "EPISODE"},
    {TYPE_SCENE, "SCENE", "SCENE"},
    {TYPE_ANIMO, "ANIMO", "ANIMO"},
    {TYPE_BUTTON, "BUTTON", "BUTTON"},
    {TYPE_FONT, "FONT", "FONT"},
    {TYPE_SEQUENCE, "SEQUENCE", "SEQUENCE"},
    {TYPE_SOUND, "SOUND", "SOUND"},
    {TYPE_TEXT, "TEXT", "TEXT"},
    {TYPE_TIMER, "TIMER", "TIMER"},
    {TYPE_IMAGE, "IMAGE", "IMAGE"},
    {TYPE_EDITBOX, "EDITBOX", nullptr},
    {TYPE_NETPEER, "NETPEER", "NETPEER"},
    {TYPE_NETSERVER, "NETSERVER", nullptr},
    {TYPE_NETCLIENT, "NETCLIENT", nullptr},
    {TYPE_DIALOG, "DIALOG", "DIALOG"},
    {TYPE_FILTER, "FILTER", "FILTER"},
    {TYPE_STATICFILTER, "STATICFILTER", nullptr},
    {TYPE_VECTOR, "VECTOR", nullptr},
    {TYPE_PATH, "PATH", nullptr},
    {TYPE_FIFO, "FIFO", nullptr},
    {TYPE_LIFO, "LIFO", nullptr},
    {TYPE_CANVAS, "CANVAS", nullptr},
    {TYPE_PATTERN, "PATTERN", nullptr},
    {TYPE_SCROLL, "SCROLL", nullptr},
    {TYPE_GROUP, "GROUP", nullptr},
    {TYPE_ARRAY, "ARRAY", "ARRAY"},
    {TYPE_STRUCTURE, "STRUCTURE", nullptr},
    {TYPE_DATABASE, "DATABASE", nullptr},
    {TYPE_CLASS, "CLASS", nullptr},
    {TYPE_VIRTUAL_GRAPHICSOBJECT, "VIRTUAL_GRAPHICSOBJECT", nullptr},
    {TYPE_MULTIARRAY, "MULTIARRAY", nullptr},
    {TYPE_KOLOROWANKA, "KOLOROWANKA", nullptr},
    {TYPE_MATRIX, "MATRIX", nullptr},
    {TYPE_SWF, "SWF", nullptr},
};

} // namespace

int typeIdOfWord(const CXString& word)
{
    for (const WordRow& row : kWords) {
        if (word == row.word)
            return row.type;
    }
    return -1;
}

CXString textOfTypeId(int type)
{
    for (const WordRow& row : kWords) {
        if (row.type == type && row.text != nullptr)
            return CXString(row.text);
    }
    return CXString::toString(type);
}

} // namespace script
