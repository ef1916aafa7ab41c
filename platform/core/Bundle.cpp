#include "platform/core/Bundle.h"

#include <dlfcn.h>
#include <libintl.h>

#include "platform/controls/LayoutLoader.h"
#include "platform/core/RegularFile.h"

namespace {

std::string infoString(const nlohmann::json& info, const char* key) {
    const auto found = info.find(key);
    return found != info.end() && found->is_string() ? found->get<std::string>() : std::string();
}

}  // namespace

NSBundle::NSBundle(std::filesystem::path path, nlohmann::json info) : path_(std::move(path)), info_(std::move(info)) {
    // Bind the bundle's text domain to its own catalogue once, at load.
    const std::string domain = bundleIdentifier();
    if (!domain.empty()) {
        bindtextdomain(domain.c_str(), (resourcePath() / "locale").c_str());
        bind_textdomain_codeset(domain.c_str(), "UTF-8");
    }
}

std::unique_ptr<NSBundle> NSBundle::bundleWithPath(const std::filesystem::path& path) {
    const std::optional<std::string> text = platform::readRegularFile(path / "Contents" / "Info.json");
    if (!text) return nullptr;
    nlohmann::json info = nlohmann::json::parse(*text, nullptr, false);
    if (!info.is_object()) return nullptr;
    return std::unique_ptr<NSBundle>(new NSBundle(std::filesystem::absolute(path), std::move(info)));
}

std::unique_ptr<NSBundle> NSBundle::bundleContainingAddress(const void* address) {
    Dl_info where{};
    if (!dladdr(address, &where) || !where.dli_fname) return nullptr;
    // <bundle>/Contents/Linux/<executable>.so
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::canonical(where.dli_fname, error);
    if (error) return nullptr;
    return bundleWithPath(executable.parent_path().parent_path().parent_path());
}

std::string NSBundle::bundleIdentifier() const {
    return infoString(info_, "CFBundleIdentifier");
}

std::string NSBundle::principalClassName() const {
    return infoString(info_, "NSPrincipalClass");
}

std::filesystem::path NSBundle::executablePath() const {
    return path_ / "Contents" / "Linux" / (infoString(info_, "CFBundleExecutable") + ".so");
}

std::filesystem::path NSBundle::resourcePath() const {
    return path_ / "Contents" / "Resources";
}

std::optional<std::string> NSBundle::pathForResource(const std::string& name, const std::string& type) const {
    const std::filesystem::path file = resourcePath() / (type.empty() ? name : name + "." + type);
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
    return file.string();
}

std::string NSBundle::localizedStringForKey(const std::string& key, const std::string& value,
                                            const std::string& /*table*/) const {
    // gettext answers the catalogue's header for the empty key.
    if (key.empty()) return value;
    const std::string domain = bundleIdentifier();
    const char* translated = dgettext(domain.c_str(), key.c_str());
    if (translated == key.c_str() || key == translated) return value.empty() ? key : value;
    return translated;
}

std::shared_ptr<NSView> NSBundle::loadNibNamed(const std::string& name, platform::LayoutOwner& owner) const {
    const std::optional<std::string> path = pathForResource(name, "json");
    return path ? platform::loadLayoutFile(*path, owner) : nullptr;
}

namespace platform {

std::optional<NSData> readFileData(const std::filesystem::path& path) {
    const std::optional<std::string> contents = readRegularFile(path);
    if (!contents) return std::nullopt;
    return NSData(contents->begin(), contents->end());
}

}  // namespace platform
