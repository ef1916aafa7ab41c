// One descriptor per job field that has a lock button: the control that
// holds its value, the lock that keeps it, the print-settings keys and value
// form in which it travels, the sizes of that form, the input filter of the
// field, and where the remembered defaults keep it. The writer, the reader,
// the lock mask, the remembered defaults and the controls' set-up all loop
// over this table; nothing else states these facts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "platform/controls/NSObject.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"
#include "settings/SettingsKeys.h"

namespace job_fields {

using Panel = NelvoPrintPdeZlm420kJC;
using Handler = void (Panel::*)(NSControl*);

// How the value travels in the print settings. The first key of each form
// is the one that a later dialog reads back.
enum class Form {
    passCode,   // fixed-key hex form; job digest of the padded digits
    number,     // fixed-key hex form; padded digits
    password,   // fixed-key hex form; job-key Base64 form
    loginName,  // fixed-key Base64 form; job-key Base64 form; both in pieces
    name,       // hex text; the filter's hex text (Windows Latin-1 outside East Asia)
    none,       // the folder name: the filing keys carry it
};

// How the remembered defaults keep the value.
enum class StoredForm {
    fixedKeyHex,       // the first `storedCharacters` characters in the system encoding
    asciiFixedKeyHex,  // the whole text when it is plain ASCII of at most `storedCharacters`
    fixedKeyBase64,    // the first `storedCharacters` characters in the system encoding
    asTyped,
};

enum class InputFilter { digits, roman, loginName };

// What the name fields show when neither the defaults nor the job hold a name.
enum class NameDefault { none, userFullName, jobOwnName };

// The characters and bytes of a field's text that go into its form.
struct TextLimits {
    size_t characters = 0;
    size_t bytes = 0;
};

struct JobField {
    Outlet<NSTextField> PanelOutlets::*field;
    Outlet<NSButton> PanelOutlets::*lockButton;
    uint32_t lockBit;
    Handler lockHandler;

    Form form;
    const char* key;        // read back by a later dialog
    const char* filterKey;  // for the printer's filter alone
    TextLimits sent;
    size_t cipherBytes;           // of the fixed-key hex form: one block or two
    bool spoolTimeFirst;          // in the job digest, before the padded digits
    bool onlyWithRetention;       // travels only while retention is on
    bool longerThanEntryDropped;  // read back longer than the field takes: dropped
    NameDefault nameDefault;

    InputFilter filter;
    uint64_t entryLimit;  // characters the input filter lets in; 0 for no limit

