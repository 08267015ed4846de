#pragma once

#include "foundation/CXSize.h"
#include "foundation/CXString.h"

#include <vector>

// The player's command line: split into words once, every known option read into a field when
// it is built. Options are '-word' or '/word', matched exactly and case-sensitively; unknown words
// are kept and ignored.
class CCommandLine6 {
public:
    // The download server used when no "server" option is given.
    static const char* const DefaultServer;

    explicit CCommandLine6(const CXString& text);
    CCommandLine6(const CCommandLine6&) = delete;
    CCommandLine6& operator=(const CCommandLine6&) = delete;
    virtual ~CCommandLine6();

    bool isMusicEnabled() const { return music_; }
    bool isSoundEnabled() const { return sound_; }
    bool isWindowMode() const { return window_; }
    void setAsWindow() { window_ = true; }
    void runInWindow() { setAsWindow(); }
    bool isNoFrame() const { return noFrame_; }
    CXSize getResolution() const { return CXSize(width_, height_); }
    bool isPageFlippingEnabled() const { return pageFlipping_; }
    bool isVMem() const { return videoMemory_; }
    // True when "nogfx" was given.
    bool isGFXEnabled() const { return graphics_; }
    int getDelay() const { return delay_; }
    bool isSecondaryDisplayEnabled() const { return delay_ > 0; }
    void setAsHdd() { hardDisk_ = true; }
    // The stored "hdd" flag is never consulted: the engine tells disks apart by itself.
    bool isHdd() const { return false; }
    CXString getPath() const { return path_; }
    void setPath(const CXString& path) { path_ = path; }
    bool isCreateBigFile() const { return createBigFile_; }
    bool isToCode() const { return code_; }
    bool isToDecode() const { return decode_; }
    bool isToRemove() const { return remove_; }
    bool is2Bin() const { return storeCompiled_; }
    bool isForceCNV() const { return forceDefinitions_; }
    bool isDebugMode() const { return debug_; }
    void setAsShowDbg() { debug_ = true; }
    bool isLogEnabled() const { return log_; }
    bool isCheatMode() const { return cheat_; }
    bool isServer() const { return server_; }
    CXString getServer() const { return serverAddress_; }
    bool isClient() const { return client_; }
    bool isGame() const { return game_.IsString(); }
    bool isToPack() const { return packFolder_.IsString(); }
    CXString getPackDir() const { return packFolder_; }
    CXString getPackFile() const { return packFile_; }
    CXString getPlayer() const { return player_; }
    bool isRunWithParams() const { return runWithParams_; }
    // The "fullname" value with every '_' turned into a blank.
    CXString getFullName() const;
    CXString getVersion() const;

    // '-name' or '/name' is among the words.
    bool isParameter(const CXString& name) const;
    // The word after the first '-name', '/name' or bare name when isParameter(name); else "".
    CXString getParameter(const CXString& name) const;
    int getNoArgs() const { return static_cast<int>(words_.size()); }

private:
    void split(const CXString& text);
    void readOptions();
    void readResolution();
    // Index of the first word equal to '-name', '/name' or the bare name; -1 when none.
    int findValueWord(const CXString& name) const;
    bool findToken(const CXString& name) const;
    // The word after the first '-name', '/name' or bare name; "" when none or it is the last.
    CXString getNextToken(const CXString& name) const;
    CXString wordAt(int index) const;

    std::vector<CXString> words_;
    int width_ = 800;
    int height_ = 600;
    bool hardDisk_ = false;
    bool music_ = true;
    bool sound_ = true;
    bool window_ = false;
    bool runWithParams_ = false;
    bool graphics_ = false;
    bool server_ = false;
    bool client_ = false;
    bool code_ = false;
    bool decode_ = false;
    bool remove_ = false;
    bool pageFlipping_ = false;
    bool videoMemory_ = false;
    bool cheat_ = false;
    bool storeCompiled_ = false;
    bool forceDefinitions_ = false;
    bool debug_ = false;
    bool createBigFile_ = false;
    bool log_ = false;
    CXString path_;
    int delay_ = 0;
    bool noFrame_ = false;
    CXString packFolder_;
    CXString packFile_;
    CXString player_;
    CXString game_;
    CXString serverAddress_;
};
