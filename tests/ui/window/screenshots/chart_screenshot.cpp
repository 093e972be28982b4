// Renders the page "Diagramm" of a project file offscreen into a PNG file, for the
// README:
//   chart_screenshot <project.kdt> <from JJJJ-MM-TT> <to JJJJ-MM-TT> <file.png>
#include "model/day_number.h"
#include "model/project_file.h"
#include "ui/chart_page.h"
#include "ui/date_controls.h"
#include "ui/day_dates.h"
#include "ui/silent_prompts.h"
#include "ui/user_prompts.h"

#include <QApplication>
#include <QLocale>
#include <QPixmap>

#include <cstdio>

namespace {

QDate DateOf(const char* text)
{
    const std::optional<kontaro::model::DayNumber> day = kontaro::model::ParseIsoDate(text);
    return day ? kontaro::ui::DateOfDay(*day) : QDate();
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s <project.kdt> <from> <to> <file.png>\n", argv[0]);
        return 2;
    }
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    kontaro::test::SilentPrompts prompts;
    kontaro::ui::SetPrompts(&prompts);

    kontaro::model::Project project;
    const QDate from = DateOf(argv[2]);
    const QDate to = DateOf(argv[3]);
    if (kontaro::model::LoadProjectFile(argv[1], project).status != kontaro::model::LoadStatus::Ok || !from.isValid() ||
        !to.isValid()) {
        std::fprintf(stderr, "cannot use %s from %s to %s\n", argv[1], argv[2], argv[3]);
        return 1;
    }
    int status = 0;
    {
        kontaro::ui::ChartPage page(project);
        page.resize(1000, 760);
        page.FromPicker().SetDate(from);
        page.ToPicker().SetDate(to);
        page.ToChartChange();
        page.bChartCalcClick();
        page.show();
        QApplication::processEvents();
        if (!page.grab().save(QString::fromLocal8Bit(argv[4]))) {
            std::fprintf(stderr, "cannot write %s\n", argv[4]);
            status = 1;
        } else {
            std::printf("screenshot: %s\n", argv[4]);
        }
    }
    kontaro::ui::SetPrompts(nullptr);
    return status;
}
