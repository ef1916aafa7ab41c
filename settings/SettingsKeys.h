// The job-handling keys of the print settings, the lock mask and the value
// forms that the printer's filter consumes, and where the values that are
// choices sit in the controls. The writer, the reader, the remembered
// defaults and the controls' handlers all take their names from here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace settings_keys {

inline constexpr const char* kPrefix = "nelvo.print.PrintSettings.";

inline constexpr const char* kSpoolTime = "nelvo.print.PrintSettings.spoolTime";
inline constexpr const char* kFiling = "nelvo.print.PrintSettings.filing";
inline constexpr const char* kFolderPath = "nelvo.print.PrintSettings.folderPath";
inline constexpr const char* kFolderPath2 = "nelvo.print.PrintSettings.folderPath2";
inline constexpr const char* kJobSuspend = "nelvo.print.PrintSettings.jobSuspend";
inline constexpr const char* kJobSuspendKey = "nelvo.print.PrintSettings.jobSuspendKey";
inline constexpr const char* kJobSuspend2Key = "nelvo.print.PrintSettings.jobSuspend2Key";
inline constexpr const char* kAuthentication = "nelvo.print.PrintSettings.Authentication";
// Base keys of chunked values: the piece number (1, 2, ...) follows.
inline constexpr const char* kLoginName1 = "nelvo.print.PrintSettings.loginName1";
inline constexpr const char* kLoginName0 = "nelvo.print.PrintSettings.loginName0";
inline constexpr const char* kLoginName1Piece1 = "nelvo.print.PrintSettings.loginName11";
inline constexpr const char* kLoginName1Piece2 = "nelvo.print.PrintSettings.loginName12";
inline constexpr const char* kPassword = "nelvo.print.PrintSettings.password";
inline constexpr const char* kPassword2 = "nelvo.print.PrintSettings.password2";
inline constexpr const char* kUserNumber = "nelvo.print.PrintSettings.userNumber";
inline constexpr const char* kUserNumber2 = "nelvo.print.PrintSettings.userNumber2";
inline constexpr const char* kAccountNumber = "nelvo.print.PrintSettings.accountNumber";
inline constexpr const char* kAccountNumber2 = "nelvo.print.PrintSettings.accountNumber2";
inline constexpr const char* kUserName = "nelvo.print.PrintSettings.userName";
inline constexpr const char* kUserName2 = "nelvo.print.PrintSettings.userName2";
inline constexpr const char* kJobName = "nelvo.print.PrintSettings.jobName";
inline constexpr const char* kJobName2 = "nelvo.print.PrintSettings.jobName2";
inline constexpr const char* kFolderPassword = "nelvo.print.PrintSettings.folderPassword";
inline constexpr const char* kFolderPassword2 = "nelvo.print.PrintSettings.folderPassword2";
inline constexpr const char* kHoldButton = "nelvo.print.PrintSettings.holdButton";

// The main folder's path, stored as hex text.
inline constexpr const char* kStandardFolderPath = "*standard";

// Filing digits.
inline constexpr char kFilingNone = '0';
inline constexpr char kFilingQuickFile = '1';
inline constexpr char kFilingCustomFolder = '3';

// Retention digits, by row of the hold-mode matrix: hold only, hold after
// print, sample print. Off is "0".
inline constexpr const char* kJobSuspendOff = "0";
inline constexpr const char* kJobSuspendDigitForRow[3] = {"2", "1", "3"};

// The hold-mode row that a retention digit stands for; none for off and for
// any character that is no retention digit.
constexpr std::optional<int> holdRowOfDigit(char digit) {
    for (int row = 0; row < 3; ++row)
        if (kJobSuspendDigitForRow[row][0] == digit) return row;
    return std::nullopt;
}

// The part length of chunked values.
inline constexpr size_t kChunkLength = 254;

}  // namespace settings_keys

// Where the choices sit: rows of the radio matrices and items of the folder
// menu.
namespace positions {

inline constexpr int kHoldOnlyRow = 0;
inline constexpr int kHoldAfterPrintRow = 1;
inline constexpr int kSamplePrintRow = 2;

inline constexpr int kQuickFileItem = 0;
inline constexpr int kMainFolderItem = 1;
inline constexpr int kFirstListedFolderItem = 3;  // item 3 + i is folderList[i]
inline constexpr int kFixedFolderItems = 2;       // quick file and main folder

inline constexpr int kQuickFileRow = 0;
inline constexpr int kMainFolderRow = 1;
inline constexpr int kCustomFolderRow = 2;

inline constexpr int kLoginNameRow = 0;
inline constexpr int kUserNumberRow = 1;

}  // namespace positions

// One bit per lock button.
namespace lock_bits {

inline constexpr uint32_t kPassCode = 1;         // suspendKeyButton
inline constexpr uint32_t kLoginName = 2;        // loginNameButton
inline constexpr uint32_t kPassword = 4;         // passwordButton
inline constexpr uint32_t kUserName = 8;         // userNameButton
inline constexpr uint32_t kJobName = 16;         // jobNameButton
inline constexpr uint32_t kFolderPassCode = 32;  // folderPasswordButton
inline constexpr uint32_t kUserNumber = 64;      // userNumberButton
inline constexpr uint32_t kAccountNumber = 128;  // accountNumberButton
inline constexpr uint32_t kFolderName = 256;     // folderNameButton

// Any of these set in the remembered mask makes the remembered
// authentication method win over the print settings.
inline constexpr uint32_t kAuthenticationGroup = kLoginName | kPassword | kUserNumber;
inline constexpr uint32_t kAll = 511;

}  // namespace lock_bits

// Sizes of the conversion buffers that shape the value forms.
namespace value_buffers {

inline constexpr size_t kClearText = 256;    // clear text, zero-filled before use
inline constexpr size_t kCipherText = 511;   // cipher bytes and encoded text
inline constexpr size_t kDigestInput = 128;  // padded code joined with the spool time
inline constexpr size_t kDigest = 33;        // 32 digest digits and a terminator
inline constexpr size_t kSpoolTime = 64;     // the spool-time text (at most 31 characters)
inline constexpr size_t kCipherBlock = 16;   // one AES-128 block

// The whole cipher blocks that hold `bytes` bytes.
constexpr size_t wholeBlocks(size_t bytes) {
    return (bytes + kCipherBlock - 1) / kCipherBlock * kCipherBlock;
}

}  // namespace value_buffers
