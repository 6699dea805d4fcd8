#include "ImportFuzzChecks.h"
#include "import/BookmarksReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckImportResult(importing::ReadBookmarks(BytesOf(data, size), "fuzz", FuzzResolver()));
    return 0;
}
