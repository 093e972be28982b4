#pragma once
// A handle on one compound document for one purpose, read or write, with the workbook stream
// as a CompoundStream. The reading and writing themselves are ReadCompoundFile and
// WriteCompoundFile; this handle ties them to a path for the workbook file object:
//
//   read:  auto storage = CompoundStorage::OpenFile(path);   // or OpenMemory(EmptyWorkbook())
//          carried = storage.TakeCarried();  records from storage.WorkbookStream()
//   write: auto storage = CompoundStorage::CreateFile(path); // claims path, fails if it exists
//          records into storage.WorkbookStream();  storage.Commit(carried);
//
// A write handle released without Commit removes the file it created, so a failed save leaves
// no half-written file. Errors are XlsError with the texts of compound_file_reader.h and
// compound_file_writer.h.

#include "xls/compound_file_reader.h"
#include "xls/exclusive_file.h"
#include "xls/storage_element.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace kontaro::xls {

// A byte stream over the data of one stream element, held in memory.
class CompoundStream {
public:
    enum class Origin { Begin, Current, End };

    CompoundStream() = default;
    explicit CompoundStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

    // Copies up to out.size() bytes from the position on; returns how many (0 at the end).
    std::size_t Read(std::span<std::uint8_t> out);
    // Writes at the position, overwriting and growing as needed.
    void Write(std::span<const std::uint8_t> data);
    // Moves the position and returns it; a position before the start throws std::out_of_range.
    std::uint64_t Seek(std::int64_t offset, Origin origin);

    std::uint64_t Position() const { return position_; }
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
    std::uint64_t position_ = 0;
};

class CompoundStorage {
public:
    enum class Mode { Read, Write };

    static CompoundStorage OpenFile(const std::string& path);
    // Reads from a private copy of bytes; displayName appears in error messages.
    static CompoundStorage OpenMemory(std::span<const std::uint8_t> bytes, const std::string& displayName = {});
    // Creates the file at path exclusively (texts::kCantWriteFile when it exists or cannot be
    // created); it stays empty until Commit.
    static CompoundStorage CreateFile(const std::string& path);

    CompoundStorage(CompoundStorage&&) noexcept = default;
    CompoundStorage& operator=(CompoundStorage&&) noexcept = default;
    ~CompoundStorage() = default;

    Mode mode() const { return mode_; }

    // Read mode: the carried elements, handed over once (later calls give an empty list).
    StorageElementList TakeCarried();
    // Read mode: the name the file used for its workbook stream.
    const std::u16string& WorkbookStreamName() const { return workbookName_; }
    // Read mode: the workbook stream as read. Write mode: the new "Workbook" stream.
    CompoundStream& WorkbookStream() { return workbook_; }

    // Write mode: writes carried and the workbook stream into the created file and finishes
    // the handle. On failure the created file is removed and XlsError is thrown.
    void Commit(const StorageElementList& carried);

private:
    CompoundStorage() = default;
    static CompoundStorage FromContents(CompoundFileContents contents);

    Mode mode_ = Mode::Read;
    std::unique_ptr<ExclusiveFile> file_; // write mode until Commit
    StorageElementList carried_;
    std::u16string workbookName_;
    CompoundStream workbook_;
};

} // namespace kontaro::xls
