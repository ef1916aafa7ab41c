#include "filter/PjlTicket.h"

#include "filter/TicketVariables.h"

namespace {

class TicketLines {
public:
    void line(const std::string& text) { text_ += text + "\r\n"; }
    void set(const char* variable, const std::string& value) {
        line(std::string("@PJL SET ") + variable + "=" + value);
    }
    void setQuoted(const char* variable, const std::string& value) { set(variable, "\"" + value + "\""); }
    void setQuoted(const char* variable, const std::optional<std::string>& value) {
        if (value) setQuoted(variable, *value);
    }
    std::string text() const { return text_; }

private:
    std::string text_;
};

const char* holdValue(Retention retention) {
    switch (retention) {
        case Retention::holdOnly: return ticket::kHoldOnly;
        case Retention::holdAfterPrint: return ticket::kHoldAfterPrint;
        case Retention::samplePrint: return ticket::kSamplePrint;
        case Retention::none: break;
    }
    return "OFF";
}

const char* filingValue(FilingTarget target) {
    switch (target) {
        case FilingTarget::quickFile: return ticket::kQuickFile;
        case FilingTarget::customFolder: return ticket::kCustomFolder;
        case FilingTarget::mainFolder: break;
    }
    return ticket::kMainFolder;
}

void writeRetention(const TicketFields& fields, TicketLines& lines) {
    if (fields.retention == Retention::none) return;
    lines.set(ticket::kHold, holdValue(fields.retention));
    lines.set(ticket::kHoldType, fields.passCodeDigest ? "PRIVATE" : "PUBLIC");
    lines.setQuoted(ticket::kPassCodeDigest, fields.passCodeDigest);
}

void writeFiling(const TicketFields& fields, TicketLines& lines) {
    if (!fields.filed) return;
    lines.set(ticket::kFiling, filingValue(fields.filing));
    if (fields.filing != FilingTarget::quickFile) lines.setQuoted(ticket::kFolder, fields.folder);
    lines.setQuoted(ticket::kFolderDigest, fields.folderDigest);
}

}  // namespace

std::string ticketHeader(const TicketFields& fields, DocumentLanguage language) {
    TicketLines lines;
    lines.line(std::string(ticket::kUniversalExit) + "@PJL JOB NAME=\"" + fields.jobName + "\"");
    lines.set(ticket::kCopies, std::to_string(fields.copies));
    lines.setQuoted(ticket::kUserName, fields.userName);
    lines.setQuoted(ticket::kJobName, fields.jobName);
    writeRetention(fields, lines);
    lines.setQuoted(ticket::kSpoolTime, fields.spoolTime);
    writeFiling(fields, lines);
    lines.setQuoted(ticket::kLoginName, fields.loginNameForm);
    lines.setQuoted(ticket::kPassword, fields.passwordForm);
    lines.setQuoted(ticket::kUserNumber, fields.userNumber);
    lines.setQuoted(ticket::kAccountNumber, fields.accountNumber);
    lines.line(std::string(ticket::kEnterLanguage) + languageName(language));
    return lines.text();
}

std::string ticketEnd(const TicketFields& fields) {
    return std::string(ticket::kUniversalExit) + ticket::kEndOfJob + " NAME=\"" + fields.jobName + "\"\r\n" +
           ticket::kUniversalExit;
}
