#pragma once
// The one error reading a till's export raises: the export cannot be read, or its
// data contradict each other so that nothing may be imported. `what()` is the
// German message (UTF-8) naming the file and, where there is one, the line and
// column.
#include <stdexcept>
#include <string>

namespace kontaro::till {

class ImportError : public std::runtime_error {
public:
    explicit ImportError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace kontaro::till
