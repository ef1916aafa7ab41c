#include "host/gtk/GtkJobOptions.h"

#include <algorithm>
#include <sstream>

#include "host/InputText.h"

namespace host {

namespace {

// GTK's prefix for the options of a CUPS printer in its settings.
constexpr std::string_view kCupsPrefix = "cups-";

std::string settingOf(const std::map<std::string, std::string>& settings, const std::string& key) {
    const auto found = settings.find(key);
    return found == settings.end() ? std::string() : found->second;
}

std::string sidesOf(const std::string& duplex) {
    if (duplex == "horizontal") return "two-sided-long-edge";
    if (duplex == "vertical") return "two-sided-short-edge";
    if (duplex == "simplex") return "one-sided";
    return {};
}

std::string bumped(const std::string& page) {
    const std::optional<int> number = wholeNumber(page);
    return number && *number >= 0 ? std::to_string(*number + 1) : std::string();
}

// GTK's own settings: those its CUPS printing turns into job options.
void addGeneralChoices(const std::map<std::string, std::string>& settings, OptionPairs& options) {
    const auto add = [&options](const std::string& name, const std::string& value) {
        if (!value.empty()) options.emplace_back(name, value);
    };
    add("copies", settingOf(settings, "n-copies"));
    const std::string collate = settingOf(settings, "collate");
    if (!collate.empty()) add("Collate", collate == "true" ? "true" : "false");
    if (settingOf(settings, "reverse") == "true") add("OutputOrder", "Reverse");
    if (settingOf(settings, "print-pages") == "ranges")
        add("page-ranges", pageRangesFromGtk(settingOf(settings, "page-ranges")));
    const std::string pageSet = settingOf(settings, "page-set");
    if (pageSet == "even" || pageSet == "odd") add("page-set", pageSet);
    // A queue whose PPD offers two-sided printing shows its own choice.
    if (!settings.contains("cups-Duplex") && !settings.contains("cups-sides"))
        add("sides", sidesOf(settingOf(settings, "duplex")));
    add("number-up", settingOf(settings, "number-up"));
    add("number-up-layout", settingOf(settings, "number-up-layout"));
    const std::string scale = settingOf(settings, "scale");
    if (!scale.empty() && scale != "100") add("scaling", scale);
}

}  // namespace

std::string pageRangesFromGtk(const std::string& ranges) {
    std::string converted;
    std::istringstream parts(ranges);
    for (std::string part; std::getline(parts, part, ',');) {
        const size_t dash = part.find('-');
        const std::string first = bumped(part.substr(0, dash));
        const std::string last = dash == std::string::npos ? first : bumped(part.substr(dash + 1));
        if (first.empty() || last.empty()) return {};
        if (!converted.empty()) converted += ',';
        converted += first == last ? first : first + "-" + last;
    }
    return converted;
}

OptionPairs jobOptionsFromGtk(const std::map<std::string, std::string>& gtkSettings,
                              const std::vector<std::string>& panelKeys) {
    OptionPairs options;
    addGeneralChoices(gtkSettings, options);
    // The printer's own options come after GTK's general ones, as GTK's
    // CUPS printing adds them: a PPD's Duplex then wins over "sides".
    for (const auto& [key, value] : gtkSettings)
        if (key.starts_with(kCupsPrefix) && !value.empty()) options.emplace_back(key.substr(kCupsPrefix.size()), value);
    std::erase_if(options, [&panelKeys](const auto& option) {
        return std::find(panelKeys.begin(), panelKeys.end(), option.first) != panelKeys.end();
    });
    return options;
}

}  // namespace host
