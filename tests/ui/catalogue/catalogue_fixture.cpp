#include "ui/catalogue/catalogue_fixture.h"

#include "controls/labeled_edit.h"
#include "model/globals.h"
#include "support/project_builder.h"
#include "ui/modal_runner.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

namespace kontaro::test {

DialogScript::DialogScript()
{
    ui::SetModalRunner([this](QDialog& dialog) { return Run(dialog); });
}

DialogScript::~DialogScript() { ui::SetModalRunner({}); }

int DialogScript::Run(QDialog& dialog)
{
    titles << dialog.windowTitle();
    dialog.show();
    Activate(dialog);
    if (steps_.empty()) {
        ADD_FAILURE() << "unscripted dialog: " << dialog.windowTitle().toStdString();
        dialog.reject();
    } else {
        const Step step = std::move(steps_.front());
        steps_.pop_front();
        step(dialog);
    }
    if (dialog.isVisible()) {
        ADD_FAILURE() << "the step left the dialog open: " << dialog.windowTitle().toStdString();
        dialog.reject();
    }
    return dialog.result();
}

CatalogueTest::CatalogueTest() : savedLocale_(QLocale())
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    model::SetTodayForTests([] { return kToday; });
}

CatalogueTest::~CatalogueTest()
{
    EXPECT_TRUE(dialogs.AllStepsUsed());
    EXPECT_TRUE(prompts.AllScriptsUsed());
    model::SetTodayForTests({});
    QLocale::setDefault(savedLocale_);
}

void CatalogueTest::AddGroup(int32_t id, const std::string& name) { test::AddGroup(groups, id, name); }

void CatalogueTest::AddProduct(int32_t id, const std::string& name, int32_t group, model::DayNumber from)
{
    test::AddProduct(
        products,
        {.id = id, .name = name, .einkauf = 1.0, .verkauf = 2.5, .steuer = 19.0, .gruppe = group, .from = from});
}

void CatalogueTest::AddDay(model::DayNumber date, std::initializer_list<model::tDayEntry> entries)
{
    test::AddDay(days, date, entries);
}

void Activate(QWidget& window)
{
    window.activateWindow();
    QApplication::setActiveWindow(&window);
}

void Keys(QWidget& widget, const QString& text)
{
    for (const char32_t c : text.toUcs4()) {
        const QString key = QString::fromUcs4(&c, 1);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, key);
        QApplication::sendEvent(&widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, key);
        QApplication::sendEvent(&widget, &release);
    }
}

void Type(controls::LabeledEdit& field, const QString& text)
{
    field.Edit()->setFocus();
    field.Edit()->selectAll();
    QTest::keyClick(field.Edit(), Qt::Key_Backspace);
    Keys(*field.Edit(), text);
}

void Leave(controls::LabeledEdit& field)
{
    field.Edit()->setFocus();
    QTest::keyClick(field.Edit(), Qt::Key_Tab);
}

void Click(QAbstractButton& button)
{
    ASSERT_TRUE(button.isEnabled()) << button.objectName().toStdString() << " is disabled";
    QTest::mouseClick(&button, Qt::LeftButton);
}

void SelectRow(QTreeWidget& list, int row)
{
    QTreeWidgetItem* item = list.topLevelItem(row);
    ASSERT_NE(item, nullptr);
    list.setCurrentItem(item);
}

QStringList Rows(const QTreeWidget& list)
{
    QStringList rows;
    for (int i = 0; i < list.topLevelItemCount(); ++i)
        rows << list.topLevelItem(i)->text(0) + QLatin1Char('|') + list.topLevelItem(i)->text(1);
    return rows;
}

} // namespace kontaro::test
