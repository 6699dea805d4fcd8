#include "generate/CodeOutput.h"

#include "GeneratorTestSupport.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

const generate::MenuCode kBlocks{"js 1\r\njs 2\r\n\r\n", "html 1\r\nhtml 2\r\n"};

} // namespace

TEST(CodeOutput, CodeFileWrapsTheBlocksInHeadAndBody) {
    EXPECT_EQ(generate::CodeFileText(kBlocks),
              CrLfLines({"<HEAD>", "js 1", "js 2", "", "</HEAD>", "", "<BODY>", "html 1", "html 2",
                         "</BODY>"}));
}

TEST(CodeOutput, PreviewPageLeavesTwoEmptyLinesAfterTheScriptBlock) {
    EXPECT_EQ(generate::PreviewPageText(kBlocks),
              CrLfLines({"<HTML>", "<HEAD>", "js 1", "js 2", "", "",
                         "<TITLE>Quorvane - Menu Preview</TITLE>", "</HEAD>", "",
                         "<BODY onload='rs();'><TABLE width=100% height=100% border=0><TR><TD "
                         "align=\"center\" valign=\"middle\">",
                         "html 1", "html 2", "<TR></TD></TABLE></BODY></HTML>"}));
}

TEST(CodeOutput, FramesetNamesTheTargetFrame) {
    EXPECT_EQ(
        generate::FramesetPageText("content"),
        CrLfLines({"<HTML>", "<FRAMESET ROWS=\"75%,*\">",
                   "<FRAME name=\"main\" SRC=\"quorvane_preview.html\">",
                   "<FRAME name=\"content\" SRC=\"quorvane_preview_frame2.html\">", "</FRAMESET>",
                   "<NOFRAMES>", "Cannot display preview. Your browser must support frames.",
                   "</NOFRAMES>", "</HTML>"}));
    EXPECT_EQ(generate::SecondFramePageText(),
              CrLfLines({"<HTML><BODY><TABLE width=100% border=0 height=100%><TR><TD "
                         "align=\"center\" valign=\"center\">",
                         "<font color=\"blue\" face=\"verdana\" size=3>You selected the target of "
                         "the menu links to be another frame. Linked urls will be displayed in "
                         "this frame.</font>",
                         "<TR></TD></TABLE></BODY></HTML>"}));
}
