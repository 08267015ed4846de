#include "foundation/CXVersion.h"

#include "foundation/CStringTokenizer.h"

#include <initializer_list>

CXVersion::CXVersion(int type, int major, int minor, int build)
    : type_(type), major_(major), minor_(minor), build_(build)
{
}

CXVersion::CXVersion(const CXString& text) : type_(TYPE_NONE), major_(0), minor_(0), build_(0)
{
    CStringTokenizer pieces(text, ".");
    const bool startsWithWord = static_cast<unsigned char>(text.GetAt(0)) >= 'A';
    if (startsWithWord && pieces.hasMoreTokens())
        type_ = typeOfWord(pieces.nextToken());
    int* numbers[] = {&major_, &minor_, &build_};
    for (int* number : numbers) {
        if (!pieces.hasMoreTokens())
            break;
        *number = pieces.nextToken().toNumber();
    }
}

int CXVersion::typeOfWord(const CXString& word)
{
    if (word == "T")
        return TYPE_TAMZORA;
    if (word == "TW")
        return TYPE_TAMZORA_WEB;
    return TYPE_OTHER;
}

const char* CXVersion::wordOfType(int type)
{
    switch (type) {
    case TYPE_OTHER:
        return "X";
    case TYPE_TAMZORA:
        return "Tamzora";
    default:
        // Type 0 and anything unknown print as the engine's own word.
        return "Tamzora WEB";
    }
}

CXString CXVersion::toString() const
{
    CXString text(wordOfType(type_));
    for (int number : {major_, minor_, build_}) {
        text += '.';
        text += number;
    }
    return text;
}

bool CXVersion::verify(const CXVersion& required) const
{
    if (required.type_ == TYPE_NONE)
        return true;
    if (type_ != TYPE_OTHER && type_ != required.type_)
        return false;
    if (major_ != required.major_)
        return major_ > required.major_;
    return minor_ >= required.minor_;
}

const CXVersion& CXVersion::getCurrentVersion()
{
    static const CXVersion current(TYPE_TAMZORA_WEB, 1, 0, 5);
    return current;
}
