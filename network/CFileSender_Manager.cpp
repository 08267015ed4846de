#include "network/CFileSender_Manager.h"

#include "foundation/RelativeNames.h"
#include "network/CNetFileResponseMessage.h"

#include <memory>

int CFileSender_Manager::unique_id = 0;

int CFileSender_Manager::add_file(CXSocket* socket, int requestId, const CXString& firstFolder,
                                  const CXString& secondFolder, const CXString& fileName)
{
    if (!foundation::isNameBelowFolder(fileName, MAX_NAME_LENGTH))
        return 0;
    // The next id, handed out only once the file is accepted.
    auto entry = std::make_unique<CFileSender_Entry>(socket, requestId, unique_id + 1, firstFolder, secondFolder,
                                                     fileName);
    int length = entry->getFileLength();
    if (length < 0 || length > CNetFileResponseMessage::MAX_FILE_SIZE)
        return 0;
    int id = ++unique_id;
    entries_.add(id, entry.release());
    return id;
}

int CFileSender_Manager::tick()
{
    int dataSent = 0;
    for (CFileSender_Entry* entry : entries_.snapshot()) {
        int before = entry->getSent();
        if (!entry->send())
            remove_file(entry->getId());
        else
            dataSent += entry->getSent() - before;
    }
    return dataSent;
}

void CFileSender_Manager::remove_file(int id)
{
    entries_.remove(id);
}

void CFileSender_Manager::remove_connection(CXSocket* socket)
{
    entries_.removeOn(socket);
}
