#include "foundation/CXString.h"

#include "foundation/CStringTokenizer.h"
#include "foundation/CXArray.h"
#include "foundation/CodePage1250.h"
#include "foundation/NumberText.h"
#include "foundation/PrintfFormat.h"
#include "platform/Wildcard.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

// Room added when an assignment or append does not fit.
constexpr int kRoom = 32;
// Texts never come near this; beyond it the sizes below would no longer fit an int.
constexpr int64_t kLargestCapacity = INT_MAX - 2 * kRoom;

int checkedCapacity(int64_t wanted)
{
    if (wanted > kLargestCapacity)
        std::abort();
    return static_cast<int>(wanted);
}

// Every buffer holds capacity + 1 bytes, so a text of `capacity` characters still has its zero.
char* allocateBuffer(int capacity)
{
    auto* block = static_cast<char*>(std::malloc(static_cast<size_t>(capacity) + 1));
    if (block == nullptr)
        std::abort();
    block[0] = '\0';
    return block;
}

int lengthOf(const char* text)
{
    return checkedCapacity(static_cast<int64_t>(std::strlen(text)));
}

int capacityForText(int length)
{
    return length < kRoom ? kRoom : checkedCapacity(static_cast<int64_t>(length) + kRoom);
}

// Decimal text of an int; 12 bytes hold "-2147483648" and its zero.
struct IntegerText {
    explicit IntegerText(int value)
    {
        auto result = std::to_chars(text, text + sizeof text - 1, value);
        *result.ptr = '\0';
        length = static_cast<int>(result.ptr - text);
    }
    char text[12];
    int length;
};

std::string_view viewOf(const CXString& text)
{
    return std::string_view(text.c_str(), static_cast<size_t>(text.getLength()));
}

int findText(const CXString& haystack, const CXString& needle, int from)
{
    if (from < 0)
        from = 0;
    if (from > haystack.getLength())
        return -1;
    size_t found = viewOf(haystack).find(viewOf(needle), static_cast<size_t>(from));
    return found == std::string_view::npos ? -1 : static_cast<int>(found);
}

} // namespace

CXString::CXString() : length_(0), capacity_(kRoom), buffer_(bufferFor(kRoom))
{
}

CXString::CXString(const char* text)
{
    const char* source = text != nullptr ? text : "";
    length_ = lengthOf(source);
    capacity_ = capacityForText(length_);
    buffer_ = bufferFor(capacity_);
    std::memcpy(buffer_, source, static_cast<size_t>(length_) + 1);
}

CXString::CXString(const CXString& other)
    : length_(other.length_), capacity_(other.capacity_), buffer_(bufferFor(other.capacity_))
{
    std::memcpy(buffer_, other.buffer_, static_cast<size_t>(length_) + 1);
}

CXString::CXString(int size) : length_(0), capacity_(size > 0 ? size : 0), buffer_(bufferFor(capacity_))
{
    std::memset(buffer_, 0, static_cast<size_t>(capacity_) + 1);
}

CXString::CXString(const char* text, int length, int capacity)
    : length_(length), capacity_(length >= capacity ? checkedCapacity(static_cast<int64_t>(length) + kRoom) : capacity),
      buffer_(bufferFor(capacity_))
{
    std::memcpy(buffer_, text, static_cast<size_t>(length));
    buffer_[length] = '\0';
}

CXString CXString::fromBytes(const char* bytes, int length)
{
    const void* zero = length > 0 ? std::memchr(bytes, '\0', static_cast<size_t>(length)) : nullptr;
    const int kept = zero != nullptr ? static_cast<int>(static_cast<const char*>(zero) - bytes) : std::max(length, 0);
    return fromTextBytes(bytes, kept);
}

CXString CXString::fromTextBytes(const char* bytes, int length)
{
    return length > 0 ? CXString(bytes, length, length + 1) : CXString("", 0, 1);
}

CXString::~CXString()
{
    releaseBuffer();
}

char* CXString::bufferFor(int capacity)
{
    if (capacity > kLocalCapacity)
        return allocateBuffer(capacity);
    local_[0] = '\0';
    return local_;
}

void CXString::releaseBuffer()
{
    if (buffer_ != local_)
        std::free(buffer_);
}

void CXString::updateLength()
{
    length_ = static_cast<int>(strnlen(buffer_, static_cast<size_t>(capacity_)));
    buffer_[length_] = '\0';
}

