#pragma once
// The one error a programming mistake raises in the data model: an index outside
// a list (also a lookup on an empty dated list).
#include <stdexcept>
#include <string>

namespace kontaro::model {

class IndexError : public std::out_of_range {
public:
    explicit IndexError(const std::string& what) : std::out_of_range(what) {}
};

} // namespace kontaro::model
