#include "xls/workbook_file.h"

#include "numbers/format_text.h"
#include "xls/compound_file_reader.h"
#include "xls/compound_file_writer.h"
#include "xls/empty_workbook.h"
#include "xls/text_utf16.h"
#include "xls/xls_error.h"
#include "xls/xls_texts.h"

#include <algorithm>
#include <numeric>
#include <set>

namespace kontaro::xls {
namespace {

constexpr std::uint16_t kBiff8 = 0x0600;
constexpr std::uint16_t kGlobalsType = 0x0005;
constexpr std::uint16_t kWindow2Shown = 0x0600; // selected and shown in the window
constexpr std::size_t kMaxSheetName = 31;

[[noreturn]] void Invalid(const char* why) { throw XlsError(std::string(texts::kRecordsInvalid), why); }

char16_t UpperLatin(char16_t c)
{
    if ((c >= u'a' && c <= u'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return static_cast<char16_t>(c - 32);
    return c;
}

// Readers treat sheet names alike when they differ only in case, so a file must not hold
// two names of the same folded form.
std::u16string FoldedSheetName(std::u16string_view name)
{
    std::u16string folded(name);
    std::transform(folded.begin(), folded.end(), folded.begin(), UpperLatin);
    return folded;
}

// The folded names compared character by character, without building them: a workbook of
// many sheets compares a new name with each.
bool SameSheetName(std::u16string_view a, std::u16string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char16_t x, char16_t y) { return UpperLatin(x) == UpperLatin(y); });
}

// Whether the name folds to one that starts like a blank sheet's name ("Sheet", "Sheet1", ...).
bool FoldsLikeBlankSheetName(std::u16string_view name)
{
    constexpr std::u16string_view kFoldedBlank = u"SHEET";
    return name.size() >= kFoldedBlank.size() && SameSheetName(name.substr(0, kFoldedBlank.size()), kFoldedBlank);
}

// The type of a section's BOF, whose version must be BIFF8.
std::uint16_t SectionType(const BiffRecord& bof)
{
    if (bof.data.size() < 4 || GetU16(bof.data.data()) != kBiff8)
        throw XlsError(std::string(texts::kInvalidExcelVersion));
    return GetU16(bof.data.data() + 2);
}

} // namespace

void WorkbookFile::ReadWorkbookStream(std::span<const std::uint8_t> stream)
{
    globals_ = WorkbookGlobals{};
    sheets_.clear();
    RecordReader reader(stream);
    BiffRecord bof;
    // Before the globals stand at most the zero fill (records of identifier 0) and EOFs.
    while (true) {
        if (!reader.Next(bof))
            Invalid("no globals section");
        if (bof.id == 0 || bof.id == rec::EOF_)
            continue;
        if (bof.id == rec::FILEPASS)
            throw XlsError(std::string(texts::kPasswordProtected));
        if (bof.id != rec::BOF)
            Invalid("record outside any section");
        break;
    }
    if (SectionType(bof) != kGlobalsType)
        Invalid("sheet before the globals");
    const std::vector<SstEntry*> stringList = globals_.Read(bof, reader);
    const std::size_t globalsEnd = reader.Position();

    // Each sheet is read where its BOUNDSHEET says it starts, as other readers find it, so
    // that nothing between the sections decides which sheets are read. The sections lie after
    // the globals and do not overlap (otherwise some sheet is not where it is said to be);
    // read in the order of their positions, every byte is read once however the
    // BOUNDSHEETs point.
    std::vector<std::size_t> order(globals_.sheets.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
        return globals_.sheets[a].position < globals_.sheets[b].position;
    });
    sheets_.resize(order.size());
    std::size_t sectionsEnd = globalsEnd;
    for (const std::size_t index : order) {
        const std::size_t position = globals_.sheets[index].position;
        if (position < sectionsEnd)
            Invalid("sheet sections overlap or lie in the globals");
        RecordReader at(stream, position);
        if (!at.Next(bof) || bof.id != rec::BOF)
            Invalid("no sheet section at a BOUNDSHEET position");
        if (SectionType(bof) == kGlobalsType)
            Invalid("second globals section");
        sheets_[index] = Sheet::Read(bof, at, globals_.strings, stringList);
        sectionsEnd = at.Position();
    }
    current_ = std::clamp(globals_.ActiveSheet() + 1, 1, std::max(1, SheetTotal()));
}

