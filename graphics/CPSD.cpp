#include "graphics/CPSD.h"

#include "foundation/CFile.h"
#include "foundation/CFileBytes.h"
#include "graphics/CPSDReader.h"
#include "graphics/CWindow.h"

CPSD::CPSD(CWindow* window) : CGraphicsObject(window)
{
}

CPSD::CPSD(CWindow* window, CGraphicsObject*) : CGraphicsObject(window)
{
}

CPSD::CPSD(const CPSD& other) : CGraphicsObject(other.getWindow())
{
}

CPSD::CPSD(CWindow* window, const CXString& name) : CGraphicsObject(window)
{
    Load(name);
}

CPSD::~CPSD() = default;

void CPSD::dropLayers()
{
    current_ = nullptr;
    selected_ = 0;
    layers_.clear();
}

int CPSD::Load(const CXString& name)
{
    Flush();
    dropLayers();
    CFile file;
    int opened = file.Open(getWindow(), name, CFile::READ | CFile::BINARY);
    if (opened != 0) {
        setErrorCode(opened);
    } else {
        int error = Load(&file);
        int closed = file.Close();
        setErrorCode(error != 0 ? error : closed);
        Visible(true);
    }
    return CGraphicsObject::Load(name);
}

int CPSD::Load(CFile* file)
{
    CFileBytes bytes(file);
    setErrorCode(Load(bytes.data(), bytes.size()));
    return CGraphicsObject::Load(file);
}

int CPSD::Load(const uint8_t* data, size_t size)
{
    dropLayers();
    // Layers are kept in the display's format, so that they draw as they are.
    CWindow* window = getWindow();
    int bpp = window != nullptr && window->GetBpp() == 15 ? 15 : 16;
    int error = CPSDReader::read(data, size, window, bpp, layers_);
    SelectLayer(0);
    return error;
}

void CPSD::SelectLayer(int index)
{
    if (index < 0 || index >= GetLayerNo())
        return;
    selected_ = index;
    current_ = layers_[size_t(index)]->picture.get();
}

void CPSD::SelectLayer(const CXString& name)
{
    for (int i = 0; i < GetLayerNo(); ++i) {
        if (layers_[size_t(i)]->name == name) {
            SelectLayer(i);
            return;
        }
    }
}

CXString CPSD::GetLayerName(int index) const
{
    if (index == -1)
        index = selected_;
    return index >= 0 && index < GetLayerNo() ? layers_[size_t(index)]->name : CXString("");
}

CXRect CPSD::GetLayerRect() const
{
    return current_ != nullptr ? layers_[size_t(selected_)]->rect : CXRect();
}

void CPSD::SetPosition(int x, int y)
{
    CGraphicsObject::SetPosition(x, y);
    if (current_ == nullptr)
        return;
    current_->SetPosition(x, y);
    CXRect& rect = layers_[size_t(selected_)]->rect;
    if (x >= 0)
        rect = CXRect(x, rect.top, foundation::wrapAdd(x, rect.Width()), rect.bottom);
    if (y >= 0)
        rect = CXRect(rect.left, y, rect.right, foundation::wrapAdd(y, rect.Height()));
}
