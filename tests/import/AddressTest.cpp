#include "import/AddressResolver.h"
#include "import/EntryText.h"

#include <gtest/gtest.h>

using importing::AddressResolver;
using Kind = importing::AddressVerdict::Kind;

TEST(Addresses, AreCleanedSortedAndResolved) {
    const auto base = AddressResolver::WithBase("https://example.com/a/b/page.html?x=1");
    ASSERT_TRUE(base);
    const std::tuple<const char*, Kind, const char*> cases[] = {
        {" \t../c.html\n", Kind::Link, "https://example.com/a/c.html"},
        {"?y=2", Kind::Link, "https://example.com/a/b/page.html?y=2"},
        {"//cdn.example.net/x", Kind::Link, "https://cdn.example.net/x"},
        {"\\\\server\\share", Kind::Link, "https://server/share"},
        {"/100%", Kind::Link, "https://example.com/100%25"},
        {"/caf\xC3\xA9 menu", Kind::Link, "https://example.com/caf%C3%A9%20menu"},
        {"http://[::1]:8080/a[1]", Kind::Link,
         "http://[0000:0000:0000:0000:0000:0000:0000:0001]:8080/a%5B1%5D"},
        {"MAILTO:me@example.com", Kind::Unticked, "mailto:me@example.com"},
        {"JavaScript:void(0)", Kind::Skipped, ""},
        {"file:///home/me/x.html", Kind::Skipped, ""},
        {"chrome://settings", Kind::Skipped, ""},
        {"http://exa mple.com:port/", Kind::Skipped, ""},
    };
    for (const auto& [raw, kind, address] : cases) {
        const auto verdict = base->Resolve(raw);
        EXPECT_EQ(verdict.kind, kind) << raw;
        EXPECT_EQ(verdict.address, address) << raw;
    }
    EXPECT_FALSE(AddressResolver::WithBase("folder/page.html"));
    EXPECT_EQ(AddressResolver().Resolve(" ./a b.html ").address, "./a%20b.html");
}

TEST(Addresses, GiveReadableTexts) {
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"https://example.com/our-team.html", "Our team"},
        {"https://example.com/products/", "Products"},
        {"https://example.com/caf%C3%A9_menu.php?x=1#top", "Café menu"},
        {"https://example.com/v1.2", "V1.2"},
        {"https://example.com", "example.com"},
        {"mailto:team@example.com", "team@example.com"},
    };
    for (const auto& [address, text] : cases) {
        EXPECT_EQ(importing::TextFromAddress(address), text) << address;
    }
}
