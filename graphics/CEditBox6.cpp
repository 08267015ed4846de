#include "graphics/CEditBox6.h"

#include "foundation/CXTimer.h"
#include "foundation/IntegerWrap.h"
#include "graphics/CButton.h"
#include "graphics/CEditBoxNotifier.h"
#include "graphics/CEditBoxUnit.h"
#include "graphics/CMultilineText6.h"
#include "graphics/CRefreshScreen.h"
#include "graphics/CSimpleFont6.h"
#include "graphics/CWindow.h"
#include "platform/KeyCodes.h"

#include <algorithm>

using foundation::wrapAdd;
using foundation::wrapMul;
using foundation::wrapSub;

namespace {

namespace key = platform::key;

constexpr char kLineBreak = '|';

// Where the line holding the index starts: just after the last break before it.
int lineStartBefore(const CXString& text, int index)
{
    return text.FindLast(kLineBreak, index) + 1;
}

} // namespace

CEditBox6::CEditBox6(CWindow* window, CEditBoxUnit* unit, CSimpleFont6* font, CXRect rect, int priority, const CXString& text)
    : window_(window), unit_(unit), rect_(rect), text_(text), button_(std::make_unique<CButton>(window, rect, 0, nullptr)),
      font_(font), textObject_(std::make_unique<CMultilineText6>(window, false, nullptr)), alive_(std::make_shared<bool>(true))
{
    button_->addNotifier(this);
    button_->setUnit(unit != nullptr ? unit->getScreenUnit() : nullptr);
    textObject_->setFont(font);
    textObject_->setJustify(rect, JUSTIFY_LEFT, JUSTIFY_TOP);
    showText();
    textObject_->Visible(true);
    textObject_->SetClippingRect(CXRect(0, 0, rect.Width(), rect.Height()));
    if (CRefreshScreen* screen = window->GetRefreshScreenInterface())
        screen->put(textObject_.get(), priority);
    window->registerKeyListener(this);
    window->registerMouseListener(this, listenerPriority);
}

CEditBox6::~CEditBox6()
{
    window_->removeKeyListener(this);
    window_->removeMouseListener(this);
    active_ = false;
    stopBlink();
    notify(FOCUS_OFF);
    *alive_ = false;
    textObject_->Invalidate();
    if (CRefreshScreen* screen = window_->GetRefreshScreenInterface())
        *screen >> textObject_.get();
}

// ---- focus ------------------------------------------------------------------------------------

void CEditBox6::activate(bool on)
{
    if (on == active_)
        return;
    active_ = on;
    if (!on) {
        loseFocus();
        return;
    }
    cursorPos_ = text_.getLength();
    startBlink();
    updateCursor();
    notify(FOCUS_ON);
}

void CEditBox6::enable(bool enabled)
{
    enabled_ = enabled;
    button_->Enable(enabled);
    if (!enabled && active_) {
        active_ = false;
        loseFocus();
    }
}

void CEditBox6::loseFocus()
{
    stopBlink();
    notify(FOCUS_OFF);
}

void CEditBox6::startBlink()
{
    CXTimer* timers = window_->GetTimerInterface();
    if (timerId_ != 0 || timers == nullptr)
        return;
    timerId_ = timers->newId();
    timers->add(timerId_, blinkPeriodMs, this);
}

void CEditBox6::stopBlink()
{
    if (timerId_ == 0)
        return;
    if (CXTimer* timers = window_->GetTimerInterface())
        timers->remove(timerId_);
    timerId_ = 0;
}

void CEditBox6::onTimer(int)
{
    if (CGraphicsObject* cursor = cursor_.get())
        cursor->Visible(!cursor->isVisible());
}

bool CEditBox6::onClick(CXPoint point)
{
    if (!rect_.IsInRect(point) && unit_ != nullptr)
        unit_->activateEditBox(nullptr);
    return false;
}

void CEditBox6::onControlAction(CControl*, CXPoint)
{
    if (!active_ && unit_ != nullptr)
        unit_->activateEditBox(this);
}

// ---- text and looks ---------------------------------------------------------------------------

void CEditBox6::showText()
{
    textObject_->setText(text_);
}

void CEditBox6::setText(const CXString& text)
{
    text_ = text;
    cursorPos_ = std::min(cursorPos_, text_.getLength());
    showText();
}

void CEditBox6::setCursor(CGraphicsObject* cursor)
{
    cursor_.reset(cursor);
}

void CEditBox6::setCursorPos(int position)
{
    cursorPos_ = std::clamp(position, 0, text_.getLength());
    updateCursor();
}

void CEditBox6::setVisibility(bool visible)
{
    textObject_->Visible(visible);
}

void CEditBox6::setColor(int color)
{
    textObject_->setColor(color);
    textObject_->Invalidate();
}

void CEditBox6::setPriority(int priority)
{
    if (CRefreshScreen* screen = window_->GetRefreshScreenInterface())
        screen->SetPriority(textObject_.get(), priority);
}

void CEditBox6::setRect(CXRect rect)
{
    rect_ = rect;
    textObject_->Invalidate();
    textObject_->setJustify(rect, JUSTIFY_LEFT, JUSTIFY_TOP);
    textObject_->SetClippingRect(CXRect(0, 0, rect.Width(), rect.Height()));
    textObject_->Invalidate();
    button_->SetActiveRect(rect);
    updateCursor();
}

void CEditBox6::setPosition(CXPoint point)
{
    setRect(CXRect(point.x, point.y, wrapAdd(point.x, rect_.Width()), wrapAdd(point.y, rect_.Height())));
}

