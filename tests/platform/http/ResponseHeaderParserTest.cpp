#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/http/ResponseHeaderParser.h"

namespace {

// The lines fed one by one; for each, whether it completed a response.
std::vector<bool> feed(platform::ResponseHeaderParser& parser, const std::vector<std::string>& lines) {
    std::vector<bool> completed;
    for (const std::string& line : lines)
        completed.push_back(parser.addLine(line));
    return completed;
}

}  // namespace

TEST(ResponseHeaderParser, AnInterimAnswerCompletesNoResponseAndTheFinalOneKeepsOnlyItsFields) {
    platform::ResponseHeaderParser parser;
    const auto completed =
        feed(parser, {"HTTP/1.1 100 Continue\r\n", "X-Interim: yes\r\n", "\r\n", "HTTP/1.1 200 OK\r\n",
                      "Content-Type:  text/xml \r\n", "X-Folded: first\r\n", "\tsecond\r\n", "\r\n"});

    EXPECT_EQ(completed, (std::vector<bool>{false, false, false, false, false, false, false, true}));
    EXPECT_EQ(parser.statusCode(), 200);
    EXPECT_EQ(parser.headers(), (HTTPHeaderFields{{"Content-Type", "text/xml"}, {"X-Folded", "first second"}}));
}

TEST(ResponseHeaderParser, TrailerFieldsAfterTheBodyStartNoNewResponse) {
    platform::ResponseHeaderParser parser;
    feed(parser, {"HTTP/1.1 200 OK\r\n", "Transfer-Encoding: chunked\r\n", "\r\n"});

    const auto completed = feed(parser, {"X-Checksum: abc\r\n", "\r\n"});

    EXPECT_EQ(completed, (std::vector<bool>{false, false}));
    EXPECT_EQ(parser.headers(), (HTTPHeaderFields{{"Transfer-Encoding", "chunked"}}));
}
