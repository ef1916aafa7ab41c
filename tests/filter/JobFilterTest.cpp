// The job filter run as CUPS runs it: the panel's keys of each pinned save
// (the filter-interface listings of the settings tests) give a literal
// ticket; keys that cannot make a sound ticket give nothing at all.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/RunProgram.h"
#include "tests/support/TempDir.h"

namespace {

const std::string kFilter = NELVO_BUILD_DIR "/nelvo-job-filter";
const std::string kDocument = "%!PS-Adobe-3.0\n%%Title: report\nshowpage\n%%EOF\n";
const std::string kExit = "\x1B%-12345X";
// The spool time of the pinned saves: Sat, 5 Dec 2026 05:11:09 +0900.
const std::string kSpoolTime = "spoolTime=5361742C20352044656320323032362030353A31313A3039202B30393030";

// The two pieces of a 200-byte login name's job-key form.
const std::string kLongLoginPiece1 =
    "0QXwy/SDjwBxAUlcKl4E8NEF8Mv0g48AcQFJXCpeBPDRBfDL9IOPAHEBSVwqXgTw0QXwy/"
    "SDjwBxAUlcKl4E8NEF8Mv0g48AcQFJXCpeBPDRBfDL9IOPAHEBSVwqXgTw0QXwy/"
    "SDjwBxAUlcKl4E8NEF8Mv0g48AcQFJXCpeBPDRBfDL9IOPAHEBSVwqXgTw0QXwy/"
    "SDjwBxAUlcKl4E8NEF8Mv0g48AcQFJXCpeBPDRBfDL9IOPAHEBSVwqXg";
const std::string kLongLoginPiece2 = "Tw+ODP3ZDsB0PNTN+tLlAMFw==";

// "key=value" lines, the keys without their common prefix, as one CUPS
// option argument.
std::string optionsOf(const std::string& lines) {
    std::istringstream in(lines);
    std::string options;
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) options += (options.empty() ? "" : " ") + ("nelvo.print.PrintSettings." + line);
    return options;
}

ProgramResult runFilter(const std::string& options, const std::string& document = kDocument,
                        const std::string& copies = "1") {
    return runProgram({kFilter, "42", "alice", "report.ps", copies, options}, document);
}

std::string ticketEnd(const std::string& jobName) {
    return kExit + "@PJL EOJ NAME=\"" + jobName + "\"\r\n" + kExit;
}

struct TicketCase {
    const char* name;
    std::string keys;
    std::string header;  // the ticket up to the document
    std::string jobName;
};

void PrintTo(const TicketCase& scenario, std::ostream* out) {
    *out << scenario.name;
}

class FilterTicket : public testing::TestWithParam<TicketCase> {};

TEST_P(FilterTicket, IsWrittenAroundTheUnchangedDocument) {
    const ProgramResult result = runFilter(optionsOf(GetParam().keys));
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.out, GetParam().header + kDocument + ticketEnd(GetParam().jobName));
}

