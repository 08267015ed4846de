#pragma once

#include "foundation/CXString.h"

#include <cstdint>

class CMessage;

// Root of nearly every engine class. Carries an error code (failures are reported through it,
// never thrown), a to-delete flag for deferred deletion, and the identity-based virtuals that the
// containers and the hash table rely on.
class CXObject {
public:
    CXObject();
    CXObject(const CXObject& other);
    CXObject& operator=(const CXObject& other);
    virtual ~CXObject();

    virtual bool isToDelete() const;
    // Marks the object for a deleting sweep; nothing in the root clears it again.
    virtual void setToDelete();
    // Identity hash: derived from the object's address.
    virtual int getHashcode() const;
    // True only for this very object.
    virtual bool equals(const CXObject* other) const;
    // 1 only for this very object, else 0: an identity test, not an ordering. Sorted containers
    // need classes that override it.
    virtual int compare(const CXObject* other) const;
    // The root cannot copy itself: null.
    virtual CXObject* clone() const;
    virtual CXString toString() const;
    virtual void notifyMessageReceive(CMessage* message);
    virtual int processMessage(CMessage* message);

    void setErrorCode(int code) { errorCode_ = code; }
    int LastError() const { return errorCode_; }

    // Byte-order reversal for big-endian file fields.
    static short swap_word(short value);
    static int swap_dword(int value);

    // Hands the text to the installed log sink (the window's log), if any.
    void log(const char* text, bool flag);
    // One-slot elapsed-time probe: a name starts a measurement, null ends the open one and writes
    // "Time spend in <name>: <ms> ms." to the debugger output (and to the log sink when flag is
    // true). Main thread only.
    static void profile(const char* name, bool flag);

protected:
    // A byte that the root only carries along; derived classes give it a meaning.
    uint8_t flagByte() const { return flagByte_; }
    void setFlagByte(uint8_t value) { flagByte_ = value; }

private:
    uint8_t flagByte_;
    int errorCode_;
    bool toDelete_;
};
