#pragma once

// Receiver of the window's key events, every listener in registration order. Keys are the
// keyboard poller's key codes; characters are code page 1250 bytes. A listener leaves the window
// before it is destroyed: the window keeps a bare pointer.
class CKeyListener {
public:
    virtual ~CKeyListener() = default;

    virtual void onKeyUp(int key) {}
    virtual void onKeyDown(int key) {}
    virtual void onChar(unsigned char ch) {}
};
