#include "project/TextEncoding.h"

#include <gtest/gtest.h>

using project::DecodeText;

TEST(TextEncoding, KeepsUtf8AndReadsEverythingElseAsWindows1252) {
    EXPECT_EQ(DecodeText("Caf\xC3\xA9 \xF0\x9F\x98\x80"), "Caf\xC3\xA9 \xF0\x9F\x98\x80");
    EXPECT_EQ(DecodeText("\xEF\xBB\xBFplain"), "plain");
    EXPECT_EQ(DecodeText(std::string("a\0b\xE9\0", 5)), "ab\xC3\xA9");
    EXPECT_EQ(DecodeText("Caf\xE9 \x80\x93\x81"), "Caf\xC3\xA9 \xE2\x82\xAC\xE2\x80\x9C\xC2\x81");
    // Overlong forms, surrogates, code points past U+10FFFF and cut sequences are not UTF-8.
    EXPECT_EQ(DecodeText("\xC0\xAF"), "\xC3\x80\xC2\xAF");
    EXPECT_EQ(DecodeText("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0\xE2\x82\xAC");
    EXPECT_EQ(DecodeText("\xF4\x90\x80\x80"), "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC");
    EXPECT_EQ(DecodeText("ab\xE2\x82"), "ab\xC3\xA2\xE2\x80\x9A");
}