INSTANTIATE_TEST_SUITE_P(
    PinnedSaves, FilterTicket,
    testing::Values(TicketCase{"TypicalPrintHeldWithAPassCode", R"(Authentication=1
filing=0
folderPath=2A7374616E64617264
folderPath2=2A7374616E64617264
holdButton=1
jobName=5265706F7274
jobName2=5265706F7274
jobSuspend=2
jobSuspend2Key=A0279B07E1848F832A2D466A80ABCDCC
jobSuspendKey=8c2075f346f0ece021fe63707ce74204
)" + kSpoolTime + R"(
userName=416C696365
userName2=416C696365)",
                               "\x1B%-12345X@PJL JOB NAME=\"Report\"\r\n"
                               "@PJL SET COPIES=1\r\n"
                               "@PJL SET USERNAME=\"Alice\"\r\n"
                               "@PJL SET JOBNAME=\"Report\"\r\n"
                               "@PJL SET HOLD=STORE\r\n"
                               "@PJL SET HOLDTYPE=PRIVATE\r\n"
                               "@PJL SET NELVO_HOLDKEYDIGEST=\"8c2075f346f0ece021fe63707ce74204\"\r\n"
                               "@PJL SET NELVO_SPOOLTIME=\"Sat, 5 Dec 2026 05:11:09 +0900\"\r\n"
                               "@PJL SET NELVO_FILING=MAIN\r\n"
                               "@PJL SET NELVO_FOLDER=\"*standard\"\r\n"
                               "@PJL ENTER LANGUAGE=POSTSCRIPT\r\n",
                               "Report"},
                    TicketCase{"LoginNameAndPasswordWithAnAccountNumber", R"(Authentication=1
accountNumber=00042
accountNumber2=F9C46671104F199A7AF11C72E2BD4B36
filing=0
holdButton=132
jobName=5265706F7274
jobName2=5265706F7274
jobSuspend=0
loginName01=s8jpc5z/mNXR3b/NGbuYnA==
loginName11=MBQdLFrU+z0aTZLoUbXGOA==
password=VHaH8VDPF/w23O8ivKfZdw==
password2=5F4086F126FEB837D10EF25375ADB01500000000000000000000000000000000
)" + kSpoolTime + R"(
userName=416C696365
userName2=416C696365)",
                               "\x1B%-12345X@PJL JOB NAME=\"Report\"\r\n"
                               "@PJL SET COPIES=1\r\n"
                               "@PJL SET USERNAME=\"Alice\"\r\n"
                               "@PJL SET JOBNAME=\"Report\"\r\n"
                               "@PJL SET NELVO_SPOOLTIME=\"Sat, 5 Dec 2026 05:11:09 +0900\"\r\n"
                               "@PJL SET NELVO_LOGINNAME=\"s8jpc5z/mNXR3b/NGbuYnA==\"\r\n"
                               "@PJL SET NELVO_PASSWORD=\"VHaH8VDPF/w23O8ivKfZdw==\"\r\n"
                               "@PJL SET NELVO_ACCOUNT=\"00042\"\r\n"
                               "@PJL ENTER LANGUAGE=POSTSCRIPT\r\n",
                               "Report"},
                    TicketCase{"UserNumberWithAFolderPassCodeSamplePrint", R"(Authentication=0
accountNumber=00009
accountNumber2=16D701BAFD38725201DB0476F8EC1613
filing=0
folderPassword=c944f0210a005881ed897e49d5692a70
folderPassword2=433CF18A416338442BE34C87642E89BB
folderPath=2A7374616E64617264
folderPath2=2A7374616E64617264
holdButton=511
jobName=5265706F7274
jobName2=5265706F7274
jobSuspend=3
jobSuspend2Key=D37554E1EE2D04AB052B7B6ABF32B978
jobSuspendKey=82a5cea536d1d8ee2aab8330b48ab8a3
)" + kSpoolTime + R"(
userName=416C696365
userName2=416C696365
userNumber=12345
userNumber2=2DCA75267A416979FFA25667B3123986)",
                               "\x1B%-12345X@PJL JOB NAME=\"Report\"\r\n"
                               "@PJL SET COPIES=1\r\n"
                               "@PJL SET USERNAME=\"Alice\"\r\n"
                               "@PJL SET JOBNAME=\"Report\"\r\n"
                               "@PJL SET HOLD=PROOF\r\n"
                               "@PJL SET HOLDTYPE=PRIVATE\r\n"
                               "@PJL SET NELVO_HOLDKEYDIGEST=\"82a5cea536d1d8ee2aab8330b48ab8a3\"\r\n"
                               "@PJL SET NELVO_SPOOLTIME=\"Sat, 5 Dec 2026 05:11:09 +0900\"\r\n"
                               "@PJL SET NELVO_FILING=MAIN\r\n"
                               "@PJL SET NELVO_FOLDER=\"*standard\"\r\n"
                               "@PJL SET NELVO_FOLDERDIGEST=\"c944f0210a005881ed897e49d5692a70\"\r\n"
                               "@PJL SET NELVO_USERNUMBER=\"12345\"\r\n"
                               "@PJL SET NELVO_ACCOUNT=\"00009\"\r\n"
                               "@PJL ENTER LANGUAGE=POSTSCRIPT\r\n",
                               "Report"},
                    TicketCase{"ALongLoginNameJoinedFromItsPieces",
                               "Authentication=1\nloginName01=" + kLongLoginPiece1 +
                                   "\nloginName02=" + kLongLoginPiece2 + "\n" + kSpoolTime,
                               "\x1B%-12345X@PJL JOB NAME=\"report.ps\"\r\n"
                               "@PJL SET COPIES=1\r\n"
                               "@PJL SET USERNAME=\"alice\"\r\n"
                               "@PJL SET JOBNAME=\"report.ps\"\r\n"
                               "@PJL SET NELVO_SPOOLTIME=\"Sat, 5 Dec 2026 05:11:09 +0900\"\r\n"
                               "@PJL SET NELVO_LOGINNAME=\"" +
                                   kLongLoginPiece1 + kLongLoginPiece2 +
                                   "\"\r\n"
                                   "@PJL ENTER LANGUAGE=POSTSCRIPT\r\n",
                               "report.ps"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusedCase {
    const char* name;
    std::string keys;
    std::string document;
    const char* why;  // in the ERROR line
};

void PrintTo(const RefusedCase& scenario, std::ostream* out) {
    *out << scenario.name;
}

class RefusedJob : public testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedJob, WritesNothingAndSaysWhy) {
    const ProgramResult result = runFilter(optionsOf(GetParam().keys), GetParam().document);
    EXPECT_NE(result.exitStatus, 0);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err.rfind("ERROR: ", 0), 0u) << result.err;
    EXPECT_NE(result.err.find(GetParam().why), std::string::npos) << result.err;
}

const std::string kHeld = "jobSuspend=2\njobSuspendKey=8c2075f346f0ece021fe63707ce74204\n";

