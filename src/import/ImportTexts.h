#pragma once

#include "model/Translatable.h"

// Every text of the import that the user reads, in English. The window passes them through its
// translation; %1, %2 ... are filled in afterwards. Counted texts come as a singular and a plural.
namespace importing::texts {

// Refusals: the source is not read at all.
inline constexpr const char* kFileUnreadable =
    TRANSLATABLE("ImportTexts", "The file %1 could not be read.");
inline constexpr const char* kFolderUnreadable =
    TRANSLATABLE("ImportTexts", "The folder %1 could not be read.");
inline constexpr const char* kFileEmpty = TRANSLATABLE("ImportTexts", "The file %1 is empty.");
inline constexpr const char* kFileTooLarge = TRANSLATABLE(
    "ImportTexts", "The file %1 is larger than %2 MB. Files of up to %2 MB can be imported.");
inline constexpr const char* kNotText = TRANSLATABLE(
    "ImportTexts", "The file %1 is not a bookmarks file, sitemap, web page or list of addresses.");
inline constexpr const char* kBadGzip =
    TRANSLATABLE("ImportTexts", "The file %1 is a damaged or incomplete gzip file.");
inline constexpr const char* kGzipTooLarge = TRANSLATABLE(
    "ImportTexts",
    "The file %1 unpacks to more than %2 MB. Sitemaps of up to %2 MB can be imported.");
inline constexpr const char* kDeclaresEntities = TRANSLATABLE(
    "ImportTexts",
    "The file %1 declares entities. Such files are not read, to keep this computer safe.");
inline constexpr const char* kNotWellFormed = TRANSLATABLE(
    "ImportTexts",
    "The file %1 is not well-formed XML (line %2), so it cannot be read as a sitemap.");
inline constexpr const char* kXmlTooDeep = TRANSLATABLE(
    "ImportTexts",
    "The file %1 is nested more than %2 levels deep, so it cannot be read as a sitemap.");
inline constexpr const char* kNotSitemap = TRANSLATABLE(
    "ImportTexts", "The file %1 is not a sitemap: it holds <%2>, not <urlset> or <sitemapindex>.");
inline constexpr const char* kBadBase = TRANSLATABLE(
    "ImportTexts", "The base address %1 is not a complete address such as https://example.com/.");
inline constexpr const char* kFolderOutsideBase =
    TRANSLATABLE("ImportTexts", "The folder %1 does not lie in the base folder %2.");
inline constexpr const char* kNothingFound =
    TRANSLATABLE("ImportTexts", "No links that can be imported were found in %1.");
inline constexpr const char* kNothingPasted =
    TRANSLATABLE("ImportTexts", "No links that can be imported were found in the pasted text.");

// Warnings: the source was read, but not all of it.
inline constexpr const char* kPageCutShort =
    TRANSLATABLE("ImportTexts",
                 "The file %1 is nested more than %2 levels deep; what lies deeper was not read.");
inline constexpr const char* kTooManyEntries = TRANSLATABLE(
    "ImportTexts", "Only the first %1 links were read; the rest of the source was left out.");
inline constexpr const char* kTooManyFiles = TRANSLATABLE(
    "ImportTexts",
    "The folder holds more than %1 files and folders; only the first %1 were looked at.");
inline constexpr const char* kSitemapMissing =
    TRANSLATABLE("ImportTexts", "The sitemap %1 named in the index was not found beside it.");
inline constexpr const char* kIndexInIndex = TRANSLATABLE(
    "ImportTexts",
    "The sitemap index %1 names another index, %2; indexes inside indexes are not read.");

// Links left out, with their count.
struct Counted {
    const char* one;
    const char* many;
};
inline constexpr Counted kSkippedScripts = {
    TRANSLATABLE("ImportTexts", "1 link to a script was skipped."),
    TRANSLATABLE("ImportTexts", "%1 links to scripts were skipped.")};
inline constexpr Counted kSkippedData = {
    TRANSLATABLE("ImportTexts", "1 link to embedded data was skipped."),
    TRANSLATABLE("ImportTexts", "%1 links to embedded data were skipped.")};
inline constexpr Counted kSkippedBrowserPages = {
    TRANSLATABLE("ImportTexts", "1 link to a page of the browser was skipped."),
    TRANSLATABLE("ImportTexts", "%1 links to pages of the browser were skipped.")};
inline constexpr Counted kSkippedLocalFiles = {
    TRANSLATABLE("ImportTexts", "1 link to a file on this computer was skipped."),
    TRANSLATABLE("ImportTexts", "%1 links to files on this computer were skipped.")};
inline constexpr Counted kSkippedEmpty = {
    TRANSLATABLE("ImportTexts", "1 link without an address was skipped."),
    TRANSLATABLE("ImportTexts", "%1 links without an address were skipped.")};
inline constexpr Counted kSkippedSamePage = {
    TRANSLATABLE("ImportTexts", "1 link to a place on the same page was skipped."),
    TRANSLATABLE("ImportTexts", "%1 links to places on the same page were skipped.")};
inline constexpr Counted kSkippedUnreadable = {
    TRANSLATABLE("ImportTexts", "1 address that could not be read was skipped."),
    TRANSLATABLE("ImportTexts", "%1 addresses that could not be read were skipped.")};

} // namespace importing::texts
