#include "sound/CSequenceLinks.h"

#include <algorithm>
#include <unordered_set>

void CSequenceLinks::clear()
{
    links_.clear();
    below_.clear();
    above_.clear();
    measures_.clear();
}

CSequenceLinks::Measure CSequenceLinks::measureOf(CPlayable* node) const
{
    auto found = measures_.find(node);
    return found != measures_.end() ? found->second : Measure();
}

bool CSequenceLinks::reaches(CPlayable* from, CPlayable* to) const
{
    std::unordered_set<CPlayable*> seen;
    std::vector<CPlayable*> pending{from};
    while (!pending.empty()) {
        CPlayable* node = pending.back();
        pending.pop_back();
        if (node == to)
            return true;
        auto children = below_.find(node);
        if (!seen.insert(node).second || children == below_.end())
            continue;
        pending.insert(pending.end(), children->second.begin(), children->second.end());
    }
    return false;
}

std::unordered_map<CPlayable*, CSequenceLinks::Reach> CSequenceLinks::ancestorsOf(CPlayable* parent) const
{
    std::unordered_map<CPlayable*, Reach> reach;
    std::vector<CPlayable*> pending{parent};
    while (!pending.empty()) {
        CPlayable* node = pending.back();
        pending.pop_back();
        if (!reach.emplace(node, Reach()).second)
            continue;
        auto parents = above_.find(node);
        if (parents != above_.end())
            pending.insert(pending.end(), parents->second.begin(), parents->second.end());
    }
    return reach;
}

CSequenceLinks::Reach& CSequenceLinks::reachOf(CPlayable* node, CPlayable* parent, std::unordered_map<CPlayable*, Reach>& reach) const
{
    // Known heights bound the recursion by the depth limit.
    Reach& own = reach.at(node);
    if (own.ways > 0 || node == parent) {
        own.ways = std::max(own.ways, 1L);
        return own;
    }
    auto children = below_.find(node);
    for (size_t i = 0; children != below_.end() && i < children->second.size(); ++i) {
        CPlayable* child = children->second[i];
        if (reach.count(child) == 0)
            continue;
        const Reach& below = reachOf(child, parent, reach);
        own.ways = std::min(own.ways + below.ways, maxPaths_ + 1);
        own.longest = std::max(own.longest, below.longest + 1);
    }
    return own;
}

bool CSequenceLinks::add(CPlayable* parent, CPlayable* child)
{
    if (parent == child || reaches(child, parent))
        return false;
    const Measure added = measureOf(child);
    std::unordered_map<CPlayable*, Reach> reach = ancestorsOf(parent);
    std::vector<std::pair<CPlayable*, Measure>> changed;
    for (auto& [node, unused] : reach) {
        const Reach& way = reachOf(node, parent, reach);
        Measure measure = measureOf(node);
        measure.height = std::max(measure.height, way.longest + 1 + added.height);
        measure.paths = std::min(measure.paths + way.ways * added.paths, maxPaths_ + 1);
        if (measure.height > maxDepth_ || measure.paths > maxPaths_)
            return false;
        changed.emplace_back(node, measure);
    }
    for (const auto& [node, measure] : changed)
        measures_[node] = measure;
    links_.emplace_back(parent, child);
    below_[parent].push_back(child);
    above_[child].push_back(parent);
    return true;
}
