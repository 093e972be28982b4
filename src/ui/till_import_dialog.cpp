#include "ui/till_import_dialog.h"

#include "controls/qt_format_text.h"
#include "controls/qt_number_locale.h"
#include "model/globals.h"
#include "till/export_files.h"
#include "till/import_error.h"
#include "till/import_preview.h"
#include "ui/date_controls.h"
#include "ui/day_view.h"
#include "ui/modal_runner.h"
#include "ui/model_text.h"
#include "ui/texts.h"
#include "ui/till_import_texts.h"
#include "ui/user_prompts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kontaro::ui {

namespace {

QString Utf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

till::TillSales ReadSales(const QString& source, till::DayRule rule)
{
    return till::ReadTillSales(till::ExportFiles::Open(source.toStdString()), rule);
}

} // namespace

TillImportDialog::TillImportDialog(const model::Project& project, QString source, till::TillSales sales,
                                   till::DayRule rule, QWidget* parent)
    : QDialog(parent), project_(project), source_(std::move(source)), sales_(std::move(sales)), rule_(rule)
{
    setObjectName(QStringLiteral("TillImportDialog"));
    setWindowTitle(texts::TillDialogCaption());
    resize(820, 640);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(controls::FormatText(texts::TillSource(), {source_}), this));

    auto* choices = new QFormLayout;
    dayRule_ = new QComboBox(this);
    dayRule_->setObjectName(QStringLiteral("TillDayRule"));
    for (const till::DayRule each : {till::DayRule::ReceiptEnd, till::DayRule::BusinessDay})
        dayRule_->addItem(Utf8(std::string(till::DayRuleText(each))), static_cast<int>(each));
    dayRule_->setCurrentIndex(dayRule_->findData(static_cast<int>(rule_)));
    dayRule_->setAccessibleName(texts::TillDayRule());
    choices->addRow(texts::TillDayRule(), dayRule_);
    mode_ = new QComboBox(this);
    mode_->setObjectName(QStringLiteral("TillMode"));
    for (const till::ImportMode each : {till::ImportMode::Replace, till::ImportMode::Add, till::ImportMode::Leave})
        mode_->addItem(Utf8(std::string(till::ImportModeText(each))), static_cast<int>(each));
    mode_->setAccessibleName(texts::TillMode());
    choices->addRow(texts::TillMode(), mode_);
    layout->addLayout(choices);

    layout->addWidget(new QLabel(texts::TillPreview(), this));
    preview_ = new QPlainTextEdit(this);
    preview_->setObjectName(QStringLiteral("TillPreview"));
    preview_->setReadOnly(true);
    preview_->setLineWrapMode(QPlainTextEdit::NoWrap);
    preview_->setAccessibleName(texts::TillPreview());
    layout->addWidget(preview_, 3);

    layout->addWidget(new QLabel(texts::TillUnmapped(), this));
    articles_ = new QTableWidget(this);
    articles_->setObjectName(QStringLiteral("TillArticles"));
    articles_->setColumnCount(5);
    articles_->setHorizontalHeaderLabels({texts::TillColumnNumber(), texts::TillColumnText(),
                                          texts::TillColumnQuantity(), texts::TillColumnGross(),
                                          texts::TillColumnProduct()});
    articles_->horizontalHeader()->setStretchLastSection(true);
    articles_->verticalHeader()->setVisible(false);
    articles_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    articles_->setAccessibleName(texts::TillUnmapped());
    layout->addWidget(articles_, 1);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* importButton = buttons->addButton(texts::TillImportButton(), QDialogButtonBox::AcceptRole);
    importButton->setObjectName(QStringLiteral("bImport"));
    QPushButton* cancelButton = buttons->addButton(texts::ButtonCancel(), QDialogButtonBox::RejectRole);
    cancelButton->setObjectName(QStringLiteral("bCancel"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(mode_, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });
    connect(dayRule_, &QComboBox::currentIndexChanged, this, [this] { ChangeDayRule(); });

    FillArticles();
    Refresh();
}

void TillImportDialog::ChangeDayRule()
{
    const auto rule = static_cast<till::DayRule>(dayRule_->currentData().toInt());
    if (rule == rule_)
        return;
    try {
        sales_ = ReadSales(source_, rule);
        rule_ = rule;
    } catch (const till::ImportError& error) {
        Prompts().Warning(this, QString::fromUtf8(error.what()));
        const QSignalBlocker blocker(dayRule_);
        dayRule_->setCurrentIndex(dayRule_->findData(static_cast<int>(rule_)));
        return;
    }
    FillArticles();
    Refresh();
}

