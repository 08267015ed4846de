#pragma once

// The script object types of the media and device objects, made known to the script core: their
// makers for definition elements, their empty objects for CREATE and the scene archive, their
// pictures for lookups by name ("name" and "name!frame"), their runners, the live scene's media
// as sequences find them by name, and the BUTTON a scene's CREATEOBJECT makes. The player and the
// test fixtures call it once, before the engine host builds a game (the runner factory makes its
// runners then); calling it again changes nothing.
class CObjectTypes {
public:
    static void registerAll();
};
