// Loading the device's answer only when it is well-formed XML. The parser
// itself is lenient: it keeps an unknown entity as text, drops text outside
// the root element and writes any character reference, even &#0;.
#pragma once

#include <pugixml.hpp>
#include <string>

namespace folders {

// Loads `text` (UTF-8) into `document` with the parse `options` when it is
// one element with nothing but markup and white space around it, holds only
// characters that XML allows, and every reference in it names one of XML's
// five entities or an allowed character. Answers whether it did.
bool loadWellFormed(const std::string& text, pugi::xml_document& document, unsigned options);

}  // namespace folders