void CEditBox6::move(CXPoint delta)
{
    setPosition(CXPoint(wrapAdd(rect_.left, delta.x), wrapAdd(rect_.top, delta.y)));
}

CSimpleFont6* CEditBox6::font() const
{
    return static_cast<CSimpleFont6*>(font_.get());
}

int CEditBox6::lineWidth(const CXString& line) const
{
    return CText6::getLength(font(), line);
}

void CEditBox6::updateCursor()
{
    CGraphicsObject* cursor = cursor_.get();
    if (cursor == nullptr)
        return;
    cursor->Invalidate();
    if (cursorPos_ == 0) {
        cursor->SetPosition(rect_.left, wrapAdd(rect_.top, 1));
    } else {
        int x = wrapAdd(rect_.left, lineWidth(text_.Mid(lineStartBefore(text_, cursorPos_), cursorPos_)));
        // The cursor's own line: the breaks before it.
        int line = text_.Left(cursorPos_).getCount(kLineBreak);
        int lineHeight = font() != nullptr ? wrapSub(font()->Height(), 4) : 0;
        if (x < rect_.right)
            cursor->SetPosition(x, wrapAdd(wrapAdd(rect_.top, 1), wrapMul(line, lineHeight)));
    }
    cursor->Invalidate();
}

// ---- notifiers --------------------------------------------------------------------------------

void CEditBox6::addNotifier(CEditBoxNotifier* notifier)
{
    if (notifier != nullptr && std::find(notifiers_.begin(), notifiers_.end(), notifier) == notifiers_.end())
        notifiers_.push_back(notifier);
}

void CEditBox6::removeNotifier(CEditBoxNotifier* notifier)
{
    std::erase(notifiers_, notifier);
}

void CEditBox6::notify(int kind)
{
    using Told = void (CEditBoxNotifier::*)(CEditBox6*);
    static constexpr Told told[] = {&CEditBoxNotifier::onFocusOn, &CEditBoxNotifier::onFocusOff, &CEditBoxNotifier::onChanged,
                                    &CEditBoxNotifier::onEnter, &CEditBoxNotifier::onEsc};
    if (kind < FOCUS_ON || kind > ESC)
        return;
    // A notifier may leave, or delete the box, while it is told.
    const std::shared_ptr<const bool> alive = alive_;
    const std::vector<CEditBoxNotifier*> round = notifiers_;
    for (CEditBoxNotifier* notifier : round) {
        if (!*alive)
            return;
        if (std::find(notifiers_.begin(), notifiers_.end(), notifier) != notifiers_.end())
            (notifier->*told[kind - 1])(this);
    }
}

// ---- typing -----------------------------------------------------------------------------------

void CEditBox6::onKeyDown(int keyCode)
{
    if (!takesInput())
        return;
    const int length = text_.getLength();
    switch (keyCode) {
    case key::Escape:
        notify(ESC);
        return;
    case key::Backspace:
        if (cursorPos_ == 0)
            return;
        text_ = text_.Left(cursorPos_ - 1) + text_.Right(cursorPos_);
        --cursorPos_;
        break;
    case key::Return:
        if (!newLineDisabled_) {
            // The break goes in where the cursor stands, and the cursor after it.
            text_ = text_.Left(cursorPos_) + "|" + text_.Right(cursorPos_);
            ++cursorPos_;
            showText();
            updateCursor();
        }
        notify(ENTER);
        return;
    case key::Home:
        if (cursorPos_ == 0)
            return;
        cursorPos_ = 0;
        updateCursor();
        return;
    case key::Left:
    case key::Right:
    case key::End: {
        const int wanted = keyCode == key::Left ? cursorPos_ - 1 : keyCode == key::Right ? cursorPos_ + 1 : length;
        if (wanted < 0 || wanted > length || wanted == cursorPos_)
            return;
        cursorPos_ = wanted;
        updateCursor();
        return;
    }
    case key::Delete:
        if (cursorPos_ >= length)
            return;
        text_ = text_.Left(cursorPos_) + text_.Right(cursorPos_ + 1);
        break;
    default:
        return;
    }
    showText();
    updateCursor();
}

void CEditBox6::onChar(unsigned char ch)
{
    if (!takesInput())
        return;
    // The text shows mark-up: angle brackets are written as their stand-ins.
    const char typed = ch == '<' ? '@' : ch == '>' ? '$' : static_cast<char>(ch);
    const int at = cursorPos_;
    CXString candidate = text_.Left(at);
    candidate += typed;
    candidate += text_.Right(at);
    // The line typed in, not the last one: typing may happen anywhere in the text.
    const int lineStart = lineStartBefore(candidate, at);
    int lineEnd = candidate.Find(kLineBreak, at + 1);
    if (lineEnd < 0)
        lineEnd = candidate.getLength();
    if (lineWidth(candidate.Mid(lineStart, lineEnd)) <= rect_.Width()) {
        text_ = candidate;
        cursorPos_ = at + 1;
    } else if (!newLineDisabled_) {
        // The line breaks after its last blank, or before its last character.
        const int blank = candidate.FindLast(' ', lineEnd);
        const int cut = blank >= lineStart ? blank + 1 : lineEnd - 1;
        text_ = candidate.Left(cut) + "|" + candidate.Right(cut);
        // Just after the character typed, on the next line when the break came right after it.
        cursorPos_ = cut <= at + 1 ? at + 2 : at + 1;
    } else {
        return;
    }
    showText();
    updateCursor();
    notify(CHANGED);
}
