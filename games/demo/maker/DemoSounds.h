#pragma once

class DemoFolder;

// The demo's music and sound effects, composed here note by note.
class DemoSounds {
public:
    static void make(DemoFolder& folder);

private:
    // The day's tune in C major and the night's in A minor, each eight bars that loop.
    static void dayTheme(DemoFolder& folder);
    static void nightTheme(DemoFolder& folder);
    // The studio's evening tune in F major, and its sounds: the owl's speech and a dab of paint.
    static void studioTheme(DemoFolder& folder);
    static void effects(DemoFolder& folder);
    static void studioEffects(DemoFolder& folder);
};
