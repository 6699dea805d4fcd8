#include "ImportFuzzChecks.h"
#include "import/TextReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckImportResult(importing::ReadTextLines(BytesOf(data, size), FuzzResolver()));
    CheckImportResult(importing::ReadTextLines(BytesOf(data, size), {}));
    return 0;
}
