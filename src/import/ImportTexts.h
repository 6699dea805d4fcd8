#pragma once

// Every text of the import that the user reads, in English. The window passes them through its
// translation; %1, %2 ... are filled in afterwards. Counted texts come as a singular and a plural.
namespace importing::texts {

// Refusals: the source is not read at all.
inline constexpr const char* kFileUnreadable = "The file %1 could not be read.";
inline constexpr const char* kFolderUnreadable = "The folder %1 could not be read.";
inline constexpr const char* kFileEmpty = "The file %1 is empty.";
inline constexpr const char* kFileTooLarge =
    "The file %1 is larger than %2 MB. Files of up to %2 MB can be imported.";
inline constexpr const char* kNotText =
    "The file %1 is not a bookmarks file, sitemap, web page or list of addresses.";
inline constexpr const char* kBadGzip = "The file %1 is a damaged or incomplete gzip file.";
inline constexpr const char* kGzipTooLarge =
    "The file %1 unpacks to more than %2 MB. Sitemaps of up to %2 MB can be imported.";
inline constexpr const char* kDeclaresEntities =
    "The file %1 declares entities. Such files are not read, to keep this computer safe.";
inline constexpr const char* kNotWellFormed =
    "The file %1 is not well-formed XML (line %2), so it cannot be read as a sitemap.";
inline constexpr const char* kXmlTooDeep =
    "The file %1 is nested more than %2 levels deep, so it cannot be read as a sitemap.";
inline constexpr const char* kNotSitemap =
    "The file %1 is not a sitemap: it holds <%2>, not <urlset> or <sitemapindex>.";
inline constexpr const char* kBadBase =
    "The base address %1 is not a complete address such as https://example.com/.";
inline constexpr const char* kFolderOutsideBase =
    "The folder %1 does not lie in the base folder %2.";
inline constexpr const char* kNothingFound = "No links that can be imported were found in %1.";

// Warnings: the source was read, but not all of it.
inline constexpr const char* kPageCutShort =
    "The file %1 is nested more than %2 levels deep; what lies deeper was not read.";
inline constexpr const char* kTooManyEntries =
    "Only the first %1 links were read; the rest of the source was left out.";
inline constexpr const char* kTooManyFiles =
    "The folder holds more than %1 files and folders; only the first %1 were looked at.";
inline constexpr const char* kSitemapMissing =
    "The sitemap %1 named in the index was not found beside it.";
inline constexpr const char* kIndexInIndex =
    "The sitemap index %1 names another index, %2; indexes inside indexes are not read.";

// Links left out, with their count.
struct Counted {
    const char* one;
    const char* many;
};
inline constexpr Counted kSkippedScripts = {"1 link to a script was skipped.",
                                            "%1 links to scripts were skipped."};
inline constexpr Counted kSkippedData = {"1 link to embedded data was skipped.",
                                         "%1 links to embedded data were skipped."};
inline constexpr Counted kSkippedBrowserPages = {"1 link to a page of the browser was skipped.",
                                                 "%1 links to pages of the browser were skipped."};
inline constexpr Counted kSkippedLocalFiles = {"1 link to a file on this computer was skipped.",
                                               "%1 links to files on this computer were skipped."};
inline constexpr Counted kSkippedEmpty = {"1 link without an address was skipped.",
                                          "%1 links without an address were skipped."};
inline constexpr Counted kSkippedSamePage = {"1 link to a place on the same page was skipped.",
                                             "%1 links to places on the same page were skipped."};
inline constexpr Counted kSkippedUnreadable = {"1 address that could not be read was skipped.",
                                               "%1 addresses that could not be read were skipped."};

} // namespace importing::texts
