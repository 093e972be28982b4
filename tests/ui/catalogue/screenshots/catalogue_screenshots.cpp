// Renders the pages "Produkte" and "Gruppen" and the product editor of a project
// file offscreen into PNG files, for the README:
//   catalogue_screenshots <project.kdt> <folder>
// writes products.png, groups.png and product-editor.png into the folder.
#include "model/project_file.h"
#include "ui/groups_list_page.h"
#include "ui/product_dialog.h"
#include "ui/products_list_page.h"
#include "ui/silent_prompts.h"
#include "ui/user_prompts.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QPixmap>
#include <QTableView>

#include <cstdio>

namespace {

bool Save(QWidget& widget, const QDir& folder, const char* name)
{
    widget.show();
    QApplication::processEvents();
    const QString path = folder.filePath(QString::fromLatin1(name));
    if (!widget.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", path.toLocal8Bit().constData());
        return false;
    }
    std::printf("screenshot: %s\n", path.toLocal8Bit().constData());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <project.kdt> <folder>\n", argv[0]);
        return 2;
    }
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    kontaro::test::SilentPrompts prompts;
    kontaro::ui::SetPrompts(&prompts);

    kontaro::model::Project project;
    if (kontaro::model::LoadProjectFile(argv[1], project).status != kontaro::model::LoadStatus::Ok ||
        project.Products.Count() < 2) {
        std::fprintf(stderr, "cannot use %s\n", argv[1]);
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[2]));

    kontaro::ui::ProductsPage products(project.Products, project.Groups, project.Days);
    products.Reset();
    products.resize(720, 360);
    products.findChild<QTableView*>(QStringLiteral("ListProducts"))->selectRow(1);
    kontaro::ui::GroupsPage groups(project.Groups, project.Products);
    groups.Reset();
    groups.resize(720, 240);
    groups.findChild<QTableView*>(QStringLiteral("ListGroups"))->selectRow(0);
    kontaro::ui::ProductDialog editor(nullptr, project.Products, project.Groups, &project.Days);
    editor.ProductIndex = 1;

    const bool ok = Save(products, folder, "products.png") && Save(groups, folder, "groups.png") &&
                    Save(editor, folder, "product-editor.png");
    kontaro::ui::SetPrompts(nullptr);
    return ok ? 0 : 1;
}
