#include "host/ScriptRunner.h"

#include <cstdlib>
#include <istream>
#include <map>
#include <nlohmann/json.hpp>
#include <ostream>
#include <sstream>

#include "host/InputText.h"
#include "host/ScriptCommand.h"
#include "host/ViewDump.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/Containers.h"
#include "platform/controls/Menus.h"
#include "platform/controls/TextFields.h"
#include "platform/core/PrintDialogPlugIn.h"
#include "platform/core/TextConversion.h"
#include "platform/defaults/UserDefaults.h"

namespace host {

namespace {

// The plug-in keeps a queue's remembered values in the defaults domain of
// this name followed by the queue's name. The dialog only shows them
// (`prefs`), so it names the domain itself rather than borrowing the
// plug-in's headers.
constexpr const char* kRememberedValuesDomainPrefix = "nelvo.mfp.";

// What the dialog prints is valid UTF-8 even when a control or a stored
// value is not: such text is shown with replacement characters.
std::string asUtf8Json(const nlohmann::json& value, int indent = -1) {
    return value.dump(indent, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace

ScriptRunner::ScriptRunner(LoadedPlugIn& plugIn, std::shared_ptr<ScriptedHost> host, std::ostream& out)
    : plugIn_(plugIn), host_(std::move(host)), out_(out) {}

ScriptRunner::~ScriptRunner() = default;

void ScriptRunner::run(std::istream& script) {
    std::string line;
    for (size_t number = 1; std::getline(script, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line[start] == '#') continue;
        try {
            runCommand(line.substr(start));
        } catch (const UsageError& error) {
            throw UsageError("line " + std::to_string(number) + ": " + error.what());
        }
    }
}

void ScriptRunner::runCommand(const std::string& line) {
    static const std::map<std::string, Handler> handlers = {
        {"open", &ScriptRunner::open},       {"view", &ScriptRunner::view},         {"show", &ScriptRunner::show},
        {"restore", &ScriptRunner::restore}, {"save", &ScriptRunner::save},         {"print", &ScriptRunner::print},
        {"hide", &ScriptRunner::hide},       {"help", &ScriptRunner::help},         {"close", &ScriptRunner::close},
        {"name", &ScriptRunner::name},       {"kind", &ScriptRunner::kind},         {"keys", &ScriptRunner::keys},
        {"summary", &ScriptRunner::summary}, {"settings", &ScriptRunner::settings}, {"dump", &ScriptRunner::dump},
        {"prefs", &ScriptRunner::prefs},     {"set", &ScriptRunner::set},           {"unset", &ScriptRunner::unset},
        {"click", &ScriptRunner::click},     {"select", &ScriptRunner::select},     {"type", &ScriptRunner::type},
        {"erase", &ScriptRunner::erase},
    };
    const Command command(line);
    if (const auto replaced = replacements_.find(command.verb()); replaced != replacements_.end()) {
        replaced->second(command);
        return;
    }
    const auto handler = handlers.find(command.verb());
    if (handler == handlers.end()) throw UsageError("unknown command '" + quotedInMessage(command.verb()) + "'");
    (this->*handler->second)(command);
}

void ScriptRunner::replaceCommand(const std::string& verb, Replacement replacement) {
    replacements_[verb] = std::move(replacement);
}

void ScriptRunner::adoptPanel(std::shared_ptr<PDEPanel> panel, std::shared_ptr<ScriptedHost> host) {
    host_ = std::move(host);
    panel_ = std::move(panel);
    view_ = panel_ ? panel_->panelView() : nullptr;
}

PDEPanel& ScriptRunner::panel(const Command& command) {
    if (!panel_) throw UsageError("'" + command.verb() + "' needs an open panel: use 'open' first");
    return *panel_;
}

void ScriptRunner::open(const Command& command) {
    if (command.words.size() > 2) throw UsageError("usage: open [TYPE]");
    const std::string type = command.words.size() == 2 ? command.words[1] : kPrintDialogPDEType;
    const std::optional<PDEPanelList> panels = plugIn_.principal().PDEPanelsForType(type, host_);
    const size_t count = panels ? panels->size() : 0;
    out_ << "panels " << count << "\n";
    // A later open replaces the panel: the dialog lets the earlier one go.
    view_.reset();
    panel_ = count > 0 ? panels->front() : nullptr;
}

void ScriptRunner::view(const Command& command) {
    command.expectArguments(0, "view");
    view_ = panel(command).panelView();
    out_ << "view: " << (view_ ? "loaded" : "none") << "\n";
}

void ScriptRunner::show(const Command& command) {
    command.expectArguments(0, "show");
    panel(command).willShow();
}

namespace {

const char* yesOrNo(bool answer) {
    return answer ? "YES" : "NO";
}

}  // namespace

// The answer is taken before its line is begun: a missing panel must not
// leave half a line, and what the call itself prints must not land inside it.
void ScriptRunner::restore(const Command& command) {
    command.expectArguments(0, "restore");
    const bool answer = panel(command).restoreValuesAndReturnError(nullptr);
    out_ << "restore: " << yesOrNo(answer) << "\n";
}

void ScriptRunner::save(const Command& command) {
    command.expectArguments(0, "save");
    const bool answer = panel(command).saveValuesAndReturnError(nullptr);
    out_ << "save: " << yesOrNo(answer) << "\n";
}

void ScriptRunner::print(const Command& command) {
    command.expectArguments(0, "print");
    const bool answer = panel(command).shouldPrint();
    printed_ = true;
    out_ << "print: " << yesOrNo(answer) << "\n";
}

void ScriptRunner::hide(const Command& command) {
    command.expectArguments(0, "hide");
    const bool answer = panel(command).shouldHide();
    out_ << "hide: " << yesOrNo(answer) << "\n";
}

void ScriptRunner::help(const Command& command) {
    command.expectArguments(0, "help");
    const bool answer = panel(command).shouldShowHelp();
    out_ << "help: " << yesOrNo(answer) << "\n";
}

void ScriptRunner::close(const Command& command) {
    command.expectArguments(0, "close");
    panel(command);
    view_.reset();
    panel_.reset();
}

void ScriptRunner::name(const Command& command) {
    command.expectArguments(0, "name");
    out_ << panel(command).panelName() << "\n";
}

void ScriptRunner::kind(const Command& command) {
    command.expectArguments(0, "kind");
    out_ << panel(command).panelKind() << "\n";
}

void ScriptRunner::keys(const Command& command) {
    command.expectArguments(0, "keys");
    for (const std::string& key : panel(command).supportedPPDOptionKeys())
        out_ << key << "\n";
}

void ScriptRunner::summary(const Command& command) {
    command.expectArguments(0, "summary");
    out_ << asUtf8Json(nlohmann::json(panel(command).summaryInfo())) << "\n";
}

void ScriptRunner::settings(const Command& command) {
    command.expectArguments(0, "settings");
    for (const auto& [key, value] : host_->settings().values())
        out_ << key << "=" << value << "\n";
}

void ScriptRunner::dump(const Command& command) {
    command.expectArguments(0, "dump");
    PDEPanel& shown = panel(command);
    // What the dialog shows: the panel's view.
    view_ = shown.panelView();
    nlohmann::json state = dumpView(view_.get());
    const auto* inspection = dynamic_cast<const PanelInspection*>(&shown);
    const nlohmann::json inner = inspection ? inspection->inspectionState() : nullptr;
    state["folderList"] = inner.is_object() && inner.contains("folderList") ? inner["folderList"] : nullptr;
    out_ << asUtf8Json(state, 2) << "\n";
}

void ScriptRunner::prefs(const Command& command) {
    command.expectArguments(0, "prefs");
    // What any process stored last, not what this one has cached.
    NSUserDefaults::resetStandardUserDefaults();
    NSUserDefaults* store = NSUserDefaults::standardUserDefaults();
    const std::string domainName = kRememberedValuesDomainPrefix + host_->printer().identifier;
    const std::optional<nlohmann::json> domain = store ? store->persistentDomainForName(domainName) : std::nullopt;
    out_ << asUtf8Json(domain ? *domain : nlohmann::json::object(), 2) << "\n";
}

void ScriptRunner::set(const Command& command) {
    if (command.words.size() < 3) throw UsageError("usage: set KEY VALUE");
    // Print settings hold text; bytes that are not UTF-8 could never be
    // written back to the settings file.
    const std::string pair = command.words[1] + " " + command.restAfterWords(2);
    if (!platform::stringFromBytes(pair.data(), pair.size(), NSUTF8StringEncoding))
        throw UsageError("the key and value of 'set' must be UTF-8 text");
    host_->settings().set(command.words[1], command.restAfterWords(2));
}

void ScriptRunner::unset(const Command& command) {
    command.expectArguments(1, "unset KEY");
    host_->settings().remove(command.words[1]);
}

namespace {

int parseIndex(const std::string& text) {
    const std::optional<int> index = wholeNumber(text);
    if (!index) throw UsageError("'" + text + "' is not an index");
    return *index;
}

void check(platform::UserResult result, const std::string& name) {
    if (result != platform::UserResult::done)
        throw UsageError("cannot operate '" + name + "': " + platform::describe(result));
}

}  // namespace

NSObject& ScriptRunner::namedObject(const Command& command) {
    const std::string& name = command.words[1];
    // The control lies in the view that the dialog shows.
    view_ = panel(command).panelView();
    NSObject* object = view_ ? view_->objectNamed(name) : nullptr;
    if (!view_) throw UsageError("the panel has no view: its layout could not be loaded");
    if (!object) throw UsageError("the panel has no control named '" + quotedInMessage(name) + "'");
    return *object;
}

template <class Control>
Control& ScriptRunner::control(const Command& command, const char* kindName) {
    auto* found = dynamic_cast<Control*>(&namedObject(command));
    if (!found) throw UsageError("'" + command.words[1] + "' is not " + kindName);
    return *found;
}

void ScriptRunner::click(const Command& command) {
    command.expectArguments(1, "click NAME");
    check(control<NSButton>(command, "a button").performClick(), command.words[1]);
}

void ScriptRunner::select(const Command& command) {
    command.expectArguments(2, "select NAME INDEX");
    const int index = parseIndex(command.words[2]);
    const std::string& name = command.words[1];
    NSObject* object = &namedObject(command);
    if (auto* matrix = dynamic_cast<NSMatrix*>(object))
        check(matrix->userSelectCellAtRow(index), name);
    else if (auto* popUp = dynamic_cast<NSPopUpButton*>(object))
        check(popUp->userSelectItemAtIndex(index), name);
    else if (auto* tabs = dynamic_cast<NSTabView*>(object))
        check(tabs->userSelectTabViewItemAtIndex(index), name);
    else
        throw UsageError("'" + name + "' is not a radio matrix, a pop-up menu or a tab view");
}

void ScriptRunner::type(const Command& command) {
    if (command.words.size() < 3) throw UsageError("usage: type NAME TEXT");
    check(control<NSTextField>(command, "a text field").userTypeText(command.restAfterWords(2)), command.words[1]);
}

void ScriptRunner::erase(const Command& command) {
    command.expectArguments(1, "erase NAME");
    check(control<NSTextField>(command, "a text field").userEraseAll(), command.words[1]);
}

}  // namespace host
