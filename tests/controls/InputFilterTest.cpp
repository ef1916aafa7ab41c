// The input filters as a user meets them in an edit field, which asks its
// filter before every typed, pasted or deleted text.
#include <gtest/gtest.h>

#include "controls/TextFields.h"
#include "platform/controls/TextFields.h"

namespace {

template <class Filter>
std::unique_ptr<NSTextField> fieldWith(uint64_t maximum, const std::string& text) {
    auto field = std::make_unique<NSTextField>();
    field->setTag(1);
    field->setEditable(true);
    auto filter = std::make_unique<Filter>();
    filter->SetmaxCharactersCount(maximum);
    field->cell().setFormatter(std::move(filter));
    field->setStringValue(text);
    return field;
}

TEST(IntegerFilter, TakesDigitsUpToTheMaximumThenCutsAndSelects) {
    auto field = fieldWith<MyIntegerNumberFilter>(5, "12");
    field->userTypeText("a3\uFF114");  // a letter and a full-width digit are refused
    EXPECT_EQ(field->stringValue(), "1234");
    field->userTypeText("56");
    EXPECT_EQ(field->stringValue(), "12345") << "the sixth digit would put the caret beyond 5";
    EXPECT_EQ(field->selectedRange(), NSMakeRange(0, 5));
    field->userTypeText("7");
    EXPECT_EQ(field->stringValue(), "12345") << "a full field refuses even over its selection";
}

TEST(RomanFilter, CountsUtf16CodeUnitsAndNeverCutsAPairInHalf) {
    auto field = fieldWith<MyRomanFilter>(3, "a");
    field->userTypeText("\U0001F600");  // two code units: 3 in all
    EXPECT_EQ(field->stringValue(), "a\U0001F600");
    field->userTypeText("c");
    EXPECT_EQ(field->stringValue(), "a\U0001F600");
    auto straddling = fieldWith<MyRomanFilter>(3, "ab");
    straddling->userTypeText("\U0001F600");  // would end at 4: cut to "ab", not half a character
    EXPECT_EQ(straddling->stringValue(), "ab");
    EXPECT_EQ(straddling->selectedRange(), NSMakeRange(0, 2));

    // A deletion from an overlong stored text that leaves the caret beyond the maximum cuts and selects.
    MyRomanFilter filter;
    filter.SetmaxCharactersCount(5);
    std::u16string partial = u"123456";
    NSRange selection{6, 0};
    EXPECT_FALSE(filter.isPartialStringValid(partial, selection, u"1234567", {6, 1}, nullptr));
    EXPECT_EQ(partial, u"12345");
}

}  // namespace