void WorkbookFile::ReadWorkbookBytes(std::span<const std::uint8_t> file, const std::string& displayName)
{
    CompoundFileContents contents = ReadCompoundFile(file, displayName);
    ReadWorkbookStream(contents.workbook);
    carried_ = std::move(contents.carried);
}

void WorkbookFile::ReadWorkbookFile(const std::string& path)
{
    CompoundFileContents contents = ReadCompoundFileAt(path);
    ReadWorkbookStream(contents.workbook);
    carried_ = std::move(contents.carried);
}

void WorkbookFile::CreateFromTemplate(int sheets)
{
    ReadWorkbookBytes(EmptyWorkbook(), {});
    if (sheets > 1)
        InsertBlankSheets(2, sheets - 1);
}

Bytes WorkbookFile::WriteWorkbookStream()
{
    globals_.strings.RemoveUnreferenced();
    if (sheets_.size() != globals_.sheets.size())
        Invalid("sheet count differs from BOUNDSHEET count");
    int firstVisible = -1;
    for (int i = SheetTotal() - 1; i >= 0; --i) {
        const BoundSheet& bound = globals_.sheets[static_cast<std::size_t>(i)];
        const BiffRecord* window = sheets_[static_cast<std::size_t>(i)].Window2();
        if (!bound.IsVisible() && window && (GetU16(window->data.data()) & 0x0200)) {
            throw XlsError(std::string(texts::kSelectVisibleSheet));
        }
        if (bound.IsVisible())
            firstVisible = i;
    }
    if (firstVisible < 0)
        throw XlsError(std::string(texts::kNoVisibleSheets));
    globals_.SetSelection(-1, firstVisible);

    Bytes out;
    const std::vector<std::size_t> positions = globals_.Write(out);
    for (std::size_t i = 0; i < sheets_.size(); ++i) {
        const auto position = static_cast<std::uint32_t>(out.size());
        globals_.sheets[i].position = position;
        SetU32(out.data() + positions[i], position);
        sheets_[i].Write(out);
    }
    return out;
}

Bytes WorkbookFile::WriteWorkbookBytes()
{
    const Bytes stream = WriteWorkbookStream();
    return WriteCompoundFile(carried_, stream);
}

void WorkbookFile::WriteWorkbookFile(const std::string& path)
{
    const Bytes stream = WriteWorkbookStream();
    WriteCompoundFileAt(path, carried_, stream);
}

const Sheet& WorkbookFile::SheetAt(int sheet) const
{
    if (sheet < 1 || sheet > static_cast<int>(sheets_.size())) {
        throw XlsError(numbers::FormatText(texts::kSheetNumberInvalid,
                                           {std::to_string(sheet), "1", std::to_string(sheets_.size())}));
    }
    return sheets_[static_cast<std::size_t>(sheet - 1)];
}

Sheet* WorkbookFile::Current()
{
    if (current_ < 1 || current_ > static_cast<int>(sheets_.size()))
        return nullptr;
    return &sheets_[static_cast<std::size_t>(current_ - 1)];
}

const Sheet* WorkbookFile::Current() const { return const_cast<WorkbookFile*>(this)->Current(); }

std::string WorkbookFile::CurrentSheetTitle() const
{
    if (current_ < 1 || current_ > SheetTotal())
        return {};
    return Utf16ToUtf8(globals_.sheets[static_cast<std::size_t>(current_ - 1)].name);
}

int WorkbookFile::FindSheet(const std::string& title) const
{
    const std::u16string name = Utf8ToUtf16(title);
    if (globals_.sheetNames.count(name) == 0)
        return 0;
    for (std::size_t i = 0; i < globals_.sheets.size(); ++i) {
        if (globals_.sheets[i].name == name)
            return static_cast<int>(i) + 1;
    }
    return 0;
}

void WorkbookFile::SetCurrentSheetTitle(const std::string& title)
{
    if (current_ < 1 || current_ > SheetTotal()) {
        throw XlsError(numbers::FormatText(texts::kSheetNumberInvalid,
                                           {std::to_string(current_), "1", std::to_string(SheetTotal())}));
    }
    const std::u16string name = Utf8ToUtf16(title);
    BoundSheet& sheet = globals_.sheets[static_cast<std::size_t>(current_ - 1)];
    if (name == sheet.name)
        return;
    if (name.size() >= 256)
        throw XlsError(std::string(texts::kInvalidString));
    for (std::size_t i = 0; i < globals_.sheets.size(); ++i) {
        if (i != static_cast<std::size_t>(current_ - 1) && SameSheetName(globals_.sheets[i].name, name)) {
            throw XlsError(numbers::FormatText(texts::kSheetNameExists, {title}));
        }
    }
    // Readers refuse or repair a file with such a name, so it is never written.
    if (name.empty() || name.size() > kMaxSheetName || name.find_first_of(u"[]:\\?/*") != std::u16string::npos ||
        name.front() == u'\'' || name.back() == u'\'') {
        throw XlsError(numbers::FormatText(texts::kInvalidSheetName, {title}));
    }
    globals_.sheetNames.erase(sheet.name);
    sheet.name = name;
    globals_.sheetNames.insert(name);
}

