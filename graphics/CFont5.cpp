#include "graphics/CFont5.h"

#include "foundation/CMElement.h"
#include "graphics/CAnimo.h"
#include "graphics/CRefreshScreen.h"
#include "graphics/CWindow.h"

#include <algorithm>

CFont5::CFont5(CWindow* window) : window_(window)
{
}

CFont5::CFont5(CWindow* window, const CXString& file) : CFont5(window)
{
    load(file);
}

CFont5::CFont5(CWindow* window, CMElement* element) : CFont5(window)
{
    fileName_ = element->getPropertyValue("FILENAME");
    load(fileName_);
}

CFont5::~CFont5() = default;

bool CFont5::load(const CXString& file)
{
    animation_ = std::make_unique<CAnimo>(window_);
    letters_.clear();
    if (animation_->Load(file) != 0)
        return false;
    for (int f = 0; f < animation_->GetNOF(); ++f) {
        CFrame* frame = animation_->GetFrame(f);
        CPackedPlanes::RawScope raw(frame->packing());
        uint8_t* alpha = frame->GetChannelAlpha();
        int w = frame->Width(), h = frame->Height();
        if (alpha != nullptr && w > 0 && h > 0) {
            for (size_t corner : {size_t(0), size_t(w - 1), size_t(h - 1) * w, size_t(h) * w - 1})
                alpha[corner] = 0;
        }
        letters_ += animation_->getFrameName(0, f).GetAt(0);
    }
    destiny_ = window_ != nullptr ? window_->GetRefreshScreenInterface() : nullptr;
    return true;
}

int CFont5::frameOf(char letter) const
{
    size_t at = letter == 0 ? std::string::npos : letters_.find(letter);
    return at != std::string::npos && animation_ != nullptr && int(at) < animation_->GetNOF() ? int(at) : -1;
}

CXSize CFont5::getLetterSize(char letter)
{
    int frame = frameOf(letter);
    return frame < 0 ? CXSize() : animation_->GetFrame(frame)->Size();
}

int CFont5::getAlphabetHeight()
{
    int height = 0;
    for (int f = 0; animation_ != nullptr && f < animation_->GetNOF(); ++f)
        height = std::max(height, animation_->GetFrame(f)->Height());
    return height;
}

int CFont5::drawLetter(int x, int y, char letter)
{
    int frame = frameOf(letter);
    if (animation_ == nullptr)
        return 0;
    animation_->SetDestiny(destiny_);
    animation_->SetPosition(x, y);
    animation_->SetAutoClip(false);
    if (frame < 0)
        return 0;
    animation_->SetFrame(frame);
    animation_->Redraw();
    return animation_->Width();
}

int CFont5::getLengthInPixels(const CXString& text, int spacing)
{
    int length = 0;
    for (int i = 0; i < text.getLength(); ++i) {
        char letter = text.GetAt(i);
        length = foundation::wrapAdd(length, letter == ' ' ? getLetterWidth('A') : foundation::wrapAdd(getLetterWidth(letter), spacing));
    }
    return length;
}