void CXString::adopt(char* fresh, int length, int capacity)
{
    if (fresh != buffer_)
        releaseBuffer();
    buffer_ = fresh;
    length_ = length;
    capacity_ = capacity;
    buffer_[length_] = '\0';
}

void CXString::rebuild(const char* text, int length, int capacity)
{
    // The text may lie in the old buffer: copy before freeing it (and it may lie in our own room).
    char* fresh = capacity > kLocalCapacity ? allocateBuffer(capacity) : local_;
    std::memmove(fresh, text, static_cast<size_t>(length));
    adopt(fresh, length, capacity);
}

void CXString::assign(const char* text, int length, bool reuseWhenFits)
{
    if (reuseWhenFits && length <= capacity_) {
        std::memmove(buffer_, text, static_cast<size_t>(length));
        buffer_[length] = '\0';
        length_ = length;
        return;
    }
    rebuild(text, length, checkedCapacity(static_cast<int64_t>(length) + kRoom));
}

void CXString::growKeeping(int capacity)
{
    if (capacity <= kLocalCapacity) {
        capacity_ = capacity;
        return;
    }
    if (buffer_ == local_) {
        char* grown = allocateBuffer(capacity);
        std::memcpy(grown, local_, static_cast<size_t>(length_) + 1);
        buffer_ = grown;
        capacity_ = capacity;
        return;
    }
    // realloc often grows in place, which keeps long runs of appends cheap.
    auto* grown = static_cast<char*>(std::realloc(buffer_, static_cast<size_t>(capacity) + 1));
    if (grown == nullptr)
        std::abort();
    buffer_ = grown;
    capacity_ = capacity;
}

void CXString::append(const char* text, int length)
{
    int total = checkedCapacity(static_cast<int64_t>(length_) + length);
    if (total >= capacity_) {
        // The text may lie in our own buffer, which growing can move.
        auto address = reinterpret_cast<uintptr_t>(text);
        auto start = reinterpret_cast<uintptr_t>(buffer_);
        bool own = address >= start && address <= start + static_cast<uintptr_t>(capacity_);
        growKeeping(checkedCapacity(static_cast<int64_t>(total) + kRoom));
        if (own)
            text = buffer_ + (address - start);
    }
    std::memmove(buffer_ + length_, text, static_cast<size_t>(length));
    length_ = total;
    buffer_[length_] = '\0';
}

void CXString::appendWithDoubling(const char* text, int length, int headroom)
{
    if (length_ >= capacity_ - headroom) {
        int64_t wanted = std::max<int64_t>(static_cast<int64_t>(capacity_) * 2, static_cast<int64_t>(length_) + length + 1);
        growKeeping(checkedCapacity(wanted));
    }
    std::memcpy(buffer_ + length_, text, static_cast<size_t>(length));
    length_ += length;
    buffer_[length_] = '\0';
}

CXString& CXString::operator=(const CXString& other)
{
    if (&other != this)
        assign(other.buffer_, other.length_, capacity_ >= other.capacity_);
    return *this;
}

CXString& CXString::operator=(const char* text)
{
    if (text != nullptr) {
        int length = lengthOf(text);
        assign(text, length, length < capacity_);
    }
    return *this;
}

CXString& CXString::operator=(char character)
{
    // A fresh buffer of the same capacity, as the text it replaces had.
    rebuild(&character, character != '\0' ? 1 : 0, std::max(capacity_, 1));
    return *this;
}

CXString& CXString::operator=(int value)
{
    IntegerText text(value);
    assign(text.text, text.length, text.length < capacity_);
    return *this;
}

CXString& CXString::operator=(double value)
{
    std::string text = foundation::doubleToGeneralText(value, 9);
    int length = static_cast<int>(text.size());
    assign(text.c_str(), length, length < capacity_);
    return *this;
}

CXString& CXString::operator+=(const CXString& other)
{
    append(other.buffer_, other.length_);
    return *this;
}

CXString& CXString::operator+=(const char* text)
{
    if (text != nullptr)
        append(text, lengthOf(text));
    return *this;
}

CXString& CXString::operator+=(char character)
{
    if (character != '\0')
        appendWithDoubling(&character, 1, 2);
    return *this;
}

CXString& CXString::operator+=(int value)
{
    IntegerText text(value);
    appendWithDoubling(text.text, text.length, 20);
    return *this;
}

CXString& CXString::operator+=(double value)
{
    std::string text = foundation::doubleToGeneralText(value, 9);
    append(text.c_str(), static_cast<int>(text.size()));
    return *this;
}

bool CXString::equals(const CXString& other) const
{
    return *this == other;
}

