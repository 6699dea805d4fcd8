#pragma once

#include <string>
#include <uriparser/Uri.h>

namespace importing {

// An address parsed by uriparser that frees itself; it points into the text it was parsed from,
// which must outlive it.
class ParsedUri {
  public:
    explicit ParsedUri(const std::string& text);
    ~ParsedUri();
    ParsedUri(const ParsedUri&) = delete;
    ParsedUri& operator=(const ParsedUri&) = delete;

    bool Ok() const { return ok_; }

    UriUriA uri{};

  private:
    bool ok_ = false;
};

// The text of a part of a parsed address; empty when the part is missing.
std::string RangeText(const UriTextRangeA& range);

// The text with its percent escapes decoded.
std::string Unescaped(std::string text);

} // namespace importing
