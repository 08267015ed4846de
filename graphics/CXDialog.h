#pragma once

#include "graphics/CControlNotifier.h"
#include "graphics/CGraphicsRef.h"

#include "foundation/CXObject.h"
#include "foundation/CXPoint.h"
#include "foundation/CXRect.h"

#include <memory>
#include <vector>

class CButton;
class CGraphicsObject;
class CMC_ObjectsContainer;
class CRefreshScreen;
class CWindow;

// A panel put together from a background picture, other pictures and buttons that are shown,
// hidden and moved as one, and dragged by a strip along the top of the background. The strip is a
// button of the dialog's own, whose drag the live scene's unit carries (the background moves as
// its picture) while the dialog moves the rest. The background stands at 100000 on the screen,
// and the members' pictures above it. The dialog owns only its strip; pictures and buttons stay
// their owners', and one that goes leaves the dialog (the strip takes no clicks without its
// background). Main thread only.
class CXDialog : public CXObject, public CControlNotifier {
public:
    static constexpr int titleHeight = 30;
    static constexpr int titleButtonId = 214290;
    static constexpr int backgroundPriority = 100000;
    // What a member's picture gains on its own priority: it stands above the background.
    static constexpr int memberRaise = 100001;

    // The owner's window holds the screen; without a window nothing can be shown.
    explicit CXDialog(CMC_ObjectsContainer* owner);
    ~CXDialog() override;
    CXDialog(const CXDialog&) = delete;
    CXDialog& operator=(const CXDialog&) = delete;

    // The picture becomes the background, with a new strip over its top.
    virtual void setBackground(CGraphicsObject* background);
    // Each member is recorded once; a second add changes nothing.
    virtual void add(CButton* button);
    virtual void add(CGraphicsObject* graphics);
    // Shows the members (not the background, which a hide leaves hidden) and lets the strip be
    // dragged again.
    virtual void show();
    // Hides the members and the background; the strip takes no clicks meanwhile.
    virtual void hide();
    // Moves the members; the background moves as the strip's picture.
    virtual void move(int dx, int dy);

    void onStartDragging(CControl* control, CXPoint point) override;
    void onDragging(CControl* control, CXPoint point) override;
    // The strip follows the background to where it was dropped.
    void onEndDragging(CControl* control, CXPoint point) override;

    CGraphicsObject* getBackground() const { return background_.get(); }
    // Null before the first background.
    CButton* getTitleButton() const { return title_.get(); }

private:
    struct Member {
        CButton* button;
        std::shared_ptr<const bool> alive;
    };

    CRefreshScreen* screen() const;
    // The picture goes up by memberRaise on the screen.
    void raise(CGraphicsObject* picture);
    std::vector<CButton*> liveButtons() const;
    std::vector<CGraphicsObject*> liveGraphics() const;
    void enableStrip(bool enabled);

    CWindow* window_;
    std::unique_ptr<CButton> title_;
    CGraphicsRef background_;
    CXPoint lastDrag_;
    std::vector<std::unique_ptr<CGraphicsRef>> graphics_;
    std::vector<Member> buttons_;
};
