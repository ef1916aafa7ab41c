// The job ticket's words, shared by the filter that writes it and the device
// that reads it: the job language's universal exit and the variables, the
// standard job-retention ones and the device's own for what they lack.
#pragma once

namespace ticket {

inline constexpr const char* kUniversalExit = "\x1B%-12345X";
inline constexpr const char* kEnterLanguage = "@PJL ENTER LANGUAGE=";
inline constexpr const char* kEndOfJob = "@PJL EOJ";

inline constexpr const char* kCopies = "COPIES";
inline constexpr const char* kUserName = "USERNAME";
inline constexpr const char* kJobName = "JOBNAME";
inline constexpr const char* kHold = "HOLD";
inline constexpr const char* kHoldType = "HOLDTYPE";

inline constexpr const char* kSpoolTime = "NELVO_SPOOLTIME";
inline constexpr const char* kPassCodeDigest = "NELVO_HOLDKEYDIGEST";
inline constexpr const char* kFiling = "NELVO_FILING";
inline constexpr const char* kFolder = "NELVO_FOLDER";
inline constexpr const char* kFolderDigest = "NELVO_FOLDERDIGEST";
inline constexpr const char* kLoginName = "NELVO_LOGINNAME";
inline constexpr const char* kPassword = "NELVO_PASSWORD";
inline constexpr const char* kUserNumber = "NELVO_USERNUMBER";
inline constexpr const char* kAccountNumber = "NELVO_ACCOUNT";

// HOLD's values, by retention.
inline constexpr const char* kHoldOnly = "STORE";
inline constexpr const char* kHoldAfterPrint = "ON";
inline constexpr const char* kSamplePrint = "PROOF";

// NELVO_FILING's values.
inline constexpr const char* kMainFolder = "MAIN";
inline constexpr const char* kQuickFile = "QUICK";
inline constexpr const char* kCustomFolder = "CUSTOM";

}  // namespace ticket
