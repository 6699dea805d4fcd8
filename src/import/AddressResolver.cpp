#include "import/AddressResolver.h"

#include "import/Lowercase.h"
#include "import/ParsedUri.h"

#include <algorithm>
#include <array>
#include <uriparser/Uri.h>

namespace importing {
namespace {

using Verdict = AddressVerdict;

struct SchemeRule {
    std::string_view scheme;
    Verdict::Kind kind;
    SkipReason reason;
};

constexpr std::array<SchemeRule, 19> kSchemeRules = {{
    {"javascript", Verdict::Kind::Skipped, SkipReason::Script},
    {"vbscript", Verdict::Kind::Skipped, SkipReason::Script},
    {"data", Verdict::Kind::Skipped, SkipReason::EmbeddedData},
    {"blob", Verdict::Kind::Skipped, SkipReason::EmbeddedData},
    {"about", Verdict::Kind::Skipped, SkipReason::BrowserPage},
    {"chrome", Verdict::Kind::Skipped, SkipReason::BrowserPage},
    {"chrome-extension", Verdict::Kind::Skipped, SkipReason::BrowserPage},
    {"chrome-search", Verdict::Kind::Skipped, SkipReason::BrowserPage},
    {"edge", Verdict::Kind::Skipped, SkipReason::BrowserPage},
    {"brave", Verdict::Kind::Skipped, SkipReason::BrowserPage},
    {"opera", Verdict::Kind::Skipped, SkipReason::BrowserPage},
    {"vivaldi", Verdict::Kind::Skipped, SkipReason::BrowserPage},
    {"moz-extension", Verdict::Kind::Skipped, SkipReason::BrowserPage},
    {"resource", Verdict::Kind::Skipped, SkipReason::BrowserPage},
    {"place", Verdict::Kind::Skipped, SkipReason::BrowserPage},
    {"view-source", Verdict::Kind::Skipped, SkipReason::BrowserPage},
    {"file", Verdict::Kind::Skipped, SkipReason::LocalFile},
    {"mailto", Verdict::Kind::Unticked, SkipReason::Unreadable},
    {"tel", Verdict::Kind::Unticked, SkipReason::Unreadable},
}};

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Where the host of an address ends; brackets may stand only before, around an IPv6 host.
std::size_t AuthorityEnd(std::string_view text) {
    const auto slashes = text.find("//");
    if (slashes == std::string_view::npos || (slashes != 0 && slashes != text.find(':') + 1)) {
        return 0;
    }
    return std::min(text.find_first_of("/?#", slashes + 2), text.size());
}

// Characters no address may hold as they are.
bool NeedsEncoding(unsigned char c, bool brackets) {
    if (c <= 0x20 || c >= 0x7F) {
        return true;
    }
    constexpr std::string_view kAlways = "\"<>^`{|}";
    return kAlways.find(static_cast<char>(c)) != std::string_view::npos ||
           (brackets && (c == '[' || c == ']'));
}

// `brackets`: encode them too, past the host.
std::string PercentEncode(std::string_view text, bool brackets) {
    const std::size_t hostEnd = brackets ? AuthorityEnd(text) : text.size();
    constexpr std::string_view kHex = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const bool strayPercent = c == '%' && !(i + 2 < text.size() && IsHexDigit(text[i + 1]) &&
                                                IsHexDigit(text[i + 2]));
        if (NeedsEncoding(c, i >= hostEnd) || strayPercent) {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0x0F];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string ToString(const UriUriA& uri) {
    int length = 0;
    if (uriToStringCharsRequiredA(&uri, &length) != URI_SUCCESS) {
        return {};
    }
    std::string out(static_cast<std::size_t>(length) + 1, '\0');
    if (uriToStringA(out.data(), &uri, length + 1, nullptr) != URI_SUCCESS) {
        return {};
    }
    out.resize(static_cast<std::size_t>(length));
    return out;
}

// The address resolved against `base` (when given and the address is relative) and normalised;
// empty when that fails.
std::string Absolute(UriUriA& uri, const UriUriA* base) {
    if (base != nullptr && uri.scheme.first == nullptr) {
        UriUriA resolved{};
        std::string out;
        if (uriAddBaseUriExA(&resolved, &uri, base, URI_RESOLVE_STRICTLY) == URI_SUCCESS &&
            uriNormalizeSyntaxA(&resolved) == URI_SUCCESS) {
            out = ToString(resolved);
        }
        uriFreeUriMembersA(&resolved);
        return out;
    }
    if (uriNormalizeSyntaxA(&uri) != URI_SUCCESS) {
        return {};
    }
    return ToString(uri);
}

} // namespace

std::string CleanAddress(std::string_view raw) {
    const auto isControlOrBlank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
    while (!raw.empty() && isControlOrBlank(raw.front())) {
        raw.remove_prefix(1);
    }
    while (!raw.empty() && isControlOrBlank(raw.back())) {
        raw.remove_suffix(1);
    }
    std::string text;
    text.reserve(raw.size());
    for (const char c : raw) {
        if (c == '\t' || c == '\n' || c == '\r') {
            continue;
        }
        text += c == '\\' ? '/' : c;
    }
    return PercentEncode(text, false);
}

void AddressResolver::UriDeleter::operator()(UriUriStructA* uri) const {
    uriFreeUriMembersA(uri);
    delete uri;
}

AddressResolver::AddressResolver() = default;
AddressResolver::~AddressResolver() = default;
AddressResolver::AddressResolver(AddressResolver&&) noexcept = default;
AddressResolver& AddressResolver::operator=(AddressResolver&&) noexcept = default;

std::optional<AddressResolver> AddressResolver::WithBase(std::string_view base) {
    return AddressResolver().Rebased(base);
}

std::optional<AddressResolver> AddressResolver::Rebased(std::string_view base) const {
    const Verdict verdict = Resolve(base);
    if (verdict.kind != Verdict::Kind::Link) {
        return std::nullopt;
    }
    auto uri = std::unique_ptr<UriUriA, UriDeleter>(new UriUriA{});
    const char* error = nullptr;
    if (uriParseSingleUriA(uri.get(), verdict.address.c_str(), &error) != URI_SUCCESS) {
        return std::nullopt;
    }
    // Owning its text, the base outlives the string it was parsed from.
    if (uriMakeOwnerA(uri.get()) != URI_SUCCESS || uri->scheme.first == nullptr) {
        return std::nullopt;
    }
    AddressResolver resolver;
    resolver.base_ = std::move(uri);
    return resolver;
}

AddressVerdict AddressResolver::Resolve(std::string_view raw) const {
    std::string cleaned = CleanAddress(raw);
    if (cleaned.empty()) {
        return {Verdict::Kind::Skipped, SkipReason::Empty, {}};
    }
    if (cleaned.front() == '#') {
        return {Verdict::Kind::Skipped, SkipReason::SamePage, {}};
    }
    auto parsed = std::make_unique<ParsedUri>(cleaned);
    if (!parsed->Ok()) {
        // Brackets belong around an IPv6 host only; anywhere else they are encoded.
        cleaned = PercentEncode(cleaned, true);
        parsed = std::make_unique<ParsedUri>(cleaned);
        if (!parsed->Ok()) {
            return {Verdict::Kind::Skipped, SkipReason::Unreadable, {}};
        }
    }
    Verdict verdict;
    const std::string scheme = Lowercase(RangeText(parsed->uri.scheme));
    for (const auto& rule : kSchemeRules) {
        if (rule.scheme == scheme) {
            verdict.kind = rule.kind;
            verdict.reason = rule.reason;
        }
    }
    if (verdict.kind == Verdict::Kind::Skipped) {
        return verdict;
    }
    if (scheme.empty() && !HasBase()) {
        verdict.address = std::move(cleaned);
        return verdict;
    }
    verdict.address = Absolute(parsed->uri, base_.get());
    if (verdict.address.empty()) {
        return {Verdict::Kind::Skipped, SkipReason::Unreadable, {}};
    }
    return verdict;
}

} // namespace importing
