#include "generate/CodeOutput.h"

#include "generate/CodeLines.h"

#include <cstddef>

namespace generate {
namespace {

// Room for the lines the pages put around the two blocks.
constexpr std::size_t kPageWrapCapacity = 256;

} // namespace

std::string CodeFileText(const MenuCode& code) {
    std::string text;
    text.reserve(code.javaScript.size() + code.html.size() + kPageWrapCapacity);
    AppendLine(text, {"<HEAD>"});
    text.append(code.javaScript);
    AppendLine(text, {"</HEAD>"});
    AppendLine(text, {});
    AppendLine(text, {"<BODY>"});
    text.append(code.html);
    AppendLine(text, {"</BODY>"});
    return text;
}

std::string PreviewPageText(const MenuCode& code) {
    std::string text;
    text.reserve(code.javaScript.size() + code.html.size() + kPageWrapCapacity);
    AppendLine(text, {"<HTML>"});
    AppendLine(text, {"<HEAD>"});
    text.append(code.javaScript);
    AppendLine(text, {});
    AppendLine(text, {"<TITLE>Quorvane - Menu Preview</TITLE>"});
    AppendLine(text, {"</HEAD>"});
    AppendLine(text, {});
    AppendLine(text, {"<BODY onload='rs();'><TABLE width=100% height=100% border=0><TR><TD "
                      "align=\"center\" valign=\"middle\">"});
    text.append(code.html);
    AppendLine(text, {"<TR></TD></TABLE></BODY></HTML>"});
    return text;
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
