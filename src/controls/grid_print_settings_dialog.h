#pragma once
// GridPrintSettingsDialog: edits the print settings of one ColumnGrid with a
// preview of the first page as it prints, and loads and saves them in a settings
// file. Every change goes into the grid's settings at once; Cancel puts back the
// settings the grid had when the dialog opened. From the dialog the user also sees
// all pages in a print preview and saves them as a PDF file, through the same
// layout as the printout. The modal run, the file questions and the warnings go
// through replaceable functions, so the window runs them through its own seams and
// tests answer them.
#include "grid/print_settings.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLineEdit;
class QPlainTextEdit;
class QDoubleSpinBox;
class QSpinBox;

namespace kontaro::controls {

class ColumnGrid;
class PrintPreview;

class GridPrintSettingsDialog : public QDialog {
    Q_OBJECT
public:
    // The file filter of the load and save questions; with its first entry chosen,
    // ".ini" is added to a name without any ".".
    static QString FileFilter();

    // Asks for a file name to save or open, offering `filter` (entries separated by
    // ";;"); selectedFilter receives the chosen entry. Empty when the user cancelled.
    using FileQuestion =
        std::function<QString(QWidget* parent, bool save, const QString& filter, QString* selectedFilter)>;
    using Warning = std::function<void(QWidget* parent, const QString& text)>;
    // Shows a dialog modally and returns its result (QDialog::Accepted for OK).
    using ModalRun = std::function<int(QDialog& dialog)>;

    explicit GridPrintSettingsDialog(QWidget* parent = nullptr);

    void SetGrid(ColumnGrid* grid) { grid_ = grid; }
    ColumnGrid* Grid() const { return grid_; }
    // The settings file; empty unless the program sets it. With a file set, Save
    // and Load use it without asking.
    void SetIniFile(const QString& path) { iniFile_ = path; }
    QString IniFile() const { return iniFile_; }
    void SetFileQuestion(FileQuestion question) { askFile_ = std::move(question); }
    void SetWarning(Warning warning) { warn_ = std::move(warning); }
    void SetModalRun(ModalRun run) { run_ = std::move(run); }

    // Shows the dialog modally for its grid; true when the user confirmed with OK.
    // Without a grid it warns and returns false.
    bool Show();

    // The steps behind the dialog's buttons, also used by tests.
    void SaveSettings();
    void LoadSettings();
    // Asks for a PDF file (".pdf" added to a name without any "." when the first
    // filter is chosen) and writes all pages into it; warns when it cannot. True
    // when the file was written.
    bool SaveAsPdf();
    // All pages in Qt's print preview, run modally.
    void PreviewAllPages();

protected:
    void done(int result) override;

private:
    // Builds the group boxes, the preview and the buttons, laid out in three columns.
    void Build();
    // One group box each, filling the members of its controls.
    QGroupBox* BuildGeneralBox();
    QGroupBox* BuildFontBox();
    QGroupBox* BuildDateTimeBox();
    QGroupBox* BuildTitleBox();
    QGroupBox* BuildPageNumberBox();
    QGroupBox* BuildMarginBox();
    QGroupBox* BuildSpacingBox();
    QGroupBox* BuildOrientationBox();
    QGroupBox* BuildFileBox();
    // "Seitenansicht..." and "Als PDF speichern...".
    QHBoxLayout* BuildPageButtons();
    // Lets every control write its setting into the grid when it changes.
    void ConnectChanges();
    void Fill();
    void Apply();
    QString ChosenFile(bool save);
    // The file question with the ".ini"/".pdf" rule for the first filter.
    QString AskFile(bool save, const QString& filter, const QString& extension);

    ColumnGrid* grid_ = nullptr;
    QString iniFile_;
    FileQuestion askFile_;
    Warning warn_;
    ModalRun run_;
    grid::PrintSettings saved_;
    bool filling_ = false;

    QComboBox* borders_ = nullptr;
    QComboBox* borderStyle_ = nullptr;
    QComboBox* fitToPage_ = nullptr;
    QCheckBox* centered_ = nullptr;
    QCheckBox* noAutoSize_ = nullptr;
    QCheckBox* repeatRows_ = nullptr;
    QCheckBox* repeatCols_ = nullptr;
    QCheckBox* useDisplayFont_ = nullptr;
    QCheckBox* useFixedHeight_ = nullptr;
    QSpinBox* fixedHeight_ = nullptr;
    QCheckBox* useFixedWidth_ = nullptr;
    QSpinBox* fixedWidth_ = nullptr;
    QLineEdit* fontName_ = nullptr;
    QSpinBox* fontSize_ = nullptr;
    QLineEdit* headerFontName_ = nullptr;
    QSpinBox* headerFontSize_ = nullptr;
    QLineEdit* footerFontName_ = nullptr;
    QSpinBox* footerFontSize_ = nullptr;
    QComboBox* datePosition_ = nullptr;
    QComboBox* timePosition_ = nullptr;
    QLineEdit* dateFormat_ = nullptr;
    QComboBox* titlePosition_ = nullptr;
    QPlainTextEdit* titleLines_ = nullptr;
    QComboBox* pagePosition_ = nullptr;
    QLineEdit* pagePrefix_ = nullptr;
    QLineEdit* pageSeparator_ = nullptr;
    QLineEdit* pageSuffix_ = nullptr;
    QDoubleSpinBox* margins_[4] = {};  // top, bottom, left, right in millimetres
    QDoubleSpinBox* spacings_[3] = {}; // rows, columns, title in millimetres
    QComboBox* orientation_ = nullptr;
    QCheckBox* defaultOrientation_ = nullptr;
    PrintPreview* preview_ = nullptr;
};

} // namespace kontaro::controls
