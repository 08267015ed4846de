#include "sound/CStreamedWAV.h"

#include "foundation/CArchiveFileSystem.h"
#include "foundation/CFile.h"
#include "platform/AudioBuffer.h"
#include "sound/CRiffReader.h"

#include <algorithm>

CStreamedWAV::CStreamedWAV(CWindow* window, const CXString& name, WAVEFORMATEX* format)
    : window_(window), format_(format)
{
    Open(name);
}

CStreamedWAV::~CStreamedWAV() = default;

void CStreamedWAV::Open(const CXString& name)
{
    Close();
    buffer_.reset();
    bufferSize_ = dataStart_ = dataEnd_ = 0;
    file_ = std::make_unique<CFile>(window_, name, CFile::READ | CFile::BINARY);
    if (file_->LastError() == 0) {
        parse(0, file_->Length());
        return;
    }
    CArchiveFileSystem* archive = CFile::getBigFileIfc();
    file_ = archive ? archive->OpenMember(name) : nullptr;
    if (file_ == nullptr) {
        setErrorCode(CFile::NOT_FOUND);
        return;
    }
    const int start = file_->Tell();
    parse(start, start + archive->GetSize(name));
}

void CStreamedWAV::parse(int start, int end)
{
    CRiffReader riff(file_.get(), start, end);
    uint32_t size = 0;
    *format_ = WAVEFORMATEX();
    if (!riff.readFormat(*format_) || !riff.findChunk("data", size) || format_->blockAlign == 0) {
        // Found, but holding no sample data to read.
        Close();
        return;
    }
    const int align = format_->blockAlign;
    dataStart_ = riff.position();
    dataEnd_ = dataStart_ + static_cast<int>(size - size % align);
    const uint32_t oneAndAFifthSeconds = format_->avgBytesPerSec * 1200u / 1000u;
    bufferSize_ = static_cast<int>(oneAndAFifthSeconds - oneAndAFifthSeconds % align);
    buffer_ = format_->createBuffer(static_cast<uint32_t>(bufferSize_));
    if (buffer_ == nullptr)
        bufferSize_ = 0;
}

int CStreamedWAV::Read(int n, unsigned char* dest)
{
    if (file_ == nullptr)
        return 0;
    const int count = std::min(n, dataEnd_ - file_->Tell());
    return count > 0 ? file_->Read(dest, count) : 0;
}

void CStreamedWAV::StartRead()
{
    setPosition(0);
}

int CStreamedWAV::getPosition()
{
    return file_ ? file_->Tell() - dataStart_ : 0;
}

void CStreamedWAV::setPosition(int position)
{
    if (file_)
        file_->Seek(dataStart_ + std::clamp(position, 0, dataEnd_ - dataStart_), 0);
}

void CStreamedWAV::Close()
{
    file_.reset();
}
