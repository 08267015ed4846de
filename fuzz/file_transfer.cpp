// File transfers from hostile frames: the bytes are cut into frames; requests go to a sender
// manager (whose names come from the peer), responses and data to a receiver manager that has
// asked for three files. A file the receiver completes must hold every byte it announced.
#include "network/CFileReceiver_Entry.h"
#include "network/CFileReceiver_Listener.h"
#include "network/CFileReceiver_Manager.h"
#include "network/CFileSender_Manager.h"
#include "network/CMessageStack.h"
#include "network/CNetFileRequestMessage.h"
#include "network/CNetMessageProcessor.h"
#include "network/CXSocket.h"
#include "fuzz/ScratchDrive.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

// While an input runs, the working folder is a scratch folder holding the one file a request may
// find; the driver's own folder comes back afterwards.
class InScratchFolder {
public:
    InScratchFolder()
    {
        static ScratchDrive scratch;
        static bool written = [] {
            scratch.folder.write("a.txt", std::string(25000, 'a'));
            return true;
        }();
        (void)written;
        std::filesystem::current_path(scratch.folder.path());
    }
    ~InScratchFolder() { std::filesystem::current_path(saved_); }

private:
    std::filesystem::path saved_ = std::filesystem::current_path();
};

struct Completed : CFileReceiver_Listener {
    bool onFileReceived(CFileReceiver_Entry* entry) override
    {
        if (entry->getReceived() != entry->getSize() || entry->getData() == nullptr)
            std::abort();
        return true;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    InScratchFolder scratch;
    // Never connected: requests and answers are built and their sends fail.
    static CXSocket socket(nullptr);
    CFileReceiver_Manager::unique_id = 0;
    Completed completed;
    CFileReceiver_Manager receiver(&completed);
    for (const char* name : {"a.txt", "b.txt", "c.txt"})
        receiver.add_file(&socket, "", "", name);
    CFileSender_Manager sender;

    CMessageStack stack(&socket);
    stack.push(data, static_cast<int>(size));
    while (CNetMessage* raw = stack.get()) {
        std::unique_ptr<CNetMessage> frame(raw);
        std::unique_ptr<CNetMessage> typed(CNetMessageProcessor::makeTyped(frame.get()));
        if (auto* request = dynamic_cast<CNetFileRequestMessage*>(typed.get())) {
            if (request->isWellFormed())
                sender.add_file(&socket, request->getRequestId(), request->getFirstFolder(),
                                request->getSecondFolder(), request->getFileName());
        } else if (typed != nullptr) {
            receiver.received(typed.get());
        }
    }
    for (int i = 0; i < 8 && sender.getCount() > 0; ++i)
        sender.tick();
    return 0;
}
