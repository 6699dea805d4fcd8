#pragma once

#include "generate/MenuCodeGenerator.h"
#include "model/MenuProject.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The texts of the files the generated code is written to: the code file and the preview pages.
namespace generate {

inline constexpr const char* kPreviewPageName = "quorvane_preview.html";
inline constexpr const char* kFramesetPageName = "quorvane_preview_frameset.html";
inline constexpr const char* kSecondFramePageName = "quorvane_preview_frame2.html";

// A page as the pieces it is made of: the lines before the JavaScript block, the block, the
// lines between, the HTML block and the lines after. Writing them in turn writes the page
// without copying the blocks.
using PagePieces = std::array<std::string_view, 5>;

// <HEAD> ... </BODY>, from blocks generated for "file".
PagePieces CodeFilePieces(const MenuCode& code);
std::string CodeFileText(const MenuCode& code);

// The whole preview page, from blocks generated for "preview".
PagePieces PreviewPagePieces(const MenuCode& code);
std::string PreviewPageText(const MenuCode& code);

// The frameset around the preview page, for links into another frame.
std::string FramesetPageText(std::string_view frameName);

// The page shown in the target frame of the frameset.
std::string SecondFramePageText();

// One file of a preview: its name in the preview folder and its text.
struct PreviewFile {
    const char* name;
    std::string text;
};

// The files of a preview, from blocks generated for "preview", in the order they are written. The
// last one is the page to open: the frameset for links into another frame, otherwise the page.
std::vector<PreviewFile> PreviewFiles(const MenuCode& code, const model::MenuOptions& menu);

} // namespace generate
