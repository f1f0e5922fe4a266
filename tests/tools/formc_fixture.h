// Runs the resource compiler as the build runs it, on forms a test writes
// into a folder of its own.
#pragma once

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace FormcTesting {

inline std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class FormcTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "morvant-formc-XXXXXX").string();
    dir_ = ::mkdtemp(pattern.data()) ? pattern : std::string();
    ASSERT_FALSE(dir_.empty());
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }

  struct Result {
    int Status;
    std::string Output;  // what formc printed
    std::string Binary;  // the compiled form, empty when none was left
  };

  // Form text written to w.form and compiled to w.bin.
  Result Compile(const std::string& formText) {
    Write("w.form", formText);
    const std::string command =
        std::string("'") + MORVANT_FORMC + "' '" + dir_ + "/w.form' '" + dir_ + "/w.bin' 2>&1";
    Result r;
    FILE* pipe = ::popen(command.c_str(), "r");
    char buffer[512];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) r.Output.append(buffer, n);
    const int status = ::pclose(pipe);
    r.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.Binary = ReadAll(dir_ + "/w.bin");
    return r;
  }

  void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir_ + "/" + name, std::ios::binary) << bytes;
  }

  std::string dir_;
};

}  // namespace FormcTesting
