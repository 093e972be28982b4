#pragma once
// The files of a till's export: a folder, or a ZIP, holding index.xml and the
// tables it names. index.xml may also lie one folder deeper (an export unpacked
// into a folder of its own); table names are relative to index.xml's folder and
// are found without regard to case.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace kontaro::till {

class ExportFiles {
public:
    // Opens a folder, a ZIP or an index.xml file (then its folder). Throws
    // ImportError with a German message when the export cannot be opened.
    static ExportFiles Open(const std::string& path);
    // An export held in memory: names relative to index.xml's folder, bytes.
    static ExportFiles FromMemory(std::map<std::string, std::string> files);

    ExportFiles(ExportFiles&&) noexcept;
    ExportFiles& operator=(ExportFiles&&) noexcept;
    ~ExportFiles();

    // The bytes of the file, kept as long as this object, or null when the export
    // lacks it. Throws ImportError when the file is there but cannot be read.
    const std::string* Read(std::string_view name) const;
    // What the user chose, for messages.
    const std::string& Source() const { return source_; }

    class Backend;

private:
    ExportFiles(std::string source, std::unique_ptr<Backend> backend);
    std::string source_;
    std::unique_ptr<Backend> backend_;
    mutable std::map<std::string, std::optional<std::string>> read_; // by normal name
};

} // namespace kontaro::till
