#include "project/CIniFile.h"

#include "project/AtomicFile.h"
#include "project/IniDocument.h"
#include "project/TextEncoding.h"

namespace project {

std::string CIniFile::Value() const {
    const auto bytes = ReadWholeFile(path);
    if (!bytes) {
        return defaultValue;
    }
    const CIniDocument document(DecodeText(*bytes));
    const auto value = document.Find(section, key);
    return value ? std::string(*value) : defaultValue;
}

void CIniFile::SetValue(std::string_view value) {
    lastReturnCode = 0;
    auto bytes = ReadWholeFile(path);
    if (!bytes) {
        // A file that exists but cannot be read must not be replaced by this one value.
        std::error_code error;
        if (std::filesystem::exists(path, error) || error) {
            return;
        }
        bytes.emplace();
    }
    CIniDocument document(DecodeText(*bytes));
    document.SetValue(section, key, value);
    if (!WriteFileAtomically(path, document.Text())) {
        lastReturnCode = 1;
    }
}

} // namespace project
