#pragma once
// Whole-file reading and writing, and a byte comparison for golden files that
// names the first differing byte and its line.
#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace kontaro::test {

// The file's bytes; throws when it cannot be read.
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, std::string_view bytes);

// Success when both are equal; otherwise the offset, line and bytes around the
// first difference.
::testing::AssertionResult SameBytes(std::string_view expected, std::string_view actual);

} // namespace kontaro::test
