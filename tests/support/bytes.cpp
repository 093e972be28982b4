#include "support/bytes.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace kontaro::test {

namespace {

std::string Visible(std::string_view bytes)
{
    std::string out;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\t')
            out += "\\t";
        else if (b < 32 || b >= 127)
            out += "\\x" + std::string(1, "0123456789abcdef"[b >> 4]) + "0123456789abcdef"[b & 15];
        else
            out += c;
    }
    return out;
}

} // namespace

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

::testing::AssertionResult SameBytes(std::string_view expected, std::string_view actual)
{
    if (expected == actual)
        return ::testing::AssertionSuccess();
    const auto mismatch = std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end());
    const auto at = static_cast<size_t>(mismatch.first - expected.begin());
    const auto line = 1 + std::count(expected.begin(), expected.begin() + static_cast<std::ptrdiff_t>(at), '\n');
    const size_t from = at < 20 ? 0 : at - 20;
    std::ostringstream message;
    message << "first difference at byte " << at << " (line " << line << "); sizes " << expected.size() << " and "
            << actual.size() << "\n  expected: ..." << Visible(expected.substr(from, 60)) << "\n  actual:   ..."
            << Visible(actual.substr(std::min(from, actual.size()), 60));
    return ::testing::AssertionFailure() << message.str();
}

} // namespace kontaro::test
