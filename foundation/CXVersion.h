#pragma once

#include "foundation/CXString.h"

// A version number with a type word: the engine's own version, and the version an application
// requires ("TW.1.0.3"). Types: 0 none, 1 any other word, 2 "T" (Tamzora), 3 "TW" (Tamzora WEB).
class CXVersion {
public:
    enum Type { TYPE_NONE = 0, TYPE_OTHER = 1, TYPE_TAMZORA = 2, TYPE_TAMZORA_WEB = 3 };

    CXVersion(int type, int major, int minor, int build);
    // Parses "word.major.minor.build"; the word is there only when the text starts with a
    // character from 'A' upwards. Missing numbers are 0.
    explicit CXVersion(const CXString& text);

    int getType() const { return type_; }
    int getMajor() const { return major_; }
    int getMinor() const { return minor_; }
    int getBuild() const { return build_; }

    // "Tamzora WEB.1.0.5": the type's word, then the three numbers.
    CXString toString() const;
    // Whether this version satisfies the required one. The build number never matters.
    bool verify(const CXVersion& required) const;

    // The engine's own version, made once and kept for the life of the process.
    static const CXVersion& getCurrentVersion();

private:
    static int typeOfWord(const CXString& word);
    static const char* wordOfType(int type);

    int type_;
    int major_;
    int minor_;
    int build_;
};