bool CXString::equalsIgnoreCase(const CXString& other) const
{
    if (length_ != other.length_)
        return false;
    for (int i = 0; i < length_; ++i) {
        if (foundation::upperCase1250(buffer_[i]) != foundation::upperCase1250(other.buffer_[i]))
            return false;
    }
    return true;
}

bool CXString::startsWith(const CXString& prefix) const
{
    return holdsAt(0, prefix.buffer_, prefix.length_);
}

bool CXString::endsWith(const CXString& suffix) const
{
    return holdsAt(length_ - suffix.length_, suffix.buffer_, suffix.length_);
}

// A null literal counts as the empty text, as it does when it is made into one.
bool CXString::startsWith(const char* prefix) const
{
    const char* text = prefix != nullptr ? prefix : "";
    return holdsAt(0, text, lengthOf(text));
}

bool CXString::endsWith(const char* suffix) const
{
    const char* text = suffix != nullptr ? suffix : "";
    int length = lengthOf(text);
    return holdsAt(length_ - length, text, length);
}

bool CXString::holdsAt(int position, const char* text, int length) const
{
    return length <= length_ && position >= 0 && std::memcmp(buffer_ + position, text, static_cast<size_t>(length)) == 0;
}

CXString& CXString::Upper()
{
    for (int i = 0; i < length_; ++i)
        buffer_[i] = foundation::upperCase1250(buffer_[i]);
    return *this;
}

CXString& CXString::Lower()
{
    for (int i = 0; i < length_; ++i)
        buffer_[i] = foundation::lowerCase1250(buffer_[i]);
    return *this;
}

bool CXString::IsUpper() const
{
    return std::all_of(buffer_, buffer_ + length_, foundation::isUpperLetter1250);
}

bool CXString::IsLower() const
{
    return std::all_of(buffer_, buffer_ + length_, foundation::isLowerLetter1250);
}

bool CXString::IsUpper(int index) const
{
    return index >= 0 && index < length_ && foundation::isUpperLetter1250(buffer_[index]);
}

int CXString::clampPosition(int position) const
{
    return std::clamp(position, 0, length_);
}

CXString CXString::Left(int count) const
{
    return CXString(buffer_, clampPosition(count), capacity_);
}

CXString CXString::Mid(int start, int end) const
{
    int first = clampPosition(start);
    int last = std::max(first, clampPosition(end));
    return CXString(buffer_ + first, last - first, capacity_);
}

CXString CXString::Right(int start) const
{
    int first = clampPosition(start);
    return CXString(buffer_ + first, length_ - first, capacityForText(length_ - first));
}

void CXString::keepRange(int start, int end)
{
    std::memmove(buffer_, buffer_ + start, static_cast<size_t>(end - start));
    length_ = end - start;
    buffer_[length_] = '\0';
}

CXString& CXString::left(int count)
{
    keepRange(0, clampPosition(count));
    return *this;
}

CXString& CXString::mid(int start, int end)
{
    int first = clampPosition(start);
    keepRange(first, std::max(first, clampPosition(end)));
    return *this;
}

CXString& CXString::right(int start)
{
    keepRange(clampPosition(start), length_);
    return *this;
}

void CXString::copyRangeInto(int start, int end, CXString* out) const
{
    if (out == nullptr)
        return;
    int length = end - start;
    if (out->capacity_ <= length)
        out->rebuild(buffer_ + start, length, checkedCapacity(static_cast<int64_t>(length) + kRoom));
    else
        out->assign(buffer_ + start, length, true);
}

void CXString::left(int count, CXString* out) const
{
    copyRangeInto(0, clampPosition(count), out);
}

void CXString::mid(int start, int end, CXString* out) const
{
    int first = clampPosition(start);
    copyRangeInto(first, std::max(first, clampPosition(end)), out);
}

void CXString::right(int start, CXString* out) const
{
    copyRangeInto(clampPosition(start), length_, out);
}

char CXString::GetAt(int index) const
{
    if (index == -1)
        return length_ > 0 ? buffer_[length_ - 1] : '\0';
    return index >= 0 && index < length_ ? buffer_[index] : '\0';
}

char CXString::lastChar() const
{
    return GetAt(-1);
}

int CXString::Find(char character, int from) const
{
    for (int i = std::max(from, 0); i < length_; ++i) {
        if (buffer_[i] == character)
            return i;
    }
    return -1;
}

