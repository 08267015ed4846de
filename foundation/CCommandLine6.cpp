#include "foundation/CCommandLine6.h"

#include <cstddef>

// No maker's server is known to this build: the default lies under a reserved domain that never
// resolves, so a web install without "-server" fails plainly instead of fetching from a stranger.
const char* const CCommandLine6::DefaultServer = "http://games.tamzora.invalid/";

CCommandLine6::CCommandLine6(const CXString& text) : serverAddress_(DefaultServer)
{
    split(text);
    readOptions();
}

CCommandLine6::~CCommandLine6() = default;

void CCommandLine6::split(const CXString& text)
{
    const char* characters = text.c_str();
    int length = text.getLength();
    int start = 0;
    while (start < length) {
        while (start < length && characters[start] == ' ')
            ++start;
        int end = start;
        while (end < length && characters[end] != ' ')
            ++end;
        if (end > start)
            words_.push_back(text.Mid(start, end));
        start = end;
    }
}

void CCommandLine6::readOptions()
{
    struct Flag {
        const char* name;
        bool* field;
        bool value;
    };
    const Flag flags[] = {
        {"nomusic", &music_, false},      {"nosound", &sound_, false},
        {"window", &window_, true},       {"nogfx", &graphics_, true},
        {"hdd", &hardDisk_, true},        {"server", &server_, true},
        {"client", &client_, true},       {"pf", &pageFlipping_, true},
        {"code", &code_, true},           {"decode", &decode_, true},
        {"remove", &remove_, true},       {"vmem", &videoMemory_, true},
        {"cheat", &cheat_, true},         {"wyrtomelak", &cheat_, true},
        {"2bin", &storeCompiled_, true},  {"forceCNV", &forceDefinitions_, true},
        {"debug", &debug_, true},         {"bigfile", &createBigFile_, true},
        {"log", &log_, true},             {"params", &runWithParams_, true},
        {"noframe", &noFrame_, true},
    };
    for (const Flag& flag : flags) {
        if (findToken(flag.name))
            *flag.field = flag.value;
    }
    readResolution();
    if (findToken("path"))
        path_ = getNextToken("path");
    if (findToken("game")) {
        game_ = getNextToken("game");
        path_ = game_;
    }
    if (findToken("delay"))
        delay_ = getNextToken("delay").toNumber();
    if (findToken("pack")) {
        packFolder_ = path_;
        packFile_ = path_ + ".pik";
        if (findToken("file"))
            packFile_ = getNextToken("file");
    }
    if (findToken("player"))
        player_ = getNextToken("player");
    if (server_)
        serverAddress_ = getNextToken("server");
}

// The height is the word right after the width word (not after the first word that happens to
// equal the width text, which could be an earlier word).
void CCommandLine6::readResolution()
{
    if (!findToken("res"))
        return;
    int option = findValueWord("res");
    CXString width = wordAt(option + 1);
    if (!width.IsString())
        return;
    width_ = width.toNumber();
    CXString height = wordAt(option + 2);
    if (height.IsString())
        height_ = height.toNumber();
}

CXString CCommandLine6::getFullName() const
{
    return getParameter("fullname").Replace('_', ' ');
}

CXString CCommandLine6::getVersion() const
{
    return getParameter("version");
}

bool CCommandLine6::isParameter(const CXString& name) const
{
    return findToken(name);
}

CXString CCommandLine6::getParameter(const CXString& name) const
{
    return findToken(name) ? getNextToken(name) : CXString();
}

int CCommandLine6::findValueWord(const CXString& name) const
{
    CXString dashed = "-" + name;
    CXString slashed = "/" + name;
    for (std::size_t i = 0; i < words_.size(); ++i) {
        const CXString& word = words_[i];
        if (word.equals(dashed) || word.equals(slashed) || word.equals(name))
            return static_cast<int>(i);
    }
    return -1;
}

bool CCommandLine6::findToken(const CXString& name) const
{
    CXString dashed = "-" + name;
    CXString slashed = "/" + name;
    for (const CXString& word : words_) {
        if (word.equals(dashed) || word.equals(slashed))
            return true;
    }
    return false;
}

CXString CCommandLine6::getNextToken(const CXString& name) const
{
    int index = findValueWord(name);
    return index < 0 ? CXString() : wordAt(index + 1);
}

CXString CCommandLine6::wordAt(int index) const
{
    if (index < 0 || index >= static_cast<int>(words_.size()))
        return CXString();
    return words_[static_cast<std::size_t>(index)];
}
