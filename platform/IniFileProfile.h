#pragma once

#include "platform/IniDocument.h"
#include "platform/ProfileIni.h"

#include <functional>
#include <mutex>

namespace platform {

// INI files on disk, read and edited through IniDocument; names without a folder go to
// bareNameFolder.
class IniFileProfile final : public ProfileIni {
public:
    explicit IniFileProfile(std::string bareNameFolder);

    std::string getString(const std::string& file, const std::string& section, const std::string& key,
                          const std::string& defaultValue) override;
    int getInt(const std::string& file, const std::string& section, const std::string& key, int defaultValue) override;
    bool writeString(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value) override;
    bool deleteKey(const std::string& file, const std::string& section, const std::string& key) override;
    bool deleteSection(const std::string& file, const std::string& section) override;

    // The native path of an INI file name.
    std::string nativePath(const std::string& file) const;

private:
    bool read(const std::string& file, const std::string& section, const std::string& key, std::string& value);
    // Applies an edit and saves when it reports a change.
    bool change(const std::string& file, const std::function<bool(IniDocument&)>& edit);

    std::string bareNameFolder_;
    std::mutex mutex_;
};

} // namespace platform
