#include "catalogue_hook.h"

namespace kontaro::ui {

namespace {
// The two sheets stay empty until the catalogue pages fill them.
class NoCataloguePages final : public CataloguePages {
public:
    void ListsChanged() override {}
};
} // namespace

std::unique_ptr<CataloguePages> CreateCataloguePages(TKontarosMain&, QWidget&, QWidget&)
{
    return std::make_unique<NoCataloguePages>();
}

} // namespace kontaro::ui
