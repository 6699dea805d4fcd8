#pragma once

#include "import/ImportResult.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

struct UriUriStructA;

namespace importing {

// An address as browsers clean it before they use it: blanks and control characters trimmed at
// both ends, tabs and line breaks removed, backslashes made slashes, and the characters an
// address cannot hold percent-encoded.
std::string CleanAddress(std::string_view raw);

// What a link's address gives the menu.
struct AddressVerdict {
    enum class Kind { Link, Unticked, Skipped };
    Kind kind = Kind::Link;
    SkipReason reason = SkipReason::Unreadable; // when skipped
    std::string address;
};

// Cleans addresses, sorts out those a visitor cannot follow and resolves relative ones against
// a base address with uriparser. Without a base, relative addresses stay relative.
class AddressResolver {
  public:
    AddressResolver();
    ~AddressResolver();
    AddressResolver(AddressResolver&&) noexcept;
    AddressResolver& operator=(AddressResolver&&) noexcept;

    // Nothing when `base` is not a complete (absolute) address.
    static std::optional<AddressResolver> WithBase(std::string_view base);

    bool HasBase() const { return base_ != nullptr; }

    // `base` resolved against this resolver's base: a page naming its own address.
    std::optional<AddressResolver> Rebased(std::string_view base) const;

    AddressVerdict Resolve(std::string_view raw) const;

  private:
    struct UriDeleter {
        void operator()(UriUriStructA* uri) const;
    };
    std::unique_ptr<UriUriStructA, UriDeleter> base_;
};

} // namespace importing
