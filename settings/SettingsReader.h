// Reads the job values back into the panel's controls: for each field the
// value remembered for a locked field, else the one in the print settings,
// else a default; sets the lock buttons and runs the action handlers in
// their order, so that dependent controls follow the values read.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/core/PrintingFramework.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"
#include "settings/SettingsKeys.h"
#include "settings/StoredText.h"

namespace reader_fields {

using Panel = NelvoPrintPdeZlm420kJC;
using Handler = void (Panel::*)(NSControl*);

// The enciphered fields: all read alike, from the remembered value or the
// fixed-key hex form of the print settings.
struct SecretField {
    Outlet<NSTextField> Panel::*field;
    uint32_t bit;
    std::optional<std::string> Panel::*remembered;
    const char* key;
    size_t digits;
    bool lengthCheck;  // longer than the field can hold: dropped
    Outlet<NSButton> Panel::*lockButton;
    Handler handler;
};

inline constexpr SecretField kPassCode{&Panel::suspendKeyEditText,   lock_bits::kPassCode,
                                       &Panel::prefSuspendKeyStringRef, settings_keys::kJobSuspend2Key,
                                       32,                            true,
                                       &Panel::suspendKeyButton,      &Panel::suspendKeyButtonProc};
inline constexpr SecretField kPassword{&Panel::passwordEditText,      lock_bits::kPassword,
                                       &Panel::prefPasswordStringRef, settings_keys::kPassword2,
                                       64,                            false,
                                       &Panel::passwordButton,        &Panel::passwordButtonProc};
inline constexpr SecretField kUserNumber{&Panel::userNumberEditText,      lock_bits::kUserNumber,
                                         &Panel::prefUserNumberStringRef, settings_keys::kUserNumber2,
                                         32,                              false,
                                         &Panel::userNumberButton,        &Panel::userNumberButtonProc};
inline constexpr SecretField kAccountNumber{&Panel::accountNumberEditText,      lock_bits::kAccountNumber,
                                            &Panel::prefAccountNumberStringRef, settings_keys::kAccountNumber2,
                                            32,                                 true,
                                            &Panel::accountNumberButton,        &Panel::accountNumberButtonProc};
inline constexpr SecretField kFolderPassCode{&Panel::folderPasswordEditText,   lock_bits::kFolderPassCode,
                                             &Panel::prefFolderPassStringRef,  settings_keys::kFolderPassword2,
                                             32,                               true,
                                             &Panel::folderPasswordButton,     &Panel::folderPasswordButtonProc};

// The names under which the device lists the job: plain text remembered,
// hex text in the print settings, a default from the system.
struct NameField {
    Outlet<NSTextField> Panel::*field;
    uint32_t bit;
    std::optional<std::string> Panel::*remembered;
    const char* key;
    Outlet<NSButton> Panel::*lockButton;
    Handler handler;
    // The default; none leaves the field as it is.
    std::optional<std::string> (*fallback)(PMPrintSettings settings);
};

// The logged-in user's full name, when the system gives one.
std::optional<std::string> fullUserName(PMPrintSettings settings);
// The job's own name, or the empty text when the job has none.
std::optional<std::string> jobOwnName(PMPrintSettings settings);

inline constexpr NameField kUserName{&Panel::userNameEditText,      lock_bits::kUserName,
                                     &Panel::prefUserNameStringRef, settings_keys::kUserName,
                                     &Panel::userNameButton,        &Panel::userNameButtonProc,
                                     &fullUserName};
inline constexpr NameField kJobName{&Panel::jobNameEditText,      lock_bits::kJobName,
                                    &Panel::prefJobNameStringRef, settings_keys::kJobName,
                                    &Panel::jobNameButton,        &Panel::jobNameButtonProc,
                                    &jobOwnName};

}  // namespace reader_fields

class SettingsReader {
public:
    using SecretField = reader_fields::SecretField;
    using NameField = reader_fields::NameField;

    SettingsReader(NelvoPrintPdeZlm420kJC& panel, PMPrintSettings settings);

    void read();

private:
    void readLockMask();
    int readRetention();
    void selectRetentionMode(int code);
    void readSecretField(const SecretField& field);
    void readFiling();
    bool readFilingTarget();
    bool readRememberedFolderName(bool& lock);
    void readAuthentication();
    void readLoginName();
    StoredText storedLoginName(bool& lock);
    void applyLoginNameLock(bool lock);
    void readName(const NameField& field);
    void bringDependentControlsInLine();

    std::optional<std::string> value(const char* key) const;
    // Whether the remembered mask has `bit`; clears it, so that a remembered
    // value is applied at the first restore of a panel only.
    bool takeRememberedBit(uint32_t bit);
    bool jobHasLock(uint32_t bit) const;
    // Decoded bytes as text in the system encoding; empty when they are not
    // valid in it.
    std::string textFromBytes(const std::string& bytes) const;

    NelvoPrintPdeZlm420kJC& panel_;
    PMPrintSettings settings_;
};
