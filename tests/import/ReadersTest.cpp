#include "ImportTestSupport.h"
#include "import/ImportSource.h"
#include "import/SiteFiles.h"

#include <gtest/gtest.h>

using importing::ImportPath;
using Lines = std::vector<std::string>;

TEST(Readers, PageLinksAreCleanedAndResolvedAgainstTheBase) {
    const Lines relative = {
        ": Home -> index.html",
        ": About us -> about%20us.html",
        ": Widgets -> products/widgets.html",
        ": Cart -> ../shop/cart.html",
        ": Call us -> tel:+15550100 (unticked)",
        ": Docs -> https://example.com/docs/~user/",
        ": Search -> https://example.com/search?q=a%20b&x=%5B1%5D",
        ": FAQ -> faq.html",
    };
    const auto kept = ImportPath(kImportFiles / "links.html", {});
    EXPECT_EQ(EntryLines(kept), relative);
    EXPECT_EQ(English(kept.SkippedTexts()),
              (Lines{"1 link to a script was skipped.", "1 link to embedded data was skipped.",
                     "1 link to a page of the browser was skipped.",
                     "1 link without an address was skipped.",
                     "1 link to a place on the same page was skipped."}));

    const auto resolved =
        ImportPath(kImportFiles / "links.html", {"https://example.com/site/nav/", {}});
    EXPECT_EQ(EntryLines(resolved)[1],
              ": About us -> https://example.com/site/nav/about%20us.html");
    EXPECT_EQ(EntryLines(resolved)[3], ": Cart -> https://example.com/site/shop/cart.html");
}

TEST(Readers, DeclaredLatin1IsReadAsWindows1252) {
    const auto result = ImportPath(kImportFiles / "latin1.html", {"http://example.com/", {}});
    EXPECT_EQ(EntryLines(result), Lines{": Price in € -> http://example.com/prices.html"});
    EXPECT_EQ(importing::PageFileTitle(kImportFiles / "latin1.html"), "Café “Menu”");
}

TEST(Readers, SiteFolderGroupsPagesByFolderWithIndexFirst) {
    const Lines relative = {
        ": Welcome -> index.html",
        ": About Tom & Jerry -> about.html",
        "products: Products -> products/index.htm",
        "products: my page.html -> products/my%20page.html",
        "products: Widgets -> products/widgets.html",
        "products / tools: Hammers -> products/tools/hammer.xhtml",
    };
    EXPECT_EQ(EntryLines(ImportPath(kImportFiles / "site", {})), relative);

    const auto outside = ImportPath(kImportFiles / "site", {"", kImportFiles / "bad"});
    ASSERT_TRUE(outside.refusal);
    EXPECT_EQ(outside.refusal->English(), "The folder site does not lie in the base folder bad.");
}

// The index a sitemap may stand in is followed on the command line.
TEST(Readers, SitemapTakesTitlesFromTheLocalSite) {
    EXPECT_EQ(EntryLines(ImportPath(kImportFiles / "site" / "sitemap.xml", {})),
              (Lines{": Welcome -> https://example.com/",
                     ": About Tom & Jerry -> https://example.com/about.html",
                     ": Widgets -> https://example.com/products/widgets.html",
                     ": Our team -> https://example.com/our-team.html"}));
}

TEST(Readers, PastedLinesTakeTextsFromTabsBarsOrTheAddress) {
    const auto result = importing::ImportPastedText(
        "https://example.com/our-team.html\r\n\n  \nPrices\tprices.html\nContact | /contact/\n"
        "javascript:go()\n",
        {"https://example.com/shop/", {}});
    EXPECT_EQ(EntryLines(result), (Lines{": Our team -> https://example.com/our-team.html",
                                         ": Prices -> https://example.com/shop/prices.html",
                                         ": Contact -> https://example.com/contact/"}));
    EXPECT_EQ(result.Skipped(importing::SkipReason::Script), 1U);
}
