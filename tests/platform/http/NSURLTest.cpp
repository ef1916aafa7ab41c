#include <gtest/gtest.h>

#include "platform/http/NSURL.h"

TEST(NSURL, TakesAbsoluteURLsWithTheirHost) {
    const auto named = NSURL::URLWithString("http://printer.local:8080/nelvo-mfp-srv");
    ASSERT_TRUE(named);
    EXPECT_EQ(named->absoluteString(), "http://printer.local:8080/nelvo-mfp-srv");
    EXPECT_EQ(named->scheme(), "http");
    EXPECT_EQ(named->host(), "printer.local");

    const auto bracketed = NSURL::URLWithString("http://[fe80::1]/nelvo-mfp-srv");
    ASSERT_TRUE(bracketed);
    EXPECT_EQ(bracketed->host(), "fe80::1");
}

TEST(NSURL, RefusesTextThatIsNoURL) {
    for (const char* text : {"", "http:///nelvo-mfp-srv", "http://my printer/nelvo-mfp-srv",
                             "printer.local/nelvo-mfp-srv", "http://fe80::1/nelvo-mfp-srv", "http://host:99999/"})
        EXPECT_FALSE(NSURL::URLWithString(text)) << text;
}
