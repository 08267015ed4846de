#include "platform/MenuNavigator.h"

namespace platform {

MenuNavigator::MenuNavigator(const Menu& menu)
{
    levels_.push_back(Level{&menu, std::string(), 0});
    layOut();
}

std::string MenuNavigator::title() const
{
    std::string path;
    for (const Level& level : levels_) {
        if (level.title.empty())
            continue;
        if (!path.empty())
            path += " > ";
        path += level.title;
    }
    return path;
}

std::optional<int> MenuNavigator::press(size_t index)
{
    if (index >= buttons_.size())
        return std::nullopt;
    const Button::Kind kind = buttons_[index].kind;
    const MenuItem* entry = entries_[index];
    switch (kind) {
    case Button::Kind::Command:
        levels_.clear();
        layOut();
        return entry->id;
    case Button::Kind::Popup:
        levels_.push_back(Level{&entry->items, withoutMarks(entry->text), 0});
        break;
    case Button::Kind::More:
        ++levels_.back().page;
        break;
    case Button::Kind::Back:
        back();
        break;
    case Button::Kind::Close:
        levels_.clear();
        break;
    }
    layOut();
    return std::nullopt;
}

void MenuNavigator::back()
{
    if (levels_.back().page > 0)
        --levels_.back().page;
    else
        levels_.pop_back();
}

void MenuNavigator::layOut()
{
    buttons_.clear();
    entries_.clear();
    if (levels_.empty())
        return;
    const Level& level = levels_.back();
    std::vector<const MenuItem*> shown;
    for (const MenuItem& item : *level.items) {
        if (item.kind != MenuItem::Kind::Separator)
            shown.push_back(&item);
    }
    const size_t first = level.page * kPageSize;
    for (size_t i = first; i < shown.size() && i < first + kPageSize; ++i) {
        const MenuItem& item = *shown[i];
        const auto kind = item.kind == MenuItem::Kind::Popup ? Button::Kind::Popup : Button::Kind::Command;
        buttons_.push_back(Button{kind, withoutMarks(item.text), item.checked});
        entries_.push_back(&item);
    }
    auto addPaging = [this](Button::Kind kind, const char* text) {
        buttons_.push_back(Button{kind, text, false});
        entries_.push_back(nullptr);
    };
    if (first + kPageSize < shown.size())
        addPaging(Button::Kind::More, "More...");
    if (level.page > 0 || levels_.size() > 1)
        addPaging(Button::Kind::Back, "Back");
    addPaging(Button::Kind::Close, "Close");
}

std::string MenuNavigator::withoutMarks(const std::string& text)
{
    std::string shown;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;
        else if (text[i] == '&')
            continue;
        shown += text[i];
    }
    return shown;
}

} // namespace platform