void WorkbookFile::InsertBlankSheets(int position, int count)
{
    const int total = SheetTotal();
    if (position < 1 || position > total + 1) {
        throw XlsError(numbers::FormatText(texts::kSheetNumberInvalid,
                                           {std::to_string(position), "1", std::to_string(total + 1)}));
    }
    // Looked up in a set: a workbook may hold very many sheets named like the new ones. Only
    // those can take a new name, so that inserting into a workbook of many other sheets stays
    // cheap.
    std::set<std::u16string> taken;
    for (const BoundSheet& sheet : globals_.sheets) {
        if (FoldsLikeBlankSheetName(sheet.name))
            taken.insert(FoldedSheetName(sheet.name));
    }
    for (int k = 0; k < count; ++k) {
        std::u16string name = u"Sheet";
        for (int number = 1; taken.count(FoldedSheetName(name)) != 0; ++number)
            name = u"Sheet" + Utf8ToUtf16(std::to_string(number));
        taken.insert(FoldedSheetName(name));
        BoundSheet bound;
        bound.name = name;
        globals_.sheetNames.insert(name);
        globals_.sheets.insert(globals_.sheets.begin() + (position - 1 + k), bound);
    }
    globals_.ShiftSheetNumbers(position - 1, count);
    for (int k = 0; k < count; ++k) {
        sheets_.insert(sheets_.begin() + (position - 1 + k), Sheet::Empty(globals_.strings));
    }
}

void WorkbookFile::ResetCurrentSheet()
{
    Sheet* sheet = Current();
    if (!sheet || !sheet->IsWorksheet())
        return;
    sheet->ReleaseStrings(globals_.strings);
    *sheet = Sheet::Empty(globals_.strings);
    MakeSheetSelected(current_);
}

void WorkbookFile::MakeSheetSelected(int sheet)
{
    for (Sheet& each : sheets_) {
        if (BiffRecord* window = each.Window2()) {
            SetU16(window->data.data(), GetU16(window->data.data()) & static_cast<std::uint16_t>(~kWindow2Shown));
        }
    }
    globals_.SetSelection(sheet - 1, 0);
    if (sheet >= 1 && sheet <= static_cast<int>(sheets_.size())) {
        if (BiffRecord* window = sheets_[static_cast<std::size_t>(sheet - 1)].Window2()) {
            SetU16(window->data.data(), GetU16(window->data.data()) | kWindow2Shown);
        }
    }
}

void WorkbookFile::StoreCell(int row, int column, const CellValue& value) { StoreCellWithXf(row, column, value, -1); }

void WorkbookFile::StoreCellWithXf(int row, int column, const CellValue& value, int xf)
{
    if (Sheet* sheet = Current())
        sheet->StoreCell(row - 1, column - 1, value, xf, globals_.strings);
}

int WorkbookFile::CellXf(int row, int column) const
{
    const Sheet* sheet = Current();
    return sheet ? sheet->CellXf(row - 1, column - 1) : -1;
}

int WorkbookFile::RowXf(int row) const
{
    const Sheet* sheet = Current();
    return sheet ? sheet->RowXf(row - 1) : -1;
}

int WorkbookFile::ColumnXf(int column) const
{
    const Sheet* sheet = Current();
    return sheet ? sheet->ColumnXf(column - 1) : -1;
}

void WorkbookFile::SetColumnWidthUnits(int column, int width)
{
    if (Sheet* sheet = Current())
        sheet->SetColumnWidthUnits(column - 1, width);
}

void WorkbookFile::SetRowHeightTwips(int row, int height)
{
    if (Sheet* sheet = Current())
        sheet->SetRowHeightTwips(row - 1, height);
}

void WorkbookFile::MergeCellRange(int firstRow, int firstColumn, int lastRow, int lastColumn)
{
    if (Sheet* sheet = Current())
        sheet->MergeCellRange(firstRow - 1, firstColumn - 1, lastRow - 1, lastColumn - 1);
}

} // namespace kontaro::xls
