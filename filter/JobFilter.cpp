#include "filter/JobFilter.h"

#include <fcntl.h>
#include <unistd.h>

#include <charconv>
#include <system_error>

#include "filter/DocumentLanguage.h"
#include "filter/DocumentStream.h"
#include "filter/JobKeys.h"
#include "filter/PjlTicket.h"
#include "filter/TicketFields.h"

namespace {

constexpr int kRefused = 1;

int copiesOf(const std::string& text) {
    int copies = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), copies);
    if (error != std::errc() || end != text.data() + text.size() || copies < 1)
        throw JobRefused("the copies argument \"" + text + "\" is no count");
    return copies;
}

// Closes a document file that the filter opened itself.
class Document {
public:
    Document(const std::vector<std::string>& arguments, int input) : descriptor_(input) {
        if (arguments.size() < 6) return;
        descriptor_ = ::open(arguments[5].c_str(), O_RDONLY | O_CLOEXEC);
        if (descriptor_ < 0) throw std::system_error(errno, std::generic_category(), "cannot open " + arguments[5]);
        owned_ = true;
    }
    ~Document() {
        if (owned_) ::close(descriptor_);
    }
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;
    int descriptor() const { return descriptor_; }

private:
    int descriptor_;
    bool owned_ = false;
};

int filter(const std::vector<std::string>& arguments, int input, int output) {
    const CupsJob job{arguments[1], arguments[2], copiesOf(arguments[3])};
    const TicketFields fields = ticketFieldsOf(panelKeysOf(arguments[4]), job);

    const Document document(arguments, input);
    std::vector<char> buffer(kStreamBufferBytes);
    const size_t first = readAtLeast(document.descriptor(), buffer, kLanguageSniffBytes);
    const auto language = documentLanguageOf(std::string_view(buffer.data(), first));
    if (!language) throw JobRefused("the document is neither PostScript nor PDF");

    writeAll(output, ticketHeader(fields, *language));
    writeAll(output, std::string_view(buffer.data(), first));
    copyRest(document.descriptor(), output, buffer);
    writeAll(output, ticketEnd(fields));
    return 0;
}

}  // namespace

int runJobFilter(const std::vector<std::string>& arguments, int input, int output, std::ostream& errors) {
    if (arguments.size() != 5 && arguments.size() != 6) {
        errors << "ERROR: usage: nelvo-job-filter job-id user title copies options [file]\n";
        return kRefused;
    }
    try {
        return filter(arguments, input, output);
    } catch (const JobRefused& refusal) {
        errors << "ERROR: job refused: " << refusal.what() << "\n";
    } catch (const std::exception& error) {
        errors << "ERROR: " << error.what() << "\n";
    }
    errors.flush();
    return kRefused;
}
