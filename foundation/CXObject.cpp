#include "foundation/CXObject.h"

#include "foundation/CLogSink.h"
#include "platform/Clock.h"
#include "platform/DebugOutput.h"

#include <cstdio>
#include <string>

CXObject::CXObject() : flagByte_(0), errorCode_(0), toDelete_(false)
{
}

CXObject::CXObject(const CXObject& other) = default;
CXObject& CXObject::operator=(const CXObject& other) = default;
CXObject::~CXObject() = default;

bool CXObject::isToDelete() const
{
    return toDelete_;
}

void CXObject::setToDelete()
{
    toDelete_ = true;
}

int CXObject::getHashcode() const
{
    // Fold the 64-bit address so objects far apart in memory still hash apart.
    auto address = reinterpret_cast<uintptr_t>(this);
    return static_cast<int>(static_cast<uint32_t>(address ^ (static_cast<uint64_t>(address) >> 32)));
}

bool CXObject::equals(const CXObject* other) const
{
    return other == this;
}

int CXObject::compare(const CXObject* other) const
{
    return other == this ? 1 : 0;
}

CXObject* CXObject::clone() const
{
    return nullptr;
}

CXString CXObject::toString() const
{
    return CXString();
}

void CXObject::notifyMessageReceive(CMessage*)
{
}

int CXObject::processMessage(CMessage*)
{
    return 0;
}

short CXObject::swap_word(short value)
{
    auto bits = static_cast<uint16_t>(value);
    return static_cast<short>(static_cast<uint16_t>((bits << 8) | (bits >> 8)));
}

int CXObject::swap_dword(int value)
{
    auto bits = static_cast<uint32_t>(value);
    bits = (bits >> 24) | ((bits >> 8) & 0x0000FF00u) | ((bits << 8) & 0x00FF0000u) | (bits << 24);
    return static_cast<int>(bits);
}

namespace {
void sendToLogSink(const char* text, bool flag)
{
    if (CLogSink* sink = CLogSink::installed())
        sink->toLog(CXString(text), flag);
}

struct OpenMeasurement {
    bool open = false;
    uint32_t startMs = 0;
    std::string name;
};

OpenMeasurement& measurement()
{
    static OpenMeasurement instance;
    return instance;
}
} // namespace

void CXObject::log(const char* text, bool flag)
{
    sendToLogSink(text, flag);
}

void CXObject::profile(const char* name, bool flag)
{
    OpenMeasurement& current = measurement();
    if (name != nullptr) {
        current.open = true;
        current.startMs = platform::clock().tickMs();
        current.name = name;
        return;
    }
    if (!current.open)
        return;
    // Unsigned difference survives the 32-bit tick wrap.
    uint32_t elapsed = platform::clock().tickMs() - current.startMs;
    char line[1024];
    std::snprintf(line, sizeof line, "Time spend in %s: %d ms.\n", current.name.c_str(), static_cast<int>(elapsed));
    platform::debugOutput().write(line);
    if (flag)
        sendToLogSink(line, flag);
    current.open = false;
    current.name.clear();
}
