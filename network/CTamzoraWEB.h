#pragma once

#include "foundation/CXString.h"
#include "platform/Registry.h"

class CDownloadManagerIfc;

// The per-user records of the engine and of the games installed from the web, kept as string
// values under "Software\Halvremont\TamzoraWeb" (a sub-key per game), with an uninstall entry
// per game under the machine's root; and the installation and removal of those games below the
// working folder.
//
// A game's short name names its folder, its package (the name + ".pik"), its key and its
// uninstall entry, so only a plain name is taken: one component, no separators, no drive, no
// "..", no wildcards.
class CTamzoraWEB {
public:
    static const char* const ENGINE_KEY;    // "Software\Halvremont\TamzoraWeb"
    static const char* const UNINSTALL_KEY; // "Software\Microsoft\Windows\CurrentVersion\Uninstall\TamzoraWEB_"

    // The value's text; empty when the key or the value is missing, or the value is longer than
    // 199 bytes.
    static CXString get_registry(platform::RegistryRoot root, const CXString& key, const CXString& name);
    // Creates the key as needed and sets the value; true when it was set.
    static bool set_registry(platform::RegistryRoot root, const CXString& key, const CXString& name, const CXString& value);
    // Replaces a value that holds text, creates one that does not; the result of the setting.
    static bool update_registry(platform::RegistryRoot root, const CXString& key, const CXString& name, const CXString& value);
    static bool add_registry(platform::RegistryRoot root, const CXString& key, const CXString& name, const CXString& value);
    // Deletes the value; nothing when the key or the value is missing.
    static void delete_registry(platform::RegistryRoot root, const CXString& key, const CXString& name);
    // Deletes the key with all its sub-keys, the deepest and the last first; false when the key is
    // missing or a part of it could not be deleted.
    static bool delete_registry_key(platform::RegistryRoot root, const CXString& key);
    // The player program where the games are installed: "Path" and "File" of the engine's key,
    // joined by one "\".
    static CXString get_full_tzweb_path();

    // Installs the game into the working folder unless it is installed (its folder exists and its
    // "InstallTime" is set): the manager fetches its package from the server (without a manager
    // the package must lie in the working folder already), the package is unpacked and deleted,
    // and the game's records and uninstall entry are written. True when the game's folder exists
    // afterwards; false at once, with nothing written, when the download failed or the name is
    // not plain.
    static bool install(CDownloadManagerIfc* manager, const CXString& game, const CXString& fullName, const CXString& server);
    // Removes the game: its folder below the engine's "Path" (only when the name is plain, "Path"
    // is set and the folder lies right inside it), then its records and its uninstall entry. 0
    // when the folder was deleted; 1 otherwise, and nothing at all is touched when the name is not
    // plain or "Path" is empty.
    static int uninstall(const CXString& game);

    // Whether the short name may name a game (see above).
    static bool isPlainName(const CXString& game);
    // The game's key below the engine's.
    static CXString gameKey(const CXString& game);

private:
    static void writeRecords(const CXString& game, const CXString& fullName);
    static bool removeGameFolder(const CXString& folder);
};
