#include "generate/CodeOutput.h"

#include "generate/CodeLines.h"

#include <cstddef>

namespace generate {
namespace {

std::string Joined(const PagePieces& pieces) {
    std::size_t size = 0;
    for (const auto piece : pieces) {
        size += piece.size();
    }
    std::string text;
    text.reserve(size);
    for (const auto piece : pieces) {
        text.append(piece);
    }
    return text;
}

} // namespace

PagePieces CodeFilePieces(const MenuCode& code) {
    return {"<HEAD>\r\n", code.javaScript, "</HEAD>\r\n\r\n<BODY>\r\n", code.html, "</BODY>\r\n"};
}

std::string CodeFileText(const MenuCode& code) {
    return Joined(CodeFilePieces(code));
}

PagePieces PreviewPagePieces(const MenuCode& code) {
    return {"<HTML>\r\n<HEAD>\r\n", code.javaScript,
            "\r\n<TITLE>Quorvane - Menu Preview</TITLE>\r\n</HEAD>\r\n\r\n"
            "<BODY onload='rs();'><TABLE width=100% height=100% border=0><TR><TD "
            "align=\"center\" valign=\"middle\">\r\n",
            code.html, "<TR></TD></TABLE></BODY></HTML>\r\n"};
}

std::string PreviewPageText(const MenuCode& code) {
    return Joined(PreviewPagePieces(code));
}

std::string FramesetPageText(std::string_view frameName) {
    std::string text;
    AppendLine(text, {"<HTML>"});
    AppendLine(text, {"<FRAMESET ROWS=\"75%,*\">"});
    AppendLine(text, {"<FRAME name=\"main\" SRC=\"", kPreviewPageName, "\">"});
    AppendLine(text, {"<FRAME name=\"", frameName, "\" SRC=\"", kSecondFramePageName, "\">"});
    AppendLine(text, {"</FRAMESET>"});
    AppendLine(text, {"<NOFRAMES>"});
    AppendLine(text, {"Cannot display preview. Your browser must support frames."});
    AppendLine(text, {"</NOFRAMES>"});
    AppendLine(text, {"</HTML>"});
    return text;
}

std::string SecondFramePageText() {
    std::string text;
    AppendLine(text, {"<HTML><BODY><TABLE width=100% border=0 height=100%><TR><TD "
                      "align=\"center\" valign=\"center\">"});
    AppendLine(text, {"<font color=\"blue\" face=\"verdana\" size=3>You selected the target of the "
                      "menu links to be another frame. Linked urls will be displayed in this "
                      "frame.</font>"});
    AppendLine(text, {"<TR></TD></TABLE></BODY></HTML>"});
    return text;
}

std::vector<PreviewFile> PreviewFiles(const MenuCode& code, const model::MenuOptions& menu) {
    std::vector<PreviewFile> files;
    if (menu.linkTarget == model::LinkTarget::DifferentFrame) {
        files.push_back({kSecondFramePageName, SecondFramePageText()});
        files.push_back({kPreviewPageName, PreviewPageText(code)});
        files.push_back({kFramesetPageName, FramesetPageText(menu.frameName)});
    } else {
        files.push_back({kPreviewPageName, PreviewPageText(code)});
    }
    return files;
}

} // namespace generate
