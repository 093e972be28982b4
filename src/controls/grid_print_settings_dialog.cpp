#include "controls/grid_print_settings_dialog.h"

#include "controls/column_grid.h"
#include "controls/controls_texts.h"
#include "controls/grid_printer.h"
#include "controls/page_output.h"
#include "controls/qt_format_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

namespace kontaro::controls {

// The first page as it prints, drawn on the queue's paper at low resolution.
class PrintPreview : public QWidget {
public:
    explicit PrintPreview(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("PrintPreview"));
        setMinimumSize(220, 300);
    }

    void Show(const grid::PlainGrid* grid, const grid::PrintSettings& settings)
    {
        constexpr int kDpi = 60;
        const bool landscape =
            !settings.UseDefaultOrientation && settings.Orientation == grid::PrinterOrientation::Landscape;
        const QSize paper = paper_.sizePixels(kDpi);
        page_ = QImage(landscape ? paper.transposed() : paper, QImage::Format_RGB32);
        page_.setDotsPerMeterX(kDpi * 10000 / 254);
        page_.setDotsPerMeterY(kDpi * 10000 / 254);
        if (grid)
            PaintGridPreview({*grid, settings}, page_);
        else
            page_.fill(Qt::white);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Mid));
        if (page_.isNull())
            return;
        const QSize shown = page_.size().scaled(size() - QSize(8, 8), Qt::KeepAspectRatio);
        const QRect target(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, page_);
        painter.setPen(Qt::black);
        painter.drawRect(target.adjusted(0, 0, -1, -1));
    }

private:
    // The queue's paper, looked up once: every change of a setting paints again.
    const QPageSize paper_ = QueuePaper();
    QImage page_;
};

