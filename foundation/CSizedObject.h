#pragma once

// Anything with a width and a height in pixels. The graphics object implements it, so geometry
// can centre one in a rectangle without knowing the graphics layer.
class CSizedObject {
public:
    virtual ~CSizedObject() = default;
    virtual int getWidth() = 0;
    virtual int getHeight() = 0;
};
