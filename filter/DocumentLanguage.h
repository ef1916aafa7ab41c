// The document's language, told from its first bytes, for the ticket's
// ENTER LANGUAGE line.
#pragma once

#include <optional>
#include <string_view>

enum class DocumentLanguage { postScript, pdf };

// The bytes needed to tell the language.
inline constexpr size_t kLanguageSniffBytes = 5;

// PostScript starts with "%!" (after an optional Control-D), PDF with
// "%PDF-"; none for anything else.
std::optional<DocumentLanguage> documentLanguageOf(std::string_view firstBytes);

// The language's name in the ticket.
const char* languageName(DocumentLanguage language);
