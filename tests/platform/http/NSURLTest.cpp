#include <gtest/gtest.h>

#include "platform/http/NSURL.h"

TEST(NSURL, RefusesTextThatIsNoURL) {
    for (const char* text : {"", "http:///nelvo-mfp-srv", "http://my printer/nelvo-mfp-srv",
                             "printer.local/nelvo-mfp-srv", "http://fe80::1/nelvo-mfp-srv", "http://host:99999/"})
        EXPECT_FALSE(NSURL::URLWithString(text)) << text;
}
