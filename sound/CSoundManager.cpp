#include "sound/CSoundManager.h"

#include "sound/CMusicLoopLink.h"
#include "sound/CSound4.h"

CSoundManager::~CSoundManager()
{
    Flush();
}

CSoundManager* CSoundManager::current()
{
    return dynamic_cast<CSoundManager*>(CSoundManagerLink::installed());
}

CSoundManager::Node* CSoundManager::firstNodeOf(CSound4* sound)
{
    for (Node& node : nodes_)
        if (node.sound == sound && !node.removed)
            return &node;
    return nullptr;
}

void CSoundManager::add(CSound4* sound, bool owned)
{
    nodes_.push_back(Node{sound, false, owned, false});
    ++count_;
}

void CSoundManager::play(CSound4* sound)
{
    if (Node* node = firstNodeOf(sound))
        node->playing = true;
}

void CSoundManager::remove(CSound4* sound)
{
    Node* node = firstNodeOf(sound);
    if (node == nullptr)
        return;
    --count_;
    node->sound = nullptr;
    node->removed = true;
}

int CSoundManager::domodal()
{
    // Sounds added by the reports are appended and reported in the same pass.
    for (Node& node : nodes_) {
        if (node.sound == nullptr || node.removed || !node.playing)
            continue;
        if (!node.sound->isPaused() && !node.sound->IsPlaying()) {
            node.playing = false;
            node.sound->OnWAVFinished();
        }
    }
    nodes_.remove_if([](const Node& node) { return node.removed; });
    CMusicLoopLink::deliverPending();
    return 0;
}

void CSoundManager::pause()
{
    for (Node& node : nodes_)
        if (node.sound != nullptr && node.sound->isPlaying())
            node.sound->pause();
}

void CSoundManager::resume()
{
    for (Node& node : nodes_)
        if (node.sound != nullptr && node.sound->isPaused())
            node.sound->resume();
}

void CSoundManager::Flush()
{
    domodal();
    std::list<Node> nodes;
    nodes.swap(nodes_);
    count_ = 0;
    // An owned sound's destructor asks this manager to remove it: the list is already empty.
    for (Node& node : nodes)
        if (node.owned && node.sound != nullptr)
            delete node.sound;
}
