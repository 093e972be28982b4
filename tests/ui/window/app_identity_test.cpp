// The program icon where no icon theme has it: the built-in copy, which lives in a
// static library and is lost when the linker drops its resource.
#include "ui/app_identity.h"

#include <QIcon>

#include <gtest/gtest.h>

namespace kontaro::test {
namespace {

TEST(AppIdentity, BuiltInIconWithoutAThemeInEverySize)
{
    const QStringList searchPaths = QIcon::themeSearchPaths();
    const QString theme = QIcon::themeName();
    QIcon::setThemeSearchPaths({});
    QIcon::setThemeName(QStringLiteral("kein-thema"));
    const QIcon icon = ui::AppIcon();
    QIcon::setThemeName(theme);
    QIcon::setThemeSearchPaths(searchPaths);

    ASSERT_FALSE(icon.isNull());
    for (const int size : {16, 32, 48, 256})
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << size;
    EXPECT_EQ(icon.pixmap(QSize(64, 64)).size(), QSize(64, 64));
}

} // namespace
} // namespace kontaro::test
