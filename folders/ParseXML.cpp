// Reading the device's folder answer from the response file into the
// panel's folder list.
#include <cstring>
#include <pugixml.hpp>

#include "folders/AnswerDecoding.h"
#include "folders/FolderList.h"
#include "folders/ResponseFile.h"
#include "folders/WellFormedAnswer.h"
#include "plugin/Logging.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"

namespace {

// Comments and processing instructions stay children, as in the device's
// tree; white space between elements forms no child.
constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_comments | pugi::parse_pi;

bool isElementNamed(pugi::xml_node node, const char* name) {
    return node.type() == pugi::node_element && std::strcmp(node.name(), name) == 0;
}

// The text of all the node's descendants, in document order.
std::string textContent(pugi::xml_node node) {
    struct TextCollector : pugi::xml_tree_walker {
        std::string text;
        bool for_each(pugi::xml_node& descendant) override {
            if (descendant.type() == pugi::node_pcdata || descendant.type() == pugi::node_cdata)
                text += descendant.value();
            return true;
        }
    } collector;
    node.traverse(collector);
    return collector.text;
}

// The answer in the response file, decoded and well-formed; anything else
// is no answer at all.
bool loadAnswer(const std::string& path, pugi::xml_document& document) {
    const std::optional<std::string> contents = folders::readOwnPrivateFile(path);
    if (!contents) return false;
    const std::optional<std::string> text = folders::answerAsUtf8(*contents);
    return text && folders::loadWellFormed(*text, document, kParseOptions);
}

// The record of one entry of "files"; none for an entry without "name",
// which the menu could give no title, and for one whose name holds a control
// character, which the menu or a terminal would act on instead of showing.
std::optional<FolderRecord> folderRecordOf(pugi::xml_node entry) {
    std::optional<std::string> name;
    FolderRecord record;
    for (const pugi::xml_node child : entry.children()) {
        if (isElementNamed(child, "name"))
            name = textContent(child);
        else if (isElementNamed(child, "password") && textContent(child) == "true")
            record.password = true;
        else if (isElementNamed(child, "dir") && textContent(child) == "true")
            record.dir = true;
    }
    if (!name || folders::hasControlCharacter(*name)) return std::nullopt;
    record.name = std::move(*name);
    return record;
}

// The step of the walk down the device's answer: the last child of `node`
// (of any kind: element, text, comment), or the empty node when it has none
// or is itself empty.
pugi::xml_node MyGetChild(pugi::xml_node node) {
    return node.last_child();
}

}  // namespace

bool NelvoPrintPdeZlm420kJC::parseXML(const std::string& path) {
    PDEProlog(this, "--parseXML:(%@)", path.c_str());
    pugi::xml_document document;
    if (!loadAnswer(path, document)) return false;

    // Envelope, its last child (the body), and the body's last child.
    const pugi::xml_node answer = MyGetChild(MyGetChild(document.document_element()));
    deviceFolders.folderList.emplace();
    if (!answer.first_child()) return false;

    bool succeeded = true;  // an answer without "result-code" counts as success
    pugi::xml_node files;
    for (const pugi::xml_node child : answer.children()) {
        if (isElementNamed(child, "result-code"))
            succeeded = textContent(child) == "ok";
        else if (isElementNamed(child, "files"))
            files = child;
    }
    if (!files || !succeeded) return false;

    for (const pugi::xml_node entry : files.children())
        if (std::optional<FolderRecord> record = folderRecordOf(entry))
            deviceFolders.folderList->push_back(std::move(*record));
    folders::keepFirstFolders(*deviceFolders.folderList, "the device's answer");
    return true;
}
