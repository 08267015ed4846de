#pragma once

class CFileReceiver_Entry;

// Told of every file a receiver manager has collected whole.
class CFileReceiver_Listener {
public:
    virtual ~CFileReceiver_Listener() = default;

    // True when the listener has dealt with the file itself; false to have it saved.
    virtual bool onFileReceived(CFileReceiver_Entry* entry) = 0;
};