int CXString::FindLast(char character, int from) const
{
    int end = (from == -1 || from > length_) ? length_ : from;
    for (int i = end - 1; i >= 0; --i) {
        if (buffer_[i] == character)
            return i;
    }
    return -1;
}

int CXString::FindSubString(const CXString& text, int from) const
{
    return findText(*this, text, from);
}

int CXString::indexOf(const CXString& text, int from) const
{
    return findText(*this, text, from);
}

int CXString::findOneOf(const CXString& set, int from) const
{
    for (int i = std::max(from, 0); i < length_; ++i) {
        if (std::memchr(set.buffer_, static_cast<unsigned char>(buffer_[i]), static_cast<size_t>(set.length_)) != nullptr)
            return i;
    }
    return -1;
}

int CXString::getCount(char character) const
{
    return static_cast<int>(std::count(buffer_, buffer_ + length_, character));
}

CXString& CXString::Replace(char a, char b)
{
    if (a == '\0')
        return *this;
    std::replace(buffer_, buffer_ + length_, a, b);
    if (b == '\0')
        updateLength(); // the first replaced character now ends the text
    return *this;
}

CXString CXString::replace(const CXString& from, const CXString& to) const
{
    std::string result;
    result.reserve(static_cast<size_t>(length_));
    std::string_view text = viewOf(*this);
    std::string_view pattern = viewOf(from);
    for (size_t pos = 0; pos < text.size();) {
        if (!pattern.empty() && text.compare(pos, pattern.size(), pattern) == 0) {
            result.append(to.buffer_, static_cast<size_t>(to.length_));
            pos += pattern.size();
        } else {
            result += text[pos++];
        }
    }
    return CXString(result.c_str());
}

CXString& CXString::replaceOnce(const CXString& from, const CXString& to, int start)
{
    int first = clampPosition(start);
    int found = findText(*this, from, first);
    if (found < 0) {
        keepRange(first, length_);
        return *this;
    }
    std::string result(buffer_ + first, static_cast<size_t>(found - first));
    result.append(to.buffer_, static_cast<size_t>(to.length_));
    result.append(buffer_ + found + from.length_, static_cast<size_t>(length_ - found - from.length_));
    int length = static_cast<int>(result.size());
    assign(result.c_str(), length, length < capacity_);
    return *this;
}

CXString& CXString::LTrim(char character)
{
    int first = 0;
    while (character != '\0' && first < length_ && buffer_[first] == character)
        ++first;
    keepRange(first, length_);
    return *this;
}

CXString& CXString::RTrim(char character)
{
    int end = length_;
    while (character != '\0' && end > 0 && buffer_[end - 1] == character)
        --end;
    keepRange(0, end);
    return *this;
}

CXString& CXString::AllTrim(char character)
{
    RTrim(character);
    return LTrim(character);
}

CXString& CXString::FillWith(char character, int count)
{
    int length = std::max(count, 0);
    int capacity = checkedCapacity(static_cast<int64_t>(length) + 1);
    char* fresh = capacity > kLocalCapacity ? allocateBuffer(capacity) : local_;
    std::memset(fresh, character, static_cast<size_t>(length));
    // Zero characters would leave no text.
    adopt(fresh, character != '\0' ? length : 0, capacity);
    return *this;
}

CXString& CXString::removeTag(const CXString& tag)
{
    std::string result;
    std::string_view text = viewOf(*this);
    std::string_view name = viewOf(tag);
    for (size_t pos = 0; pos < text.size();) {
        bool opensTag = text[pos] == '<' && text.compare(pos + 1, name.size(), name) == 0;
        if (!opensTag) {
            result += text[pos++];
            continue;
        }
        size_t close = text.find('>', pos + 1);
        if (close == std::string_view::npos)
            break;
        pos = close + 1;
    }
    int length = static_cast<int>(result.size());
    assign(result.c_str(), length, length < capacity_);
    return *this;
}

CXString& CXString::Format(const char* format, int a)
{
    const foundation::FormatArgument arguments[] = {a};
    return assignFormatted(format, arguments, 1);
}

CXString& CXString::Format(const char* format, int a, int b)
{
    const foundation::FormatArgument arguments[] = {a, b};
    return assignFormatted(format, arguments, 2);
}

CXString& CXString::Format(const char* format, const CXString& a)
{
    const foundation::FormatArgument arguments[] = {a.c_str()};
    return assignFormatted(format, arguments, 1);
}

CXString& CXString::Format(const char* format, const CXString& a, int b)
{
    const foundation::FormatArgument arguments[] = {a.c_str(), b};
    return assignFormatted(format, arguments, 2);
}

