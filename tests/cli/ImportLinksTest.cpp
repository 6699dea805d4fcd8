#include "../core/TestFolder.h"
#include "HeadlessRun.h"
#include "cli/CommandLine.h"
#include "project/ProjectFile.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace fs = std::filesystem;

const fs::path kSite = fs::path(QUORVANE_IMPORT_FILES) / "site";

TEST(ImportLinks, FromASitemapToExportedCode) {
    CTestFolder scratch;
    const auto project = (scratch.path / "site.qvn").string();
    EXPECT_EQ(Headless({"--import", (kSite / "sitemap-index.xml").string(), "--output=" + project}),
              (Outcome{cli::kExitOk, "",
                       "The sitemap https://example.com/sitemap-missing.xml named in the index was "
                       "not found beside it.\n"}));

    const auto code = Headless({"--export-code", project});
    ASSERT_EQ(code.status, cli::kExitOk) << code.err;
    for (const char* expected : {">Welcome</OPTION>", "\"https://example.com/our-team.html\"",
                                 ">Spring sale</OPTION>", "value=\"Go\""}) {
        EXPECT_NE(code.out.find(expected), std::string::npos) << expected << "\n" << code.out;
    }
}

TEST(ImportLinks, BaseAddressOrBaseFolderShapesTheAddresses) {
    CTestFolder scratch;
    const auto project = scratch.path / "site.qvn";
    const auto base = model::NewProject(model::PlainStyleDefaults());
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--base", "https://example.com/shop"}, "https://example.com/shop/index.html"},
        {{"--base=" + kSite.parent_path().string()}, "site/index.html"},
    };
    for (const auto& [options, firstUrl] : cases) {
        std::vector<std::string> args = {"--output", project.string(), "--import", kSite.string()};
        args.insert(args.end(), options.begin(), options.end());
        ASSERT_EQ(Headless(args).status, cli::kExitOk);
        const auto loaded = project::LoadProjectFile(project, base);
        ASSERT_TRUE(loaded);
        EXPECT_EQ(loaded->items.at(0).url, firstUrl);
    }
}

TEST(ImportLinks, WrongArgumentsRefusalsAndWriteFailures) {
    CTestFolder scratch;
    std::ofstream(scratch.path / "scripts.txt") << "javascript:go()\n";
    const auto output = (scratch.path / "out.qvn").string();
    const std::vector<std::tuple<std::vector<std::string>, int, std::string>> cases = {
        {{"--import"}, cli::kExitUsage, "quorvane: --import needs a value\n"},
        {{"--import", "a.html"},
         cli::kExitUsage,
         "quorvane: --import needs --output PROJECT.qvn\n"},
        {{"--import=a", "--import=b", "--output=c"}, cli::kExitUsage, "--import is given twice"},
        {{"--import=a", "--target", "file"}, cli::kExitUsage, "unexpected argument '--target'"},
        {{"--import", (scratch.path / "gone.html").string(), "--output", output},
         cli::kExitRefused,
         "The file gone.html could not be read.\n"},
        {{"--import", (scratch.path / "scripts.txt").string(), "--output", output},
         cli::kExitRefused,
         "1 link to a script was skipped.\nNo links that can be imported were found in "
         "scripts.txt.\n"},
        {{"--import", kSite.string(), "--base", "relative/", "--output", output},
         cli::kExitRefused,
         "The base address relative/ is not a complete address such as https://example.com/.\n"},
        {{"--import", kSite.string(), "--output", (scratch.path / "no" / "x.qvn").string()},
         cli::kExitWriteFailed,
         "quorvane: could not write"},
    };
    for (const auto& [args, status, message] : cases) {
        const auto run = Headless(args);
        EXPECT_EQ(run.status, status) << args.front();
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    }
    EXPECT_FALSE(fs::exists(output));
}
