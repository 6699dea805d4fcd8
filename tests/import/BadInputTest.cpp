#include "ImportTestSupport.h"
#include "TestFolder.h"
#include "import/ImportLimits.h"
#include "import/ImportSource.h"

#include <fstream>
#include <gtest/gtest.h>
#include <zlib.h>

using importing::ImportPath;

namespace {

std::string Repeat(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) {
        out += text;
    }
    return out;
}

// 51 MB of zeros, compressed to about 50 kB.
void WriteGzipBomb(const std::filesystem::path& path) {
    gzFile file = gzopen(path.c_str(), "wb9");
    const std::string zeros(1024 * 1024, '\0');
    for (int i = 0; i < 51; ++i) {
        gzwrite(file, zeros.data(), static_cast<unsigned>(zeros.size()));
    }
    gzclose(file);
}

} // namespace

TEST(BadInput, EndsInAClearRefusal) {
    CTestFolder folder;
    std::ofstream(folder / "deep.xml") << "<?xml version=\"1.0\"?><urlset>" +
                                              Repeat("<url>", 10000) + Repeat("</url>", 10000) +
                                              "</urlset>";
    // 200 MB without writing them: the file is sparse.
    std::ofstream(folder / "huge.html") << "<a href=x>";
    std::filesystem::resize_file(folder / "huge.html", 200U * 1024 * 1024);
    WriteGzipBomb(folder / "bomb.xml.gz");

    const std::vector<std::pair<std::filesystem::path, std::string>> cases = {
        {kImportFiles / "bad" / "empty.html", "The file empty.html is empty."},
        {kImportFiles / "bad" / "blank.txt", "The file blank.txt is empty."},
        {kImportFiles / "bad" / "picture.html",
         "The file picture.html is not a bookmarks file, sitemap, web page or list of addresses."},
        {folder / "bomb.xml.gz",
         "The file bomb.xml.gz unpacks to more than 50 MB. Sitemaps of up to 50 MB can be "
         "imported."},
        {kImportFiles / "bad" / "entities.xml",
         "The file entities.xml declares entities. Such files are not read, to keep this "
         "computer safe."},
        {kImportFiles / "bad" / "feed.xml",
         "The file feed.xml is not a sitemap: it holds <rss>, not <urlset> or <sitemapindex>."},
        {kImportFiles / "bad" / "broken.xml",
         "The file broken.xml is not well-formed XML (line 4), so it cannot be read as a "
         "sitemap."},
        {folder / "deep.xml",
         "The file deep.xml is nested more than 256 levels deep, so it cannot be read as a "
         "sitemap."},
        {folder / "huge.html",
         "The file huge.html is larger than 50 MB. Files of up to 50 MB can be imported."},
    };
    for (const auto& [path, message] : cases) {
        const auto result = ImportPath(path, {});
        ASSERT_TRUE(result.refusal) << path;
        EXPECT_EQ(result.refusal->English(), message);
        EXPECT_TRUE(result.groups.empty()) << path;
    }
}

TEST(BadInput, APageNestedTooDeepIsReadUpToTheLimitWithAWarning) {
    CTestFolder folder;
    std::ofstream(folder / "deep.html") << "<a href=first.html>First</a>" + Repeat("<div>", 10000) +
                                               "<a href=deep.html>Deep</a>" +
                                               Repeat("</div>", 10000);
    const auto result = ImportPath(folder / "deep.html", {});
    EXPECT_EQ(EntryLines(result), std::vector<std::string>{": First -> first.html"});
    EXPECT_EQ(English(result.warnings),
              std::vector<std::string>{"The file deep.html is nested more than 256 levels deep; "
                                       "what lies deeper was not read."});
}

TEST(BadInput, NoMoreThanTheEntryLimitIsRead) {
    std::string lines;
    for (std::size_t i = 0; i <= importing::kMaxEntries; ++i) {
        lines += "https://example.com/" + std::to_string(i) + "\n";
    }
    const auto result = importing::ImportPastedText(lines, {});
    EXPECT_EQ(result.groups.at(0).entries.size(), importing::kMaxEntries);
    EXPECT_EQ(English(result.warnings),
              std::vector<std::string>{
                  "Only the first 50000 links were read; the rest of the source was left out."});
}
