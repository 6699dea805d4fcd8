#include "../core/TestFolder.h"
#include "HeadlessRun.h"
#include "cli/CommandLine.h"
#include "generate/CodeOutput.h"
#include "project/AtomicFile.h"
#include "project/ProjectFile.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const fs::path kExamples = QUORVANE_EXAMPLES_DIR;

generate::MenuCode ExampleCode(const std::string& name, generate::CodeTarget target) {
    const auto project =
        project::LoadProjectFile(kExamples / name, model::NewProject(model::PlainStyleDefaults()));
    EXPECT_TRUE(project.has_value());
    return generate::GenerateMenuCode(*project, target);
}

std::string Slurp(const fs::path& path) {
    return project::ReadWholeFile(path).value_or("<missing>");
}

// Runs a bash script in `folder`, where $Q is the program and $P a copy of an example project;
// the script's exit status.
int Script(const fs::path& folder, const std::string& text) {
    fs::copy_file(kExamples / "shop-menu.qvn", folder / "p.qvn",
                  fs::copy_options::overwrite_existing);
    std::ofstream(folder / "run.sh")
        << "set -o pipefail\ncd '" << folder.string() << "'\nQ='" << QUORVANE_EXE << "'\nP=p.qvn\n"
        << text << '\n';
    const int status = std::system(("bash '" + (folder / "run.sh").string() + "'").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string ShopCode() {
    const auto code = ExampleCode("shop-menu.qvn", generate::CodeTarget::Clip);
    return code.javaScript + code.html;
}

} // namespace

// A project file alone, or nothing, is left to the window.
TEST(CommandLine, HelpVersionAndUsageErrors) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_FALSE(cli::RunHeadless({}, out, err).has_value());
    EXPECT_FALSE(cli::RunHeadless({"/home/me/menu.qvn"}, out, err).has_value());
    EXPECT_FALSE(cli::RunHeadless({"/home/me/My", "Menu.qvn"}, out, err).has_value());
    EXPECT_EQ(out.str() + err.str(), "");

    EXPECT_EQ(Headless({"--version"}), (Outcome{cli::kExitOk, "Quorvane 2.5\n", ""}));

    const auto help = Headless({"--help"});
    EXPECT_EQ(help.status, cli::kExitOk);
    EXPECT_NE(help.out.find("--export-code PROJECT.qvn"), std::string::npos);

    const std::pair<std::vector<std::string>, std::string> wrong[] = {
        {{"--frobnicate"}, "unexpected argument '--frobnicate'"},
        {{"--export-code"}, "--export-code needs a value"},
        {{"--export-code", "--target"}, "--export-code needs a value"},
        {{"good.qvn", "--export-code"}, "unexpected argument 'good.qvn'"},
        {{"--export-code", "a.qvn", "extra"}, "unexpected argument 'extra'"},
        {{"--export-code", "a.qvn", "--target"}, "--target needs a value"},
        {{"--export-code=a.qvn", "--target=CLIP"}, "--target must be clip, file or preview"},
        {{"--export-code", "a.qvn", "--output", "x", "--output=y"}, "--output is given twice"},
        {{"--target=file"}, "--target and --output go with --export-code PROJECT.qvn"},
        {{"--help=me"}, "--help takes no value"}};
    for (const auto& [args, problem] : wrong) {
        const auto run = Headless(args);
        EXPECT_EQ(run.status, cli::kExitUsage) << problem;
        EXPECT_NE(run.err.find(problem), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("Try 'quorvane --help'"), std::string::npos);
        EXPECT_EQ(run.out, "");
    }
}

TEST(ExportCode, WritesEachTargetAsTheWindowWould) {
    EXPECT_EQ(Headless({"--export-code", (kExamples / "shop-menu.qvn").string()}),
              (Outcome{cli::kExitOk, ShopCode(), ""}));

    CTestFolder folder;
    EXPECT_EQ(Headless({"--export-code=" + (kExamples / "shop-menu.qvn").string(), "--target=file",
                        "--output=" + (folder.path / "m.html").string()}),
              (Outcome{cli::kExitOk, "", ""}));
    EXPECT_EQ(Slurp(folder.path / "m.html"),
              generate::CodeFileText(ExampleCode("shop-menu.qvn", generate::CodeTarget::File)));
}

TEST(ExportCode, PreviewForAnotherFrameWritesTheFramesetBesideThePage) {
    CTestFolder folder;
    const auto page = folder.path / generate::kPreviewPageName;
    const auto run = Headless({"--export-code", (kExamples / "frame-menu.qvn").string(), "--output",
                               page.string(), "--target", "preview"});
    EXPECT_EQ(run.status, cli::kExitOk) << run.err;
    EXPECT_EQ(Slurp(page), generate::PreviewPageText(
                               ExampleCode("frame-menu.qvn", generate::CodeTarget::Preview)));
    EXPECT_EQ(Slurp(folder.path / generate::kFramesetPageName),
              generate::FramesetPageText("content"));
    EXPECT_EQ(Slurp(folder.path / generate::kSecondFramePageName), generate::SecondFramePageText());

    CTestFolder sameWindow;
    Headless({"--export-code", (kExamples / "shop-menu.qvn").string(), "--target", "preview",
              "--output", (sameWindow.path / generate::kPreviewPageName).string()});
    EXPECT_FALSE(fs::exists(sameWindow.path / generate::kFramesetPageName));
}