void TillImportDialog::FillArticles()
{
    // The articles the project cannot map by itself; the user's choices stay listed.
    const till::ImportPlan unchosen = till::PlanImport(project_, sales_, {}, till::ImportMode::Replace);
    const char separator = controls::SystemNumberLocale().decimalSeparator;
    articles_->setRowCount(static_cast<int>(unchosen.unmapped.size()));
    for (int row = 0; row < articles_->rowCount(); ++row) {
        const till::UnmappedArticle& unmapped = unchosen.unmapped[static_cast<size_t>(row)];
        const till::Article& article = sales_.articles[static_cast<size_t>(unmapped.article)];
        articles_->setItem(row, 0, new QTableWidgetItem(Utf8(article.number)));
        articles_->setItem(row, 1, new QTableWidgetItem(Utf8(article.text)));
        articles_->setItem(row, 2, new QTableWidgetItem(Utf8(till::QuantityText(unmapped.quantity, separator))));
        articles_->setItem(row, 3, new QTableWidgetItem(Utf8(till::DecimalText(unmapped.gross, 2, separator))));
        auto* product = new QComboBox(articles_);
        product->setObjectName(QStringLiteral("TillProduct%1").arg(row));
        product->setAccessibleName(texts::TillColumnProduct() + QLatin1Char(' ') + Utf8(article.number));
        product->addItem(texts::TillNoProduct(), -1);
        for (int i = 0; i < project_.Products.Count(); ++i) {
            const model::tProduct& each = project_.Products.Item(i);
            std::string name;
            each.Name.ValueAt(model::TodayNumber(), name);
            product->addItem(QString::number(each.ID) + QLatin1Char(' ') + FromModelText(name), each.ID);
        }
        if (const auto chosen = choices_.find(article.number); chosen != choices_.end())
            product->setCurrentIndex(product->findData(chosen->second));
        const std::string number = article.number;
        connect(product, &QComboBox::currentIndexChanged, this, [this, product, number] {
            const int id = product->currentData().toInt();
            if (id < 0)
                choices_.erase(number);
            else
                choices_[number] = id;
            Refresh();
        });
        articles_->setCellWidget(row, 4, product);
    }
    articles_->resizeColumnsToContents();
}

void TillImportDialog::Refresh()
{
    const auto mode = static_cast<till::ImportMode>(mode_->currentData().toInt());
    plan_ = till::PlanImport(project_, sales_, choices_, mode);
    QStringList lines;
    for (const std::string& line :
         till::PreviewLines(project_, sales_, plan_, rule_, std::string(), controls::SystemNumberLocale()))
        lines << Utf8(line);
    preview_->setPlainText(lines.join(QLatin1Char('\n')));
}

void ImportTillData(QWidget* owner, model::Project& project, DayView& dayView)
{
    FileDialogOptions options;
    options.filter = texts::TillFilter();
    options.mustExist = true;
    const std::optional<QString> source = Prompts().OpenFileName(owner, options);
    if (!source)
        return;
    // The grid's rows are the day's entries: the plan compares with them.
    dayView.CalDayClick();
    till::TillSales sales;
    try {
        sales = ReadSales(*source, till::DayRule::ReceiptEnd);
    } catch (const till::ImportError& error) {
        Prompts().Warning(owner, QString::fromUtf8(error.what()));
        return;
    }
    TillImportDialog dialog(project, *source, std::move(sales), till::DayRule::ReceiptEnd, owner);
    if (RunModal(dialog) != QDialog::Accepted)
        return;
    const std::optional<model::DayNumber> first = dialog.Plan().FirstWrittenDay();
    till::ApplyImport(project, dialog.Plan(), dialog.Choices());
    // The import is an edit like typing: the recovery copy must follow it.
    project.MarkChanged();
    if (!first) {
        Prompts().Warning(owner, texts::TillNothingToImport());
        return;
    }
    // The grid shows the stored day: it must not write its rows over the import.
    dayView.ShowDayWithoutStoring(*first);
}

} // namespace kontaro::ui