CXString& CXString::Format(const char* format, const CXString& a, int b, const CXString& c)
{
    const foundation::FormatArgument arguments[] = {a.c_str(), b, c.c_str()};
    return assignFormatted(format, arguments, 3);
}

CXString& CXString::Format(const char* format, const CXString& a, int b, int c)
{
    const foundation::FormatArgument arguments[] = {a.c_str(), b, c};
    return assignFormatted(format, arguments, 3);
}

CXString& CXString::assignFormatted(const char* format, const foundation::FormatArgument* arguments, int count)
{
    std::string text = foundation::formatText(format, arguments, count);
    // A %c of a zero character would end the text there.
    int length = lengthOf(text.c_str());
    assign(text.c_str(), length, length < capacity_);
    return *this;
}

int CXString::toNumber() const
{
    return foundation::parseDecimalInt(buffer_);
}

long CXString::toLong() const
{
    return toNumber();
}

double CXString::toDouble() const
{
    return foundation::parseDecimalDouble(buffer_);
}

int CXString::toNumber(const CXString& text)
{
    return text.toNumber();
}

long CXString::toLong(const CXString& text)
{
    return text.toLong();
}

double CXString::toDouble(const CXString& text)
{
    return text.toDouble();
}

bool CXString::isNumber() const
{
    return toNumber() != 0;
}

bool CXString::toBool() const
{
    return equalsIgnoreCase("TRUE");
}

bool CXString::toBool(const CXString& text)
{
    return text.toBool();
}

namespace {
const char kCoordinateSeparators[] = ".|, ";
const char kWordSeparators[] = " \n\t";

// Fills `values` with the numbers of the first tokens; missing ones stay 0.
template <size_t N>
void readCoordinates(const CXString& text, int (&values)[N])
{
    CStringTokenizer tokens(text, kCoordinateSeparators);
    for (size_t i = 0; i < N; ++i)
        values[i] = tokens.hasMoreTokens() ? tokens.nextToken().toNumber() : 0;
}
} // namespace

CXPoint CXString::toPoint() const
{
    int values[2];
    readCoordinates(*this, values);
    return CXPoint(values[0], values[1]);
}

CXRect CXString::toRect() const
{
    int values[4];
    readCoordinates(*this, values);
    return CXRect(values[0], values[1], values[2], values[3]);
}

CXArray* CXString::toVector() const
{
    return toVector(", \n\r");
}

CXArray* CXString::toVector(const CXString& separators) const
{
    auto* strings = new CXArray(101, 0.75f);
    CStringTokenizer tokens(*this, separators);
    while (tokens.hasMoreTokens())
        strings->add(new CXString(tokens.nextToken()));
    return strings;
}

void CXString::releaseToVector(CXArray* strings)
{
    if (strings == nullptr)
        return;
    for (int i = 0; i < strings->getSize(); ++i)
        delete strings->stringAt(i);
    delete strings;
}

CXString CXString::getWord(int n) const
{
    if (n < 0)
        return CXString();
    CStringTokenizer tokens(*this, kWordSeparators);
    for (int i = 0; i < n && tokens.hasMoreTokens(); ++i)
        tokens.nextToken();
    return tokens.nextToken();
}

CXString CXString::toString(bool value)
{
    return CXString(value ? "TRUE" : "FALSE");
}

CXString CXString::toString(int value)
{
    return CXString(IntegerText(value).text);
}

CXString CXString::toString(double value)
{
    return CXString(foundation::doubleToFiveDecimalsText(value).c_str());
}

bool CXString::FilterFits(const CXString& name) const
{
    return platform::Wildcard::matches(viewOf(*this), viewOf(name));
}

CXString operator+(const CXString& a, const CXString& b)
{
    CXString result(a);
    result += b;
    return result;
}

CXString operator+(const CXString& a, const char* b)
{
    CXString result(a);
    result += b;
    return result;
}

CXString operator+(const char* a, const CXString& b)
{
    CXString result(a);
    result += b;
    return result;
}

bool operator==(const CXString& a, const char* b)
{
    return std::strcmp(a.c_str(), b != nullptr ? b : "") == 0;
}

bool operator==(const char* a, const CXString& b)
{
    return b == a;
}

bool operator!=(const CXString& a, const CXString& b)
{
    return !(a == b);
}

bool operator!=(const CXString& a, const char* b)
{
    return !(a == b);
}

bool operator!=(const char* a, const CXString& b)
{
    return !(b == a);
}
