#pragma once

// The one process-wide implementation of an interface that a lower layer asks of an upper one
// (the window host, the engine host). Its owner installs it while it exists; null removes it.
// Main thread only.
template <class Link>
class CInstalledLink {
public:
    static void install(Link* link) { installed_ = link; }
    static Link* installed() { return installed_; }

private:
    static inline Link* installed_ = nullptr;
};
