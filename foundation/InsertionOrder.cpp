#include "foundation/InsertionOrder.h"

#include "foundation/CXVector.h"

namespace foundation {

InsertionOrder::InsertionOrder(int viewSize) : view_(new CXVector(viewSize, 0.75f))
{
}

InsertionOrder::~InsertionOrder()
{
    delete view_;
}

void InsertionOrder::add(CXObject* element)
{
    const uint64_t position = nextPosition_++;
    order_.emplace_hint(order_.end(), position, element);
    positions_[element].push_back(position);
    // Appending keeps a current vector current.
    if (!viewStale_)
        view_->add(element);
}

bool InsertionOrder::remove(const CXObject* element)
{
    auto found = positions_.find(element);
    if (found == positions_.end())
        return false;
    std::vector<uint64_t>& positions = found->second;
    order_.erase(positions.front());
    positions.erase(positions.begin());
    if (positions.empty())
        positions_.erase(found);
    viewStale_ = true;
    return true;
}

void InsertionOrder::clear()
{
    order_.clear();
    positions_.clear();
    view_->removeAll();
    viewStale_ = false;
}

CXVector* InsertionOrder::view() const
{
    if (viewStale_) {
        view_->removeAll();
        for (const auto& [position, element] : order_)
            view_->add(element);
        viewStale_ = false;
    }
    return view_;
}

} // namespace foundation
