#include "ui/catalogue_hook.h"

#include "ui/groups_list_page.h"
#include "ui/main_window.h"
#include "ui/products_list_page.h"

#include <QVBoxLayout>

namespace kontaro::ui {

namespace {

// The two catalogue pages, each filling its tab sheet.
class CatalogueTabs final : public CataloguePages {
public:
    CatalogueTabs(MainWindow& main, QWidget& tabProducts, QWidget& tabGroups)
        : products_(new ProductsPage(main.Products(), main.Groups(), main.Days(), &tabProducts)),
          groups_(new GroupsPage(main.Groups(), main.Products(), &tabGroups))
    {
        Fill(tabProducts, products_);
        Fill(tabGroups, groups_);
        QObject::connect(products_, &ProductsPage::CatalogueChanged, &main, &MainWindow::MarkProjectChanged);
        QObject::connect(groups_, &GroupsPage::CatalogueChanged, &main, &MainWindow::MarkProjectChanged);
    }

    void ListsChanged() override
    {
        products_->Reset();
        groups_->Reset();
    }

    ProductsPage& Products() override { return *products_; }

private:
    static void Fill(QWidget& sheet, QWidget* page)
    {
        auto* layout = new QVBoxLayout(&sheet);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(page);
    }

    ProductsPage* products_; // owned by its sheet
    GroupsPage* groups_;     // owned by its sheet
};

} // namespace

std::unique_ptr<CataloguePages> CreateCataloguePages(MainWindow& main, QWidget& tabProducts, QWidget& tabGroups)
{
    return std::make_unique<CatalogueTabs>(main, tabProducts, tabGroups);
}

} // namespace kontaro::ui