namespace {

QComboBox* Choice(const QStringList& items, const char* name)
{
    auto* box = new QComboBox;
    box->addItems(items);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QSpinBox* Number(int maximum, const char* name)
{
    auto* box = new QSpinBox;
    box->setRange(0, maximum);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

// Millimetres with one decimal: the settings keep tenths of a millimetre.
QDoubleSpinBox* Millimetres(const char* name)
{
    auto* box = new QDoubleSpinBox;
    box->setRange(0, 999.9);
    box->setDecimals(1);
    box->setSingleStep(1);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

int Tenths(const QDoubleSpinBox* box) { return int(std::lround(box->value() * 10)); }

QLineEdit* Line(const char* name)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

QCheckBox* Check(const QString& text, const char* name)
{
    auto* box = new QCheckBox(text);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QString FromModel(const std::string& text) { return QString::fromStdString(text); }
std::string ToModel(const QString& text) { return text.toStdString(); }

} // namespace

QString GridPrintSettingsDialog::FileFilter() { return texts::IniFilter(); }

GridPrintSettingsDialog::GridPrintSettingsDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("GridPrintSettingsDialog"));
    setWindowTitle(texts::PrintSettingsCaption());
    askFile_ = [](QWidget* owner, bool save, const QString& filter, QString* selectedFilter) {
        const auto options = QFileDialog::DontUseNativeDialog;
        return save ? QFileDialog::getSaveFileName(owner, {}, {}, filter, selectedFilter, options)
                    : QFileDialog::getOpenFileName(owner, {}, {}, filter, selectedFilter, options);
    };
    warn_ = [](QWidget* owner, const QString& text) { QMessageBox::warning(owner, {}, text); };
    run_ = [](QDialog& dialog) { return dialog.exec(); };
    Build();
}

void GridPrintSettingsDialog::Build()
{
    QGroupBox* general = BuildGeneralBox();
    QGroupBox* fonts = BuildFontBox();
    QGroupBox* dateTime = BuildDateTimeBox();
    QGroupBox* title = BuildTitleBox();
    QGroupBox* pages = BuildPageNumberBox();
    QGroupBox* margins = BuildMarginBox();
    QGroupBox* spacing = BuildSpacingBox();
    QGroupBox* orientation = BuildOrientationBox();
    QGroupBox* file = BuildFileBox();

    preview_ = new PrintPreview(this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* left = new QVBoxLayout;
    left->addWidget(general);
    left->addWidget(fonts);
    auto* middle = new QVBoxLayout;
    for (QWidget* box : {static_cast<QWidget*>(dateTime), static_cast<QWidget*>(title), static_cast<QWidget*>(pages),
                         static_cast<QWidget*>(orientation)})
        middle->addWidget(box);
    auto* right = new QVBoxLayout;
    right->addWidget(preview_, 1);
    right->addWidget(margins);
    right->addWidget(spacing);
    right->addWidget(file);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(middle);
    columns->addLayout(right);
    auto* bottom = BuildPageButtons();
    bottom->addWidget(buttons);
    auto* whole = new QVBoxLayout(this);
    whole->addLayout(columns);
    whole->addLayout(bottom);

    ConnectChanges();
}

QGroupBox* GridPrintSettingsDialog::BuildGeneralBox()
{
    auto* general = new QGroupBox(texts::GroupGeneral());
    auto* generalForm = new QFormLayout(general);
    borders_ = Choice(texts::BorderKinds(), "Borders");
    borderStyle_ = Choice(texts::PenStyles(), "BorderStyle");
    fitToPage_ = Choice(texts::FitModes(), "FitToPage");
    generalForm->addRow(texts::Borders(), borders_);
    generalForm->addRow(texts::BorderStyle(), borderStyle_);
    generalForm->addRow(texts::FitToPage(), fitToPage_);
    centered_ = Check(texts::Centered(), "Centered");
    noAutoSize_ = Check(texts::NoAutoSize(), "NoAutoSize");
    repeatRows_ = Check(texts::RepeatFixedRows(), "RepeatFixedRows");
    repeatCols_ = Check(texts::RepeatFixedCols(), "RepeatFixedCols");
    useDisplayFont_ = Check(texts::UseDisplayFont(), "UseDisplayFont");
    for (QCheckBox* box : {centered_, noAutoSize_, repeatRows_, repeatCols_, useDisplayFont_})
        generalForm->addRow(box);
    useFixedHeight_ = Check(texts::FixedHeight(), "UseFixedHeight");
    fixedHeight_ = Number(9999, "FixedHeight");
    useFixedWidth_ = Check(texts::FixedWidth(), "UseFixedWidth");
    fixedWidth_ = Number(9999, "FixedWidth");
    generalForm->addRow(useFixedHeight_, fixedHeight_);
    generalForm->addRow(useFixedWidth_, fixedWidth_);
    return general;
}

QGroupBox* GridPrintSettingsDialog::BuildFontBox()
{
    auto* fonts = new QGroupBox(texts::GroupFonts());
    auto* fontGrid = new QGridLayout(fonts);
    fontName_ = Line("FontName");
    fontSize_ = Number(99, "FontSize");
    headerFontName_ = Line("HeaderFontName");
    headerFontSize_ = Number(99, "HeaderFontSize");
    footerFontName_ = Line("FooterFontName");
    footerFontSize_ = Number(99, "FooterFontSize");
    const std::pair<QString, std::pair<QLineEdit*, QSpinBox*>> fontRows[] = {
        {texts::CellFont(), {fontName_, fontSize_}},
        {texts::HeaderFont(), {headerFontName_, headerFontSize_}},
        {texts::FooterFont(), {footerFontName_, footerFontSize_}},
    };
    for (int i = 0; i < 3; ++i) {
        fontGrid->addWidget(new QLabel(fontRows[i].first), i, 0);
        fontGrid->addWidget(fontRows[i].second.first, i, 1);
        fontGrid->addWidget(fontRows[i].second.second, i, 2);
    }
    return fonts;
}

QGroupBox* GridPrintSettingsDialog::BuildDateTimeBox()
{
    auto* dateTime = new QGroupBox(texts::GroupDateTime());
    auto* dateForm = new QFormLayout(dateTime);
    datePosition_ = Choice(texts::Positions(), "Date");
    timePosition_ = Choice(texts::Positions(), "Time");
    dateFormat_ = Line("DateFormat");
    dateForm->addRow(texts::Date(), datePosition_);
    dateForm->addRow(texts::DateFormat(), dateFormat_);
    dateForm->addRow(texts::Time(), timePosition_);
    return dateTime;
}

QGroupBox* GridPrintSettingsDialog::BuildTitleBox()
{
    auto* title = new QGroupBox(texts::GroupTitle());
    auto* titleForm = new QFormLayout(title);
    titlePosition_ = Choice(texts::Positions(), "Title");
    titleLines_ = new QPlainTextEdit;
    titleLines_->setObjectName(QStringLiteral("TitleLines"));
    titleLines_->setMaximumHeight(60);
    titleForm->addRow(texts::Position(), titlePosition_);
    titleForm->addRow(titleLines_);
    return title;
}

QGroupBox* GridPrintSettingsDialog::BuildPageNumberBox()
{
    auto* pages = new QGroupBox(texts::GroupPages());
    auto* pageForm = new QFormLayout(pages);
    pagePosition_ = Choice(texts::Positions(), "PageNr");
    pagePrefix_ = Line("PagePrefix");
    pageSeparator_ = Line("PageNumSep");
    pageSuffix_ = Line("PageSuffix");
    pageForm->addRow(texts::Position(), pagePosition_);
    pageForm->addRow(texts::Prefix(), pagePrefix_);
    pageForm->addRow(texts::Separator(), pageSeparator_);
    pageForm->addRow(texts::Suffix(), pageSuffix_);
    return pages;
}

QGroupBox* GridPrintSettingsDialog::BuildMarginBox()
{
    auto* margins = new QGroupBox(texts::GroupMargins());
    auto* marginForm = new QFormLayout(margins);
    const char* marginNames[] = {"HeaderSize", "FooterSize", "LeftSize", "RightSize"};
    const QString marginLabels[] = {texts::Top(), texts::Bottom(), texts::Left(), texts::Right()};
    for (int i = 0; i < 4; ++i) {
        margins_[i] = Millimetres(marginNames[i]);
        marginForm->addRow(marginLabels[i], margins_[i]);
    }
    return margins;
}

QGroupBox* GridPrintSettingsDialog::BuildSpacingBox()
{
    auto* spacing = new QGroupBox(texts::GroupSpacing());
    auto* spacingForm = new QFormLayout(spacing);
    const char* spacingNames[] = {"RowSpacing", "ColumnSpacing", "TitleSpacing"};
    const QString spacingLabels[] = {texts::RowSpacing(), texts::ColumnSpacing(), texts::TitleSpacing()};
    for (int i = 0; i < 3; ++i) {
        spacings_[i] = Millimetres(spacingNames[i]);
        spacingForm->addRow(spacingLabels[i], spacings_[i]);
    }
    return spacing;
}

QGroupBox* GridPrintSettingsDialog::BuildOrientationBox()
{
    auto* orientation = new QGroupBox(texts::GroupOrientation());
    auto* orientationForm = new QFormLayout(orientation);
    orientation_ = Choice(texts::Orientations(), "Orientation");
    defaultOrientation_ = Check(texts::UseDefaultOrientation(), "UseDefaultOrientation");
    orientationForm->addRow(orientation_);
    orientationForm->addRow(defaultOrientation_);
    return orientation;
}

QGroupBox* GridPrintSettingsDialog::BuildFileBox()
{
    auto* file = new QGroupBox(texts::GroupFile());
    auto* fileRow = new QHBoxLayout(file);
    auto* load = new QPushButton(texts::LoadSettings());
    load->setObjectName(QStringLiteral("bLoadSettings"));
    auto* save = new QPushButton(texts::SaveSettings());
    save->setObjectName(QStringLiteral("bSaveSettings"));
    fileRow->addWidget(load);
    fileRow->addWidget(save);
    connect(load, &QPushButton::clicked, this, &GridPrintSettingsDialog::LoadSettings);
    connect(save, &QPushButton::clicked, this, &GridPrintSettingsDialog::SaveSettings);
    return file;
}

QHBoxLayout* GridPrintSettingsDialog::BuildPageButtons()
{
    auto* row = new QHBoxLayout;
    auto* preview = new QPushButton(texts::PrintPreview());
    preview->setObjectName(QStringLiteral("bPrintPreview"));
    auto* pdf = new QPushButton(texts::SavePdf());
    pdf->setObjectName(QStringLiteral("bSavePdf"));
    // Enter in a field means OK, not one of these.
    for (QPushButton* button : {preview, pdf}) {
        button->setAutoDefault(false);
        row->addWidget(button);
    }
    row->addStretch(1);
    connect(preview, &QPushButton::clicked, this, &GridPrintSettingsDialog::PreviewAllPages);
    connect(pdf, &QPushButton::clicked, this, [this] { SaveAsPdf(); });
    return row;
}

void GridPrintSettingsDialog::ConnectChanges()
{
    // Every change goes into the grid's settings at once.
    const auto apply = [this] { Apply(); };
    for (QComboBox* box : findChildren<QComboBox*>())
        connect(box, &QComboBox::currentIndexChanged, this, apply);
    for (QCheckBox* box : findChildren<QCheckBox*>())
        connect(box, &QCheckBox::toggled, this, apply);
    for (QSpinBox* box : findChildren<QSpinBox*>())
        connect(box, &QSpinBox::valueChanged, this, apply);
    for (QDoubleSpinBox* box : findChildren<QDoubleSpinBox*>())
        connect(box, &QDoubleSpinBox::valueChanged, this, apply);
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        if (!qobject_cast<QAbstractSpinBox*>(edit->parentWidget()))
            connect(edit, &QLineEdit::textChanged, this, apply);
    connect(titleLines_, &QPlainTextEdit::textChanged, this, apply);
}

bool GridPrintSettingsDialog::Show()
{
    if (!grid_) {
        warn_(parentWidget(), texts::NoGridAssigned());
        return false;
    }
    saved_ = grid_->PrintSettings();
    Fill();
    return run_(*this) == QDialog::Accepted;
}

void GridPrintSettingsDialog::done(int result)
{
    if (result != QDialog::Accepted && grid_)
        grid_->PrintSettings() = saved_;
    QDialog::done(result);
}

void GridPrintSettingsDialog::Fill()
{
    if (!grid_)
        return;
    filling_ = true;
    const grid::PrintSettings& s = grid_->PrintSettings();
    borders_->setCurrentIndex(int(s.Borders));
    borderStyle_->setCurrentIndex(int(s.BorderStyle));
    fitToPage_->setCurrentIndex(int(s.FitToPage));
    centered_->setChecked(s.Centered);
    noAutoSize_->setChecked(s.NoAutoSize);
    repeatRows_->setChecked(s.RepeatFixedRows);
    repeatCols_->setChecked(s.RepeatFixedCols);
    useDisplayFont_->setChecked(s.UseDisplayFont);
    useFixedHeight_->setChecked(s.UseFixedHeight);
    fixedHeight_->setValue(s.FixedHeight);
    useFixedWidth_->setChecked(s.UseFixedWidth);
    fixedWidth_->setValue(s.FixedWidth);
    fontName_->setText(FromModel(s.Font.name));
    fontSize_->setValue(s.Font.size);
    headerFontName_->setText(FromModel(s.HeaderFont.name));
    headerFontSize_->setValue(s.HeaderFont.size);
    footerFontName_->setText(FromModel(s.FooterFont.name));
    footerFontSize_->setValue(s.FooterFont.size);
    datePosition_->setCurrentIndex(int(s.Date));
    timePosition_->setCurrentIndex(int(s.Time));
    dateFormat_->setText(FromModel(s.DateFormat));
    titlePosition_->setCurrentIndex(int(s.Title));
    QStringList lines;
    for (const std::string& line : s.TitleLines)
        lines << FromModel(line);
    titleLines_->setPlainText(lines.join(QLatin1Char('\n')));
    pagePosition_->setCurrentIndex(int(s.PageNr));
    pagePrefix_->setText(FromModel(s.PagePrefix));
    pageSeparator_->setText(FromModel(s.PageNumSep));
    pageSuffix_->setText(FromModel(s.PageSuffix));
    const int marginValues[] = {s.HeaderSize, s.FooterSize, s.LeftSize, s.RightSize};
    for (int i = 0; i < 4; ++i)
        margins_[i]->setValue(marginValues[i] / 10.0);
    const int spacingValues[] = {s.RowSpacing, s.ColumnSpacing, s.TitleSpacing};
    for (int i = 0; i < 3; ++i)
        spacings_[i]->setValue(spacingValues[i] / 10.0);
    orientation_->setCurrentIndex(int(s.Orientation));
    defaultOrientation_->setChecked(s.UseDefaultOrientation);
    filling_ = false;
    preview_->Show(&grid_->Grid(), s);
}

void GridPrintSettingsDialog::Apply()
{
    if (filling_ || !grid_)
        return;
    grid::PrintSettings& s = grid_->PrintSettings();
    s.Borders = grid::PrintBorderKind(borders_->currentIndex());
    s.BorderStyle = grid::PenStyle(borderStyle_->currentIndex());
    s.FitToPage = grid::FitToPageMode(fitToPage_->currentIndex());
    s.Centered = centered_->isChecked();
    s.NoAutoSize = noAutoSize_->isChecked();
    s.RepeatFixedRows = repeatRows_->isChecked();
    s.RepeatFixedCols = repeatCols_->isChecked();
    s.UseDisplayFont = useDisplayFont_->isChecked();
    s.UseFixedHeight = useFixedHeight_->isChecked();
    s.FixedHeight = fixedHeight_->value();
    s.UseFixedWidth = useFixedWidth_->isChecked();
    s.FixedWidth = fixedWidth_->value();
    s.Font.name = ToModel(fontName_->text());
    s.Font.size = fontSize_->value();
    s.HeaderFont.name = ToModel(headerFontName_->text());
    s.HeaderFont.size = headerFontSize_->value();
    s.FooterFont.name = ToModel(footerFontName_->text());
    s.FooterFont.size = footerFontSize_->value();
    s.Date = grid::PrintPosition(datePosition_->currentIndex());
    s.Time = grid::PrintPosition(timePosition_->currentIndex());
    s.DateFormat = ToModel(dateFormat_->text());
    s.Title = grid::PrintPosition(titlePosition_->currentIndex());
    s.TitleLines.clear();
    const QString title = titleLines_->toPlainText();
    if (!title.isEmpty())
        for (const QString& line : title.split(QLatin1Char('\n')))
            s.TitleLines.push_back(ToModel(line));
    s.PageNr = grid::PrintPosition(pagePosition_->currentIndex());
    s.PagePrefix = ToModel(pagePrefix_->text());
    s.PageNumSep = ToModel(pageSeparator_->text());
    s.PageSuffix = ToModel(pageSuffix_->text());
    int* marginTargets[] = {&s.HeaderSize, &s.FooterSize, &s.LeftSize, &s.RightSize};
    for (int i = 0; i < 4; ++i)
        *marginTargets[i] = Tenths(margins_[i]);
    int* spacingTargets[] = {&s.RowSpacing, &s.ColumnSpacing, &s.TitleSpacing};
    for (int i = 0; i < 3; ++i)
        *spacingTargets[i] = Tenths(spacings_[i]);
    s.Orientation = grid::PrinterOrientation(orientation_->currentIndex());
    s.UseDefaultOrientation = defaultOrientation_->isChecked();
    preview_->Show(&grid_->Grid(), s);
}

QString GridPrintSettingsDialog::AskFile(bool save, const QString& filter, const QString& extension)
{
    QString chosenFilter;
    QString path = askFile_(this, save, filter, &chosenFilter);
    if (path.isEmpty())
        return {};
    const QString firstFilter = filter.section(QStringLiteral(";;"), 0, 0);
    // Only the file's own name counts: a dot in a folder's name says nothing about
    // the file's extension.
    if (!QFileInfo(path).fileName().contains(QLatin1Char('.')) &&
        (chosenFilter.isEmpty() || chosenFilter == firstFilter))
        path += extension;
    return path;
}

QString GridPrintSettingsDialog::ChosenFile(bool save)
{
    if (!iniFile_.isEmpty())
        return iniFile_;
    return AskFile(save, FileFilter(), QStringLiteral(".ini"));
}

bool GridPrintSettingsDialog::SaveAsPdf()
{
    if (!grid_)
        return false;
    const QString path = AskFile(true, texts::PdfFilter(), QStringLiteral(".pdf"));
    if (path.isEmpty())
        return false;
    QString error;
    if (!grid_->SaveAsPdf(path, &error)) {
        warn_(this, error);
        return false;
    }
    return true;
}

void GridPrintSettingsDialog::PreviewAllPages()
{
    if (!grid_)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    SetUpPrinterPage(printer, PrintOrientation(grid_->PrintSettings()));
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("PrintPreviewDialog"));
    preview.setWindowTitle(texts::PreviewCaption());
    const PagePainter paint = GridPagePainter(grid_->Grid(), grid_->PrintSettings());
    connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&paint](QPrinter* pages) { paint(*pages); });
    run_(preview);
}

void GridPrintSettingsDialog::SaveSettings()
{
    if (!grid_)
        return;
    const QString path = ChosenFile(true);
    if (path.isEmpty())
        return;
    // A settings file in the user's configuration folder is the first thing there.
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!grid::SavePrintSettingsFile(grid_->PrintSettings(), path.toStdString()))
        warn_(this, FormatText(texts::CannotWrite(), {path}));
}

void GridPrintSettingsDialog::LoadSettings()
{
    if (!grid_)
        return;
    const QString path = ChosenFile(false);
    if (path.isEmpty())
        return;
    grid::LoadPrintSettingsFile(grid_->PrintSettings(), path.toStdString());
    Fill();
}

} // namespace kontaro::controls
