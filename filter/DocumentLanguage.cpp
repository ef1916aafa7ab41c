#include "filter/DocumentLanguage.h"

std::optional<DocumentLanguage> documentLanguageOf(std::string_view firstBytes) {
    if (firstBytes.starts_with("%PDF-")) return DocumentLanguage::pdf;
    if (firstBytes.starts_with("\x04")) firstBytes.remove_prefix(1);
    if (firstBytes.starts_with("%!")) return DocumentLanguage::postScript;
    return std::nullopt;
}

const char* languageName(DocumentLanguage language) {
    return language == DocumentLanguage::pdf ? "PDF" : "POSTSCRIPT";
}
