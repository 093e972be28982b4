#include "model/output_sink.h"

#include <cerrno>
#include <unistd.h>

namespace kontaro::model {

bool StringSink::Write(std::string_view bytes)
{
    bytes_.append(bytes);
    return true;
}

bool FileDescriptorSink::Write(std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (written == 0)
            return false;
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

bool FileDescriptorSink::Finish() { return ::fsync(fd_) == 0; }

} // namespace kontaro::model
