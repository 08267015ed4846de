#pragma once

#include "foundation/CXString.h"

#include <cstdint>

// One entry of a self-extracting package: where its record starts in the package, its lengths,
// its compression type (1 = zlib) and its path name.
class CSelfExtractInfo {
public:
    CSelfExtractInfo() = default;
    virtual ~CSelfExtractInfo() = default;

    uint32_t GetDataOffset() const { return dataOffset_; }
    void SetDataOffset(uint32_t offset) { dataOffset_ = offset; }
    uint32_t GetFileLength() const { return fileLength_; }
    void SetFileLength(uint32_t length) { fileLength_ = length; }
    uint32_t GetCompressionLength() const { return compressionLength_; }
    void SetCompressionLength(uint32_t length) { compressionLength_ = length; }
    uint8_t GetCompressionType() const { return compressionType_; }
    void SetCompressionType(uint8_t type) { compressionType_ = type; }
    const CXString& GetFilename() const { return fileName_; }
    void SetFilename(const CXString& name) { fileName_ = name; }

private:
    uint32_t dataOffset_ = 0;
    uint32_t fileLength_ = 0;
    uint32_t compressionLength_ = 0;
    uint8_t compressionType_ = 1;
    CXString fileName_;
};