TEST(ExportCode, RefusalsChecksAndWriteFailuresHaveTheirOwnStatus) {
    CTestFolder folder;
    const auto bad = folder.path / "notes.qvn";
    std::ofstream(bad) << "Just some notes\r\n";
    EXPECT_EQ(Headless({"--export-code", bad.string()}),
              (Outcome{cli::kExitRefused, "",
                       "Could not load \"notes.qvn\". The file is either corrupt, not a valid "
                       "Quorvane project file, or no longer exists.\nquorvane: " +
                           bad.string() +
                           ": the first line is not \"Quorvane Project File (Do not edit "
                           "manually)\"\n"}));

    auto unnamed = project::LoadProjectFile(kExamples / "shop-menu.qvn",
                                            model::NewProject(model::PlainStyleDefaults()));
    ASSERT_TRUE(unnamed);
    unnamed->menu.menuName.clear();
    ASSERT_FALSE(project::SaveProjectFile(folder.path / "unnamed.qvn", *unnamed));
    const auto check = Headless({"--export-code", (folder.path / "unnamed.qvn").string()});
    EXPECT_EQ(check.status, cli::kExitCheckFailed);
    EXPECT_TRUE(check.err.starts_with("You must specify a name for the menu")) << check.err;
    EXPECT_EQ(check.out, "");

    const auto unwritable = folder.path / "no-such-folder" / "m.html";
    const auto failed = Headless(
        {"--export-code", (kExamples / "shop-menu.qvn").string(), "--output", unwritable.string()});
    EXPECT_EQ(failed.status, cli::kExitWriteFailed);
    EXPECT_NE(failed.err.find("could not write"), std::string::npos);
    EXPECT_FALSE(fs::exists(unwritable));
}

TEST(ExportCode, OutputsThatAreNoRegularFilesAreWrittenInPlace) {
    CTestFolder folder;
    // The script, its exit status, the file it fills and what stood there before the code: the
    // bytes on standard output are the code unchanged.
    const std::tuple<std::string, int, const char*, std::string> runs[] = {
        {"$Q --export-code $P > plain; $Q --export-code 2>/dev/null", cli::kExitUsage, "plain", ""},
        {"echo earlier > log\n$Q --export-code $P --output /dev/stdout >> log", 0, "log",
         "earlier\n"},
        {"$Q --export-code $P --output=/dev/stdout | cat > piped", 0, "piped", ""},
        {"mkfifo fifo; cat fifo > drained & $Q --export-code $P --output fifo; wait; test -p fifo",
         0, "drained", ""}};
    for (const auto& [script, status, file, before] : runs) {
        EXPECT_EQ(Script(folder.path, script), status) << script;
        EXPECT_EQ(Slurp(folder.path / file), before + ShopCode()) << script;
    }
    if (::geteuid() == 0) {
        EXPECT_EQ(Script(folder.path, "mknod nullcopy c 1 3; $Q --export-code $P --output nullcopy "
                                      "&& test -c nullcopy"),
                  0);
    }
    // The pages of a frame menu go beside the output, never beside a device.
    EXPECT_EQ(Script(folder.path, "$Q --export-code '" + (kExamples / "frame-menu.qvn").string() +
                                      "' --target preview --output fifo"),
              cli::kExitUsage);
    EXPECT_FALSE(fs::exists(folder.path / generate::kFramesetPageName));
}

TEST(ExportCode, TheProjectIsNeverItsOwnOutput) {
    CTestFolder folder;
    for (const std::string output : {"p.qvn", "./sub/../p.qvn", "link.qvn", "hard.qvn"}) {
        const int status =
            Script(folder.path, "mkdir -p sub; ln -sf p.qvn link.qvn; ln -f p.qvn hard.qvn\n"
                                "$Q --export-code $P --target file --output " +
                                    output + " 2> err");
        EXPECT_EQ(status, cli::kExitWriteFailed) << output;
        EXPECT_EQ(Slurp(folder.path / "p.qvn"), Slurp(kExamples / "shop-menu.qvn")) << output;
        EXPECT_NE(Slurp(folder.path / "err").find("is the project file itself"), std::string::npos);
    }
}

TEST(ExportCode, AFailedWriteToStandardOutputIsReported) {
    CTestFolder folder;
    for (const std::string command :
         {"$Q --export-code $P > /dev/full 2> err", "$Q --version > /dev/full 2> err"}) {
        EXPECT_EQ(Script(folder.path, command), cli::kExitWriteFailed) << command;
        EXPECT_NE(Slurp(folder.path / "err").find("No space left on device"), std::string::npos)
            << command;
    }
}
