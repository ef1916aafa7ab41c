#include "filter/TicketFields.h"

#include <algorithm>
#include <vector>

#include "filter/JobKeyForm.h"
#include "settings/HexText.h"
#include "settings/SettingsKeys.h"

namespace keys_ = settings_keys;

namespace {

// The key's name without the common prefix, for messages.
std::string shortName(const std::string& key) {
    return key.substr(std::string(keys_::kPrefix).size());
}

[[noreturn]] void refuse(const std::string& key, const std::string& why) {
    throw JobRefused(shortName(key) + " " + why);
}

bool allOf(const std::string& text, bool (*accepted)(char)) {
    return std::all_of(text.begin(), text.end(), accepted);
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isUpperHex(char c) {
    return isDigit(c) || (c >= 'A' && c <= 'F');
}
bool isLowerHex(char c) {
    return isDigit(c) || (c >= 'a' && c <= 'f');
}
// Printable ASCII that may stand inside a quoted job-language string.
bool isQuotable(char c) {
    return c >= ' ' && c <= '~' && c != '"';
}

// The bytes of an upper-case hex text of whole bytes; refuses anything else.
std::string hexBytes(const std::string& key, const std::string& hex) {
    if (hex.empty() || hex.size() % 2 != 0 || !allOf(hex, isUpperHex)) refuse(key, "is not hex text");
    std::vector<unsigned char> bytes(hex.size() / 2 + 1, 0);
    myatoi(hex.c_str(), bytes.data(), static_cast<uint32_t>(hex.size()));
    return std::string(bytes.begin(), bytes.end() - 1);
}

// Control characters, DEL and the double quote become spaces, as the second
// name forms already have them, so that no name can end the quoted string.
std::string quotable(std::string name) {
    for (char& c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < ' ' || byte == 127 || c == '"') c = ' ';
    }
    if (name.size() > kTicketNameBytes) name.resize(kTicketNameBytes);
    return name;
}

std::optional<std::string> digestOf(const JobKeys& keys, const std::string& key) {
    const auto digest = valueOf(keys, key);
    if (digest && (digest->size() != 32 || !allOf(*digest, isLowerHex)))
        refuse(key, "is not a digest of 32 hex digits");
    return digest;
}

std::optional<std::string> paddedDigitsOf(const JobKeys& keys, const std::string& key, size_t longest) {
    const auto digits = valueOf(keys, key);
    if (digits && (digits->size() < 5 || digits->size() > longest || !allOf(*digits, isDigit)))
        refuse(key, "is not padded digits");
    return digits;
}

std::optional<std::string> spoolTimeOf(const JobKeys& keys) {
    const auto hex = valueOf(keys, keys_::kSpoolTime);
    if (!hex) return std::nullopt;
    std::string text = hexBytes(keys_::kSpoolTime, *hex);
    // The job key is its last 16 bytes; the text travels quoted.
    if (text.size() < 16 || text.size() >= value_buffers::kSpoolTime || !allOf(text, isQuotable))
        refuse(keys_::kSpoolTime, "does not decode to a spool time");
    return text;
}

Retention retentionOf(const JobKeys& keys) {
    const auto digit = valueOf(keys, keys_::kJobSuspend);
    if (!digit || *digit == keys_::kJobSuspendOff) return Retention::none;
    const auto row = digit->size() == 1 ? keys_::holdRowOfDigit((*digit)[0]) : std::nullopt;
    if (!row) refuse(keys_::kJobSuspend, "\"" + quotable(*digit) + "\" is no retention digit");
    constexpr Retention kByRow[] = {Retention::holdOnly, Retention::holdAfterPrint, Retention::samplePrint};
    return kByRow[*row];
}

std::string folderNameOf(const JobKeys& keys) {
    const auto hex = valueOf(keys, keys_::kFolderPath);
    if (!hex) refuse(keys_::kFolderPath, "is missing for a custom folder");
    const std::string name = hexBytes(keys_::kFolderPath, *hex);
    if (!allOf(name, isQuotable) || name.size() > 255) refuse(keys_::kFolderPath, "is no folder name");
    return name;
}

void readFiling(const JobKeys& keys, TicketFields& fields) {
    const auto digit = valueOf(keys, keys_::kFiling).value_or("0");
    if (digit == std::string(1, keys_::kFilingNone)) {
        fields.filing = FilingTarget::mainFolder;
        fields.folder = keys_::kStandardFolderPath;
    } else if (digit == std::string(1, keys_::kFilingQuickFile)) {
        fields.filing = FilingTarget::quickFile;
    } else if (digit == std::string(1, keys_::kFilingCustomFolder)) {
        fields.filing = FilingTarget::customFolder;
        fields.folder = folderNameOf(keys);
    } else {
        refuse(keys_::kFiling, "\"" + quotable(digit) + "\" is no filing digit");
    }
    fields.filed = fields.retention != Retention::none || fields.filing != FilingTarget::mainFolder;
    fields.folderDigest = digestOf(keys, keys_::kFolderPassword);
}

void readAuthentication(const JobKeys& keys, TicketFields& fields) {
    const auto method = valueOf(keys, keys_::kAuthentication);
    if (method && *method != "0" && *method != "1") refuse(keys_::kAuthentication, "is neither 0 nor 1");
    const bool byLoginName = !method || *method == "1";
    const bool byUserNumber = !method || *method == "0";
    if (byLoginName) {
        fields.loginNameForm = joinedPieces(keys, keys_::kLoginName0);
        if (!fields.loginNameForm && joinedPieces(keys, keys_::kLoginName1))
            refuse(std::string(keys_::kLoginName0) + "1", "is missing beside the login name");
        fields.passwordForm = valueOf(keys, keys_::kPassword);
        if (!fields.passwordForm && valueOf(keys, keys_::kPassword2))
            refuse(keys_::kPassword, "is missing beside the password");
    }
    if (byUserNumber && !fields.loginNameForm) fields.userNumber = paddedDigitsOf(keys, keys_::kUserNumber, 8);
}

// Every digest and job-key form is made with the spool-time text: without it
// the device could check none of them.
void checkAgainstSpoolTime(const JobKeys& keys, TicketFields& fields) {
    const bool needed = fields.passCodeDigest || fields.folderDigest || fields.loginNameForm || fields.passwordForm;
    fields.spoolTime = spoolTimeOf(keys);
    if (!needed) return;
    if (!fields.spoolTime) refuse(keys_::kSpoolTime, "is missing beside a digest or job-key form");
    if (fields.loginNameForm && !decipherJobKeyForm(*fields.loginNameForm, *fields.spoolTime))
        refuse(std::string(keys_::kLoginName0) + "1", "does not decipher under the spool time");
    if (fields.passwordForm && !decipherJobKeyForm(*fields.passwordForm, *fields.spoolTime))
        refuse(keys_::kPassword, "does not decipher under the spool time");
}

std::string nameOf(const JobKeys& keys, const std::string& key, const std::string& fallback) {
    const auto hex = valueOf(keys, key);
    return quotable(hex ? hexBytes(key, *hex) : fallback);
}

}  // namespace

TicketFields ticketFieldsOf(const JobKeys& keys, const CupsJob& job) {
    TicketFields fields;
    fields.userName = nameOf(keys, keys_::kUserName2, job.user);
    fields.jobName = nameOf(keys, keys_::kJobName2, job.title);
    fields.copies = std::max(job.copies, 1);
    fields.retention = retentionOf(keys);
    fields.passCodeDigest = digestOf(keys, keys_::kJobSuspendKey);
    if (fields.passCodeDigest && fields.retention == Retention::none)
        refuse(keys_::kJobSuspendKey, "is given for a job without retention");
    readFiling(keys, fields);
    readAuthentication(keys, fields);
    fields.accountNumber = paddedDigitsOf(keys, keys_::kAccountNumber, 5);
    checkAgainstSpoolTime(keys, fields);
    return fields;
}
