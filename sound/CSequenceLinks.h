#pragma once

#include <unordered_map>
#include <utility>
#include <vector>

class CPlayable;

// The links a sequence file makes between its playables (parent, child), kept within bounds as
// they are made: none that would close a loop, no path down longer than the depth limit, and no
// playable with more ways down than the paths limit. Each link is measured against the heights
// and numbers of ways down kept for every linked playable, walking only the new child's tree and
// the parent's ancestors.
class CSequenceLinks {
public:
    CSequenceLinks(int maxDepth, long maxPaths) : maxDepth_(maxDepth), maxPaths_(maxPaths) {}

    // Records the link and answers true, or answers false and records nothing.
    bool add(CPlayable* parent, CPlayable* child);
    // In the order they were made.
    const std::vector<std::pair<CPlayable*, CPlayable*>>& all() const { return links_; }
    int count() const { return static_cast<int>(links_.size()); }
    void clear();

private:
    struct Measure {
        int height = 0;
        long paths = 1;
    };
    // What the link would add to an ancestor of the parent: the ways from it to the parent and
    // the longest of them.
    struct Reach {
        long ways = 0;
        int longest = 0;
    };

    bool reaches(CPlayable* from, CPlayable* to) const;
    // The parent and its ancestors, each with its reach of the parent.
    std::unordered_map<CPlayable*, Reach> ancestorsOf(CPlayable* parent) const;
    Reach& reachOf(CPlayable* node, CPlayable* parent, std::unordered_map<CPlayable*, Reach>& reach) const;
    Measure measureOf(CPlayable* node) const;

    int maxDepth_;
    long maxPaths_;
    std::vector<std::pair<CPlayable*, CPlayable*>> links_;
    std::unordered_map<CPlayable*, std::vector<CPlayable*>> below_;
    std::unordered_map<CPlayable*, std::vector<CPlayable*>> above_;
    std::unordered_map<CPlayable*, Measure> measures_;
};
