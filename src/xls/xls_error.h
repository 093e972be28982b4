#pragma once
// The one exception type of the workbook writer. Its message is the writer's English text,
// which a command that exports shows after a German message of its own; detail() may say more
// for logs and tests.

#include <stdexcept>
#include <string>
#include <utility>

namespace kontaro::xls {

class XlsError : public std::runtime_error {
public:
    explicit XlsError(const std::string& message, std::string detail = {})
        : std::runtime_error(message), detail_(std::move(detail))
    {}

    // Why the operation failed, in developer terms ("FAT chain of stream 3 is cyclic"); may be
    // empty.
    const std::string& detail() const noexcept { return detail_; }

private:
    std::string detail_;
};

} // namespace kontaro::xls
