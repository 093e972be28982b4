#pragma once
// The project file's primitives. Writing: one line per opening tag, closing tag or
// one-value element, tab-indented, CR LF, values unescaped, reals with 15
// significant digits and "." whatever the process locale. Reading: an element is
// found by plain substring search of "<tag>" and the next "</tag>" after it; its
// content is returned with all leading and trailing bytes up to 32 removed. Nothing
// here throws for malformed content; a failed read returns false.
#include "model/output_sink.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kontaro::model {

// 15 significant digits; plain between 0.0001 and 10^15, otherwise "1.5E-7" style.
std::string FormatReal(double value);
// The same into `out`, which holds kMaxRealText bytes; returns the length.
inline constexpr size_t kMaxRealText = 32;
size_t FormatReal(double value, char* out);
// Optional sign and decimal digits, or hexadecimal after "$" or "0x"; the value must
// fit 32 bits (hexadecimal as the bit pattern). False on anything else.
bool ParseInteger(std::string_view text, int32_t& value);
// Optional sign, digits, ".", digits, optional exponent; "." only. False (value
// unchanged) on anything else or on a magnitude beyond the double range.
bool ParseReal(std::string_view text, double& value);
// A number (true unless 0) or "t"/"true"/"f"/"false" in any case; false (value
// unchanged) otherwise.
bool ParseBoolean(std::string_view text, bool& value);

class txmlStream {
public:
    // Writes go to `sink` (not owned), buffered; nullptr for a reading-only stream.
    explicit txmlStream(OutputSink* sink = nullptr);
    ~txmlStream();
    txmlStream(const txmlStream&) = delete;
    txmlStream& operator=(const txmlStream&) = delete;

    static std::string StartTag(std::string_view tag, int indent);
    static std::string EndTag(std::string_view tag, int indent);

    // The declaration line of the project file, CR LF included.
    void WriteDeclaration();
    void WriteStart(std::string_view tag, int indent);
    void WriteEnd(std::string_view tag, int indent);
    void WriteInt(std::string_view tag, int32_t value, int indent);
    void WriteFloat(std::string_view tag, double value, int indent);
    void WriteText(std::string_view tag, std::string_view text, int indent);
    void WriteBool(std::string_view tag, bool value, int indent);

    // Hands the buffered bytes to the sink and finishes it; false when this or any
    // earlier write failed.
    bool Finish();
    // False once a write to the sink failed.
    bool Ok() const { return ok_; }

    // Content is a view into `text`. On failure: content empty, next = start.
    static bool FindElement(std::string_view text, std::string_view tag, size_t start, std::string_view& content,
                            size_t& next);
    static bool FindElement(std::string_view text, std::string_view tag, size_t start, std::string& content,
                            size_t& next);
    // A failed conversion sets the value to 0.
    static bool ReadInt(std::string_view text, std::string_view tag, size_t start, int32_t& value, size_t& next);
    // A failed conversion leaves the value unchanged.
    static bool ReadFloat(std::string_view text, std::string_view tag, size_t start, double& value, size_t& next);
    static bool ReadBool(std::string_view text, std::string_view tag, size_t start, bool& value, size_t& next);

private:
    void Indent(int indent);
    void OpenValue(std::string_view tag, int indent);
    void CloseValue(std::string_view tag);
    void FlushIfFull();
    void Flush();

    OutputSink* sink_;
    std::string buffer_;
    bool ok_ = true;
};

} // namespace kontaro::model