    const char* recordKey;
    std::optional<std::string> RememberedValues::*remembered;
    StoredForm storedForm;
    size_t storedCharacters;
};

inline constexpr size_t kOneBlock = value_buffers::kCipherBlock;
inline constexpr size_t kTwoBlocks = 2 * kOneBlock;
// Digits of pass codes and numbers that travel: more than a field takes,
// for digits set without its filter.
inline constexpr TextLimits kSentDigits{8, 8};
inline constexpr size_t kLongestName = 255;
inline constexpr uint64_t kPassCodeEntry = Panel::getPasswordMax();

inline constexpr JobField kPassCode{.field = &PanelOutlets::suspendKeyEditText,
                                    .lockButton = &PanelOutlets::suspendKeyButton,
                                    .lockBit = lock_bits::kPassCode,
                                    .lockHandler = &Panel::suspendKeyButtonProc,
                                    .form = Form::passCode,
                                    .key = settings_keys::kJobSuspend2Key,
                                    .filterKey = settings_keys::kJobSuspendKey,
                                    .sent = kSentDigits,
                                    .cipherBytes = kOneBlock,
                                    .spoolTimeFirst = false,
                                    .onlyWithRetention = true,
                                    .longerThanEntryDropped = true,
                                    .nameDefault = NameDefault::none,
                                    .filter = InputFilter::digits,
                                    .entryLimit = kPassCodeEntry,
                                    .recordKey = "pass code",
                                    .remembered = &RememberedValues::prefSuspendKeyStringRef,
                                    .storedForm = StoredForm::fixedKeyHex,
                                    .storedCharacters = 16};

// Read with the filing target.
inline constexpr JobField kFolderName{.field = &PanelOutlets::folderNameEditText,
                                      .lockButton = &PanelOutlets::folderNameButton,
                                      .lockBit = lock_bits::kFolderName,
                                      .lockHandler = &Panel::folderNameButtonProc,
                                      .form = Form::none,
                                      .key = nullptr,
                                      .filterKey = nullptr,
                                      .sent = {},
                                      .cipherBytes = 0,
                                      .spoolTimeFirst = false,
                                      .onlyWithRetention = false,
                                      .longerThanEntryDropped = false,
                                      .nameDefault = NameDefault::none,
                                      .filter = InputFilter::roman,
                                      .entryLimit = kLongestName,
                                      .recordKey = "folder name",
                                      .remembered = &RememberedValues::prefFolderNameStringRef,
                                      .storedForm = StoredForm::asTyped,
                                      .storedCharacters = 0};

inline constexpr JobField kLoginName{.field = &PanelOutlets::loginNameEditText,
                                     .lockButton = &PanelOutlets::loginNameButton,
                                     .lockBit = lock_bits::kLoginName,
                                     .lockHandler = &Panel::loginNameButtonProc,
                                     .form = Form::loginName,
                                     .key = settings_keys::kLoginName1,
                                     .filterKey = settings_keys::kLoginName0,
                                     .sent = {kLongestName, kLongestName},
                                     .cipherBytes = 0,
                                     .spoolTimeFirst = false,
                                     .onlyWithRetention = false,
                                     .longerThanEntryDropped = false,
                                     .nameDefault = NameDefault::none,
                                     .filter = InputFilter::loginName,
                                     .entryLimit = 0,
                                     .recordKey = "user login name",
                                     .remembered = &RememberedValues::prefLoginNameStringRef,
                                     .storedForm = StoredForm::fixedKeyBase64,
                                     .storedCharacters = kLongestName};

inline constexpr JobField kPassword{.field = &PanelOutlets::passwordEditText,
                                    .lockButton = &PanelOutlets::passwordButton,
                                    .lockBit = lock_bits::kPassword,
                                    .lockHandler = &Panel::passwordButtonProc,
                                    .form = Form::password,
                                    .key = settings_keys::kPassword2,
                                    .filterKey = settings_keys::kPassword,
                                    .sent = {32, 32},
                                    .cipherBytes = kTwoBlocks,
                                    .spoolTimeFirst = false,
                                    .onlyWithRetention = false,
                                    .longerThanEntryDropped = false,
                                    .nameDefault = NameDefault::none,
                                    .filter = InputFilter::roman,
                                    .entryLimit = 31,
                                    .recordKey = "user password",
                                    .remembered = &RememberedValues::prefPasswordStringRef,
                                    .storedForm = StoredForm::fixedKeyHex,
                                    .storedCharacters = 32};

inline constexpr JobField kUserNumber{.field = &PanelOutlets::userNumberEditText,
                                      .lockButton = &PanelOutlets::userNumberButton,
                                      .lockBit = lock_bits::kUserNumber,
                                      .lockHandler = &Panel::userNumberButtonProc,
                                      .form = Form::number,
                                      .key = settings_keys::kUserNumber2,
                                      .filterKey = settings_keys::kUserNumber,
                                      .sent = kSentDigits,
                                      .cipherBytes = kOneBlock,
                                      .spoolTimeFirst = false,
                                      .onlyWithRetention = false,
                                      .longerThanEntryDropped = false,
                                      .nameDefault = NameDefault::none,
                                      .filter = InputFilter::digits,
                                      .entryLimit = kPassCodeEntry,
                                      .recordKey = "user number",
                                      .remembered = &RememberedValues::prefUserNumberStringRef,
                                      .storedForm = StoredForm::fixedKeyHex,
                                      .storedCharacters = 16};

inline constexpr JobField kAccountNumber{.field = &PanelOutlets::accountNumberEditText,
                                         .lockButton = &PanelOutlets::accountNumberButton,
                                         .lockBit = lock_bits::kAccountNumber,
                                         .lockHandler = &Panel::accountNumberButtonProc,
                                         .form = Form::number,
                                         .key = settings_keys::kAccountNumber2,
                                         .filterKey = settings_keys::kAccountNumber,
                                         .sent = {kSentDigits.characters, 5},
                                         .cipherBytes = kOneBlock,
                                         .spoolTimeFirst = false,
                                         .onlyWithRetention = false,
                                         .longerThanEntryDropped = true,
                                         .nameDefault = NameDefault::none,
                                         .filter = InputFilter::digits,
                                         .entryLimit = kPassCodeEntry,
                                         .recordKey = "account number",
                                         .remembered = &RememberedValues::prefAccountNumberStringRef,
                                         .storedForm = StoredForm::fixedKeyHex,
                                         .storedCharacters = 16};

inline constexpr JobField kUserName{.field = &PanelOutlets::userNameEditText,
                                    .lockButton = &PanelOutlets::userNameButton,
                                    .lockBit = lock_bits::kUserName,
                                    .lockHandler = &Panel::userNameButtonProc,
                                    .form = Form::name,
                                    .key = settings_keys::kUserName,
                                    .filterKey = settings_keys::kUserName2,
                                    .sent = {32, 32},
                                    .cipherBytes = 0,
                                    .spoolTimeFirst = false,
                                    .onlyWithRetention = false,
                                    .longerThanEntryDropped = false,
                                    .nameDefault = NameDefault::userFullName,
                                    .filter = InputFilter::roman,
                                    .entryLimit = 32,
                                    .recordKey = "user name",
                                    .remembered = &RememberedValues::prefUserNameStringRef,
                                    .storedForm = StoredForm::asTyped,
                                    .storedCharacters = 0};

inline constexpr JobField kJobName{.field = &PanelOutlets::jobNameEditText,
                                   .lockButton = &PanelOutlets::jobNameButton,
                                   .lockBit = lock_bits::kJobName,
                                   .lockHandler = &Panel::jobNameButtonProc,
                                   .form = Form::name,
                                   .key = settings_keys::kJobName,
                                   .filterKey = settings_keys::kJobName2,
                                   .sent = {32, 32},
                                   .cipherBytes = 0,
                                   .spoolTimeFirst = false,
                                   .onlyWithRetention = false,
                                   .longerThanEntryDropped = false,
                                   .nameDefault = NameDefault::jobOwnName,
                                   .filter = InputFilter::roman,
                                   .entryLimit = 80,
                                   .recordKey = "job name",
                                   .remembered = &RememberedValues::prefJobNameStringRef,
                                   .storedForm = StoredForm::asTyped,
                                   .storedCharacters = 0};

inline constexpr JobField kFolderPassCode{.field = &PanelOutlets::folderPasswordEditText,
                                          .lockButton = &PanelOutlets::folderPasswordButton,
                                          .lockBit = lock_bits::kFolderPassCode,
                                          .lockHandler = &Panel::folderPasswordButtonProc,
                                          .form = Form::passCode,
                                          .key = settings_keys::kFolderPassword2,
                                          .filterKey = settings_keys::kFolderPassword,
                                          .sent = kSentDigits,
                                          .cipherBytes = kOneBlock,
                                          .spoolTimeFirst = true,
                                          .onlyWithRetention = false,
                                          .longerThanEntryDropped = true,
                                          .nameDefault = NameDefault::none,
                                          .filter = InputFilter::digits,
                                          .entryLimit = kPassCodeEntry,
                                          .recordKey = "folder pass code",
                                          .remembered = &RememberedValues::prefFolderPassStringRef,
                                          .storedForm = StoredForm::asciiFixedKeyHex,
                                          .storedCharacters = kLongestName};

// In the order in which the reader takes them: each field's lock handler
// runs the enabling rules, which see the fields read before it. The writer
// and the remembered defaults keep the same order.
inline constexpr const JobField* kFields[] = {&kPassCode,      &kFolderName, &kLoginName, &kPassword,      &kUserNumber,
                                              &kAccountNumber, &kUserName,   &kJobName,   &kFolderPassCode};

// The lock bits of the buttons that are on; an absent button is off.
uint32_t lockMaskOf(const Panel& panel);

namespace consistency {

constexpr bool locksAreOnePerBit() {
    uint32_t seen = 0;
    for (const JobField* field : kFields) {
        if (field->lockBit == 0 || (field->lockBit & (field->lockBit - 1)) != 0 || (seen & field->lockBit) != 0)
            return false;
        seen |= field->lockBit;
    }
    return seen == lock_bits::kAll;
}

// By position: the sanitizers' builds do not compare addresses at compile time.
constexpr bool recordKeysAreDistinct() {
    for (size_t a = 0; a < std::size(kFields); ++a)
        for (size_t b = a + 1; b < std::size(kFields); ++b)
            if (std::string_view(kFields[a]->recordKey) == kFields[b]->recordKey) return false;
    return true;
}

constexpr bool hasFixedKeyHexForm(const JobField& field) {
    return field.form == Form::passCode || field.form == Form::number || field.form == Form::password;
}

// Every byte sent is enciphered into the blocks that the fixed-key hex form
// writes out, and every form has keys exactly when it travels.
constexpr bool formsHoldWhatTheySend() {
    for (const JobField* field : kFields) {
        const bool travels = field->form != Form::none;
        if (travels != (field->key != nullptr) || travels != (field->filterKey != nullptr)) return false;
        if (hasFixedKeyHexForm(*field) != (field->cipherBytes != 0)) return false;
        if (field->cipherBytes != 0 && value_buffers::wholeBlocks(field->sent.bytes) > field->cipherBytes) return false;
        if (field->sent.bytes >= value_buffers::kClearText || field->storedCharacters >= value_buffers::kClearText)
            return false;
    }
    return true;
}

static_assert(locksAreOnePerBit(), "each lock button has a bit of its own, and every bit a button");
static_assert(recordKeysAreDistinct(), "each field is remembered under a key of its own");
static_assert(formsHoldWhatTheySend(), "a value form holds every byte that its field sends");

}  // namespace consistency

}  // namespace job_fields
