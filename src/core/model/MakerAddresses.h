#pragma once

// The maker's addresses, in one place: the generated code, the web-link buttons, the help menu
// and the about window all point at them.
namespace model {

inline constexpr char kMakerSite[] = "https://www.brindlecote.example";
inline constexpr char kTemplateSite[] = "https://templates.brindlecote.example";
inline constexpr char kSupportEmail[] = "support@brindlecote.example";

} // namespace model
