#include "xls/compound_storage.h"

#include "numbers/format_text.h"
#include "xls/compound_file_writer.h"
#include "xls/xls_error.h"
#include "xls/xls_texts.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace kontaro::xls {

std::size_t CompoundStream::Read(std::span<std::uint8_t> out)
{
    if (position_ >= bytes_.size()) {
        return 0;
    }
    const std::size_t count = std::min<std::size_t>(out.size(), bytes_.size() - static_cast<std::size_t>(position_));
    const auto from = bytes_.begin() + static_cast<std::ptrdiff_t>(position_);
    std::copy(from, from + static_cast<std::ptrdiff_t>(count), out.begin());
    position_ += count;
    return count;
}

void CompoundStream::Write(std::span<const std::uint8_t> data)
{
    const std::size_t at = static_cast<std::size_t>(position_);
    if (bytes_.size() < at + data.size()) {
        bytes_.resize(at + data.size());
    }
    std::copy(data.begin(), data.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(at));
    position_ += data.size();
}

std::uint64_t CompoundStream::Seek(std::int64_t offset, Origin origin)
{
    std::int64_t base = 0;
    if (origin == Origin::Current) {
        base = static_cast<std::int64_t>(position_);
    } else if (origin == Origin::End) {
        base = static_cast<std::int64_t>(bytes_.size());
    }
    if ((offset < 0 && base + offset < 0)) {
        throw std::out_of_range("seek before the start of a stream");
    }
    position_ = static_cast<std::uint64_t>(base + offset);
    return position_;
}

CompoundStorage CompoundStorage::OpenFile(const std::string& path) { return FromContents(ReadCompoundFileAt(path)); }

CompoundStorage CompoundStorage::OpenMemory(std::span<const std::uint8_t> bytes, const std::string& displayName)
{
    return FromContents(ReadCompoundFile(bytes, displayName));
}

CompoundStorage CompoundStorage::FromContents(CompoundFileContents contents)
{
    CompoundStorage storage;
    storage.carried_ = std::move(contents.carried);
    storage.workbookName_ = std::move(contents.workbookName);
    storage.workbook_ = CompoundStream(std::move(contents.workbook));
    return storage;
}

CompoundStorage CompoundStorage::CreateFile(const std::string& path)
{
    CompoundStorage storage;
    storage.mode_ = Mode::Write;
    storage.workbookName_ = std::u16string(kWorkbookStreamName);
    storage.file_ = std::make_unique<ExclusiveFile>(path);
    return storage;
}

StorageElementList CompoundStorage::TakeCarried() { return std::exchange(carried_, {}); }

void CompoundStorage::Commit(const StorageElementList& carried)
{
    if (mode_ != Mode::Write || !file_) {
        throw std::logic_error("Commit on a storage that is not open for writing");
    }
    const auto file = std::move(file_);
    std::vector<std::uint8_t> bytes;
    try {
        bytes = WriteCompoundFile(carried, workbook_.Bytes());
    } catch (const XlsError& error) {
        throw XlsError(numbers::FormatText(texts::kCantWriteFile, {file->Path()}), error.detail());
    }
    file->Finish(bytes);
}

} // namespace kontaro::xls
