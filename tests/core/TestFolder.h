#pragma once

#include <filesystem>
#include <random>
#include <string>

// A fresh folder in the system's temporary folder, removed with everything in it at the end.
class CTestFolder {
  public:
    CTestFolder()
        : path(std::filesystem::temp_directory_path() /
               ("quorvane-test-" + std::to_string(std::random_device{}()))) {
        std::filesystem::create_directories(path);
    }
    ~CTestFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    CTestFolder(const CTestFolder&) = delete;
    CTestFolder& operator=(const CTestFolder&) = delete;

    std::filesystem::path operator/(const std::string& name) const { return path / name; }

    const std::filesystem::path path;
};
