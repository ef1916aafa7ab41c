#include <gtest/gtest.h>

#include "platform/text/Utf16.h"

using platform::utf16FromUtf8;
using platform::utf16Length;
using platform::utf8FromUtf16;

TEST(Utf16, RoundTripsTextInsideAndOutsideTheBasicPlaneAndLongTextWhole) {
    const std::string text = "A\xC3\xA9\xE2\x82\xAC\xF0\x9D\x84\x9E";  // A é € 𝄞
    const std::u16string units = utf16FromUtf8(text);
    EXPECT_EQ(units, (std::u16string{u'A', u'\u00E9', u'\u20AC', 0xD834, 0xDD1E}));
    EXPECT_EQ(utf8FromUtf16(units), text);
    EXPECT_EQ(utf16Length(text), 5u);
    std::string bullets;
    for (int i = 0; i < 5000; ++i)
        bullets += "\xE2\x80\xA2";  // more than one output buffer
    EXPECT_EQ(utf16Length(bullets), 5000u);
    EXPECT_EQ(utf8FromUtf16(utf16FromUtf8(bullets)), bullets);
}

TEST(Utf16, InvalidUtf8AndLoneSurrogatesBecomeReplacementCharactersAndConversionGoesOn) {
    EXPECT_EQ(utf16FromUtf8("\xC0\xAF"
                            "x"),
              u"\uFFFD\uFFFDx");                                      // overlong form
    EXPECT_EQ(utf16FromUtf8("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");  // encoded surrogate
    EXPECT_EQ(utf16FromUtf8("ok\xE2\x82"), u"ok\uFFFD");              // cut off at the end
    EXPECT_EQ(utf16Length("\xE2\x82"), 1u);
    EXPECT_EQ(utf8FromUtf16(std::u16string{u'a', 0xDC00, u'b'}),
              "a\xEF\xBF\xBD"
              "b");
    EXPECT_EQ(utf8FromUtf16(std::u16string{u'a', 0xD800}), "a\xEF\xBF\xBD");
}
