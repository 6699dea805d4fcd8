#include "TestFolder.h"
#include "project/AtomicFile.h"
#include "project/CIniFile.h"
#include "project/IniDocument.h"

#include <gtest/gtest.h>

using project::CIniDocument;

TEST(IniDocument, ReadsValuesTheWayTheProfileFunctionsDo) {
    const std::string longValue(300, 'x');
    const CIniDocument ini("lead=0\r\n[One]\r\n  Key = padded value  \r\nkey=second\r\n"
                           "q=\"quoted\"\r\ns=' single '\r\nm=\"mixed'\r\nbare\r\n"
                           "[ONE]\r\nlater=1\n[Two]\nlong=" +
                           longValue + "\nempty=\nmac=1\rnext=2\r");
    EXPECT_EQ(ini.Find("one", "KEY"), "padded value");
    EXPECT_EQ(ini.Find(" One ", "q"), "quoted");
    EXPECT_EQ(ini.Find("one", "s"), " single ");
    EXPECT_EQ(ini.Find("one", "m"), "\"mixed'");
    EXPECT_FALSE(ini.Find("one", "bare"));
    EXPECT_FALSE(ini.Find("one", "later")) << "a repeated section is not searched";
    EXPECT_FALSE(ini.Find("", "lead")) << "lines before the first section belong to none";
    EXPECT_EQ(ini.Find("two", "long"), longValue);
    EXPECT_EQ(ini.Find("two", "empty"), "");
    EXPECT_EQ(ini.Find("two", "mac"), "1") << "a lone CR ends a line too";
    EXPECT_EQ(ini.Find("two", "next"), "2");
    EXPECT_FALSE(ini.Find("three", "long"));
}

TEST(IniDocument, WritesKeysAndSectionsWhereTheProfileFunctionsPutThem) {
    CIniDocument ini("Header line, kept\n[A]\nx=1\n  Y = 2\n\n[B]\nz=3");
    ini.SetValue("a", "y", "   two");
    ini.SetValue("A", "new", "n");
    ini.SetValue("C", "k", "v");
    ini.SetValue("B", "bro\nken", std::string("a\0b\r\nc", 7));
    ini.SetValue("c", "K", "w");
    EXPECT_EQ(ini.Text(), "Header line, kept\r\n[A]\r\nx=1\r\nY=   two\r\nnew=n\r\n\r\n"
                          "[B]\r\nz=3\r\nbroken=abc\r\n[C]\r\nk=w\r\n");
    EXPECT_EQ(ini.Find("A", "y"), "two");

    CIniDocument empty;
    empty.SetValue("[S\r\n", "k", "v");
    EXPECT_EQ(empty.Text(), "[[S]\r\nk=v\r\n");
}

TEST(CIniFile, OpensTheFileForEveryReadAndWrite) {
    const CTestFolder folder;
    project::CIniFile ini;
    ini.SetPath(folder / "a.ini");
    ini.SetSection("S");
    ini.SetKey("k");
    ini.SetDefault("none");
    EXPECT_EQ(ini.Value(), "none");

    ini.SetValue(" v ");
    EXPECT_NE(ini.LastReturnCode(), 0);
    EXPECT_EQ(project::ReadWholeFile(ini.Path()), "[S]\r\nk= v \r\n");
    EXPECT_EQ(ini.Value(), "v");
    ASSERT_FALSE(project::WriteFileAtomically(ini.Path(), "[s]\nK=changed outside\n"));
    EXPECT_EQ(ini.Value(), "changed outside");
    ini.SetKey("other");
    EXPECT_EQ(ini.Value(), "none");

    ini.SetPath(folder / "missing" / "a.ini");
    ini.SetValue("v");
    EXPECT_EQ(ini.LastReturnCode(), 0);
    ini.SetPath(folder.path);
    ini.SetValue("v");
    EXPECT_EQ(ini.LastReturnCode(), 0) << "what cannot be read is not replaced";
    EXPECT_TRUE(std::filesystem::is_directory(folder.path));
}
