#pragma once
// The one exception type of the workbook writer. Its message is the English text that the
// export command shows to the user unchanged; detail() may say more for logs and tests.

#include <stdexcept>
#include <string>
#include <utility>

namespace kontaro::xls {

class XlsError : public std::runtime_error {
public:
    explicit XlsError(const std::string& message, std::string detail = {})
        : std::runtime_error(message), detail_(std::move(detail)) {}

    // Why the operation failed, in developer terms ("FAT chain of stream 3 is cyclic"); may be
    // empty.
    const std::string& detail() const noexcept { return detail_; }

private:
    std::string detail_;
};

}  // namespace kontaro::xls
