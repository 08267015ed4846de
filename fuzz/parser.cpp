// Definition-text parser over arbitrary bytes: as given (plain or coded, by its first line),
// once more behind a coded header whose cycle comes from the first byte, and coded by the coder.
// Every property of the result is read through every typed reading.
#include "foundation/CMElement.h"
#include "foundation/CMElementsLoader.h"
#include "foundation/CTextCoder.h"
#include "foundation/CTextFileReader.h"
#include "foundation/CXArray.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace {

void readEverything(const CMElements* elements)
{
    if (elements == nullptr)
        return;
    for (int i = 0; i < elements->getSize(); ++i) {
        const CMElement* element = elements->getAt(i);
        const CMProperties* properties = element->getProperties();
        for (int p = 0; p < properties->getSize(); ++p) {
            const CMProperty* property = properties->getAt(p);
            (void)property->getIntValue();
            (void)property->getBoolValue();
            (void)property->getDoubleValue();
            (void)property->getPointValue();
            (void)property->getSizeValue();
            (void)property->getRectValue();
            CXString::releaseToVector(property->getListValue());
            (void)element->hasProperty(property->getName());
        }
        (void)element->getChildren()->getSize();
    }
}

void parse(const std::string& text)
{
    auto* reader = new CTextFileReader(nullptr, text.data(), static_cast<int>(text.size()));
    std::unique_ptr<CMElements> elements(CMElementsLoader::load(nullptr, reader));
    readEverything(elements.get());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > (1u << 20))
        return 0;
    const std::string text(reinterpret_cast<const char*>(data), size);
    parse(text);
    const int cycle = size > 0 ? static_cast<int>(data[0] % 16) - 2 : 6;
    parse("{<C:" + std::to_string(cycle) + ">}\n" + text);
    parse(CTextCoder::codeText(text.data(), static_cast<int>(text.size()), cycle).c_str());
    return 0;
}
