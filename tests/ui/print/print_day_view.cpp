// Prints the day view of a project as the user does: the window loads the project
// (showing its last stored day), "Drucken..." opens DayPrint, OK prints on the
// default printer queue. Writes the day's figures that the printout must hold to
// standard output: each row's texts after the name, then the footer's texts, one
// line per row, separated by one blank.
// With a second argument, a missing printer is answered by saving the pages as
// that PDF file, as a user without a printer does.
// Exits 1 when the program warned (no printer, a refused job), 2 on bad use.
#include "controls/column_grid.h"
#include "grid/plain_grid.h"
#include "ui/day_view.h"
#include "ui/main_window.h"
#include "ui/modal_runner.h"
#include "ui/user_prompts.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>

#include <cstdio>
#include <string>
#include <utility>

namespace {

// Answers the offer of a PDF with Yes when there is a file for it, every other
// question with No, and reports every warning on standard error.
class ReportingPrompts final : public kontaro::ui::UserPrompts {
public:
    explicit ReportingPrompts(QString pdf) : pdf_(std::move(pdf)) {}

    void Warning(QWidget*, const QString& text) override
    {
        std::fprintf(stderr, "warning: %s\n", qUtf8Printable(text));
        warned = true;
    }
    kontaro::ui::Answer ConfirmYesNo(QWidget* owner, const QString& text) override
    {
        if (!pdf_.isEmpty())
            return kontaro::ui::Answer::Yes;
        Warning(owner, text);
        return kontaro::ui::Answer::No;
    }
    kontaro::ui::Answer ConfirmYesNoCancel(QWidget* owner, const QString& text) override
    {
        Warning(owner, text);
        return kontaro::ui::Answer::Cancel;
    }
    std::optional<QString> OpenFileName(QWidget*, const kontaro::ui::FileDialogOptions&) override { return {}; }
    std::optional<QString> SaveFileName(QWidget*, const kontaro::ui::FileDialogOptions&) override
    {
        if (pdf_.isEmpty())
            return {};
        return pdf_;
    }

    bool warned = false;

private:
    QString pdf_;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: print_day_view PROJECT [PDF]\n");
        return 2;
    }
    ReportingPrompts prompts(argc == 3 ? QString::fromLocal8Bit(argv[2]) : QString());
    kontaro::ui::SetPrompts(&prompts);
    kontaro::ui::SetModalRunner([](QDialog& dialog) {
        dialog.show();
        dialog.accept();
        return dialog.result();
    });
    int status = 0;
    {
        kontaro::ui::MainWindow window({QString::fromLocal8Bit(argv[1])});
        auto* day = window.findChild<kontaro::ui::DayView*>(QStringLiteral("tabDayView"));
        const kontaro::grid::PlainGrid& grid = day->gDayView().Grid();
        if (prompts.warned || !window.ProjectOpen() || grid.LastDataRow() < grid.FirstDataRow()) {
            std::fprintf(stderr, "the project could not be loaded\n");
            status = 2;
        } else {
            // The names stay out of the rows' lines: a printout may join letters such
            // as "ff" into one glyph, which a text extractor does not split again.
            for (int row = grid.FirstDataRow(); row <= grid.FooterRow(); ++row) {
                std::string line;
                for (int col = row == grid.FooterRow() ? 0 : 1; col < grid.ColumnCount(); ++col) {
                    const std::string text = grid.DisplayText(col, row);
                    if (!grid.ColumnAt(col).hidden && !text.empty())
                        line += (line.empty() ? "" : " ") + text;
                }
                std::printf("%s\n", line.c_str());
            }
            std::fflush(stdout);
            day->PrintButton().click();
            status = prompts.warned ? 1 : 0;
        }
    }
    kontaro::ui::SetModalRunner({});
    kontaro::ui::SetPrompts(nullptr);
    return status;
}
