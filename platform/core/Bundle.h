// A bundle: a directory holding Contents/Info.json, the executable under
// Contents/Linux/ and the resources under Contents/Resources/, with localized
// strings from the bundle's own gettext catalogue.
#pragma once

#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/CoreTypes.h"

class NSView;
namespace platform {
class LayoutOwner;
}

class NSBundle {
public:
    // The bundle at `path`, or none when it has no readable Contents/Info.json.
    static std::unique_ptr<NSBundle> bundleWithPath(const std::filesystem::path& path);
    // The bundle whose executable holds the code at `address` (a function or
    // object of that executable), or none when the code is not in a bundle.
    static std::unique_ptr<NSBundle> bundleContainingAddress(const void* address);

    const std::filesystem::path& bundlePath() const { return path_; }
    const nlohmann::json& infoDictionary() const { return info_; }
    std::string bundleIdentifier() const;
    std::string principalClassName() const;
    std::filesystem::path executablePath() const;
    std::filesystem::path resourcePath() const;

    // The path of the resource `name`.`type`, or none when the file is missing.
    std::optional<std::string> pathForResource(const std::string& name, const std::string& type) const;

    // The translation of `key` in the bundle's catalogue for the user's
    // language; `value` (when not empty) or else the key itself when there is
    // none. The table name is accepted for the platform's sake: the bundle
    // has one catalogue.
    std::string localizedStringForKey(const std::string& key, const std::string& value = {},
                                      const std::string& table = {}) const;

    // The layout resource `name` (a .json file) loaded into a view, its
    // controls connected to `owner`; none when it is missing or malformed.
    std::shared_ptr<NSView> loadNibNamed(const std::string& name, platform::LayoutOwner& owner) const;

private:
    NSBundle(std::filesystem::path path, nlohmann::json info);

    std::filesystem::path path_;
    nlohmann::json info_;
};

namespace platform {

// The whole contents of a file, or none when it cannot be read.
std::optional<NSData> readFileData(const std::filesystem::path& path);

}  // namespace platform
