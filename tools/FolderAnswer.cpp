#include "tools/FolderAnswer.h"

#include <pugixml.hpp>
#include <sstream>

namespace {

constexpr const char* kEnvelopeNamespace = "http://schemas.xmlsoap.org/soap/envelope/";
constexpr const char* kFilingNamespace = "urn:nelvo-mfp:document-filing";

void addText(pugi::xml_node parent, const char* name, const std::string& text) {
    parent.append_child(name).text().set(text.c_str());
}

const char* trueOrFalse(bool value) {
    return value ? "true" : "false";
}

}  // namespace

std::string folderListAnswer(const std::vector<SimulatedFolder>& folders, const std::string& resultCode, bool pretty) {
    pugi::xml_document document;
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";

    pugi::xml_node envelope = document.append_child("SOAP-ENV:Envelope");
    envelope.append_attribute("xmlns:SOAP-ENV") = kEnvelopeNamespace;
    pugi::xml_node answer = envelope.append_child("SOAP-ENV:Body").append_child("m:list-files-response");
    answer.append_attribute("xmlns:m") = kFilingNamespace;
    addText(answer, "result-code", resultCode);
    pugi::xml_node files = answer.append_child("files");
    for (const SimulatedFolder& folder : folders) {
        pugi::xml_node entry = files.append_child("file");
        addText(entry, "name", folder.name);
        addText(entry, "password", trueOrFalse(folder.password));
        addText(entry, "dir", trueOrFalse(folder.dir));
    }

    std::ostringstream out;
    document.save(out, "  ", pretty ? pugi::format_indent : pugi::format_raw, pugi::encoding_utf8);
    return out.str();
}
