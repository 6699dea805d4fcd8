#pragma once

#include "cli/CommandLine.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

// What a headless run printed and returned.
struct Outcome {
    int status;
    std::string out;
    std::string err;

    bool operator==(const Outcome&) const = default;
};

inline void PrintTo(const Outcome& run, std::ostream* os) {
    *os << "status " << run.status << ", out \"" << run.out << "\", err \"" << run.err << '"';
}

inline Outcome Headless(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const auto status = cli::RunHeadless(args, out, err);
    EXPECT_TRUE(status.has_value());
    return {status.value_or(-1), out.str(), err.str()};
}