INSTANTIATE_TEST_SUITE_P(
    FailClosed, RefusedJob,
    testing::Values(
        RefusedCase{"RetentionDigitOutsideTheTable", "jobSuspend=4", kDocument, "no retention digit"},
        RefusedCase{"DigestOfThirtyOneDigits",
                    "jobSuspend=2\njobSuspendKey=8c2075f346f0ece021fe63707ce7420\n" + kSpoolTime, kDocument,
                    "jobSuspendKey is not a digest"},
        RefusedCase{"UpperCaseDigest", "jobSuspend=2\njobSuspendKey=8C2075F346F0ECE021FE63707CE74204\n" + kSpoolTime,
                    kDocument, "jobSuspendKey is not a digest"},
        RefusedCase{"DigestWithoutSpoolTime", kHeld, kDocument, "spoolTime is missing"},
        RefusedCase{"SpoolTimeThatIsNoHexText", kHeld + "spoolTime=Sat, 5 Dec", kDocument, "spoolTime is not hex"},
        RefusedCase{"SpoolTimeTooShortForAKey", kHeld + "spoolTime=5361742C", kDocument,
                    "does not decode to a spool time"},
        RefusedCase{"PasswordUnderAnotherSpoolTime",
                    "password=VHaH8VDPF/w23O8ivKfZdw==\n"
                    "spoolTime=5361742C20352044656320323032362030353A31313A3130202B30393030",
                    kDocument, "password does not decipher"},
        // "se\x7fret": a clear text with a control character in it.
        RefusedCase{"PasswordWithADeleteCharacter", "password=Qh6eZVZP/OVYOldrNzyvIA==\n" + kSpoolTime, kDocument,
                    "password does not decipher"},
        RefusedCase{"LoginNameFormOfNoWholeBlock", "loginName01=s8jpc5z/mNXR3b/N\n" + kSpoolTime, kDocument,
                    "loginName01 does not decipher"},
        RefusedCase{"LoginNameWithoutItsJobKeyForm",
                    "Authentication=1\nloginName11=MBQdLFrU+z0aTZLoUbXGOA==", kDocument, "loginName01 is missing"},
        RefusedCase{"CustomFolderWithoutItsPath", "filing=3", kDocument, "folderPath is missing"},
        RefusedCase{"FilingDigitOutsideTheTable", "filing=2", kDocument, "no filing digit"},
        RefusedCase{"UserNumberOfLetters", "Authentication=0\nuserNumber=12a45", kDocument, "userNumber is not"},
        RefusedCase{"AccountNumberNotPadded", "accountNumber=0009", kDocument, "accountNumber is not padded"},
        RefusedCase{"DigestOnAJobWithoutRetention",
                    "jobSuspend=0\njobSuspendKey=8c2075f346f0ece021fe63707ce74204\n" + kSpoolTime, kDocument,
                    "without retention"},
        RefusedCase{"DocumentNeitherPostScriptNorPdf", "", "plain text\n", "neither PostScript nor PDF"},
        RefusedCase{"EmptyDocument", "", "", "neither PostScript nor PDF"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JobFilter, ReadsTheDocumentFromStandardInputOrItsFile) {
    const TempDir dir;
    const std::string pdf = "%PDF-1.7\n" + std::string(200000, 'x') + "\n%%EOF\n";
    const std::string file = dir.write("report.pdf", pdf).string();
    const ProgramResult fromInput = runFilter("", pdf, "3");
    const ProgramResult fromFile = runProgram({kFilter, "42", "alice", "report.ps", "3", "", file});
    ASSERT_EQ(fromInput.exitStatus, 0) << fromInput.err;
    EXPECT_EQ(fromFile.out, fromInput.out);
    // Without the panel's keys: an ordinary job named by CUPS.
    const std::string header =
        "\x1B%-12345X@PJL JOB NAME=\"report.ps\"\r\n@PJL SET COPIES=3\r\n@PJL SET USERNAME=\"alice\"\r\n"
        "@PJL SET JOBNAME=\"report.ps\"\r\n@PJL ENTER LANGUAGE=PDF\r\n";
    EXPECT_EQ(fromInput.out, header + pdf + ticketEnd("report.ps"));
    // A PostScript document behind a leading Ctrl-D, as some drivers send it.
    const ProgramResult behindCtrlD = runFilter("", "\x04" + kDocument);
    EXPECT_EQ(behindCtrlD.exitStatus, 0) << behindCtrlD.err;
}

// Without the authentication key a login name wins: a user number beside
// it is not read, so not even a malformed one refuses the job.
TEST(JobFilter, ALoginNameWithoutTheAuthenticationKeyLeavesTheUserNumberUnread) {
    const ProgramResult result =
        runFilter(optionsOf("loginName01=s8jpc5z/mNXR3b/NGbuYnA==\nuserNumber=12a45\n" + kSpoolTime));
    EXPECT_EQ(result.exitStatus, 0) << result.err;
}

TEST(JobFilter, KeepsQuotesAndLineBreaksOfCupsTitleOutOfTheTicket) {
    const ProgramResult result =
        runProgram({kFilter, "42", "al\"ice", "a\"b\r\n@PJL SET HOLD=OFF", "1", ""}, kDocument);
    EXPECT_NE(result.out.find("@PJL SET JOBNAME=\"a b  @PJL SET HOLD=OFF\"\r\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("@PJL SET USERNAME=\"al ice\"\r\n"), std::string::npos);
}

}  // namespace
