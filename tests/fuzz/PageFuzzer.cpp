#include "ImportFuzzChecks.h"
#include "import/PageReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckImportResult(importing::ReadPageLinks(BytesOf(data, size), "fuzz", FuzzResolver()));
    (void)importing::PageTitle(BytesOf(data, size));
    return 0;
}
