#pragma once
// Where a writer's bytes go. A sink reports every failure through its results;
// the project file is saved only when every write and the final Finish succeeded.
#include <string>
#include <string_view>

namespace kontaro::model {

class OutputSink {
public:
    virtual ~OutputSink() = default;
    // False when not all bytes could be written.
    virtual bool Write(std::string_view bytes) = 0;
    // Makes the written bytes durable (for a file: flush and sync); false on failure.
    virtual bool Finish() { return true; }
};

// Collects the bytes in memory.
class StringSink : public OutputSink {
public:
    bool Write(std::string_view bytes) override;
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
};

// Writes to an open POSIX file descriptor, which it does not own; Finish syncs it.
class FileDescriptorSink : public OutputSink {
public:
    explicit FileDescriptorSink(int fd) : fd_(fd) {}
    bool Write(std::string_view bytes) override;
    bool Finish() override;

private:
    int fd_;
};

} // namespace kontaro::model
