#pragma once

#include "cli/CommandLine.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

// What a headless run printed and returned.
struct Run {
    int status;
    std::string out;
    std::string err;
};

inline Run Headless(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const auto status = cli::RunHeadless(args, out, err);
    EXPECT_TRUE(status.has_value());
    return {status.value_or(-1), out.str(), err.str()};
}
