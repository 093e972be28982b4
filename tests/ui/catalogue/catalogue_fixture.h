#pragma once
// Shared set-up of the catalogue's widget tests: a German locale, a fixed "today",
// scripted prompts, scripted runs of the catalogue's own dialogs, a small
// catalogue and helpers that type into fields and leave them as a user does.
#include "model/catalogue.h"
#include "model/day_number.h"
#include "model/days.h"
#include "support/scripted_prompts.h"

#include <QDialog>
#include <QLocale>
#include <QStringList>
#include <QWidget>

#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>
#include <stdexcept>
#include <string>

class QAbstractButton;
class QTreeWidget;

namespace kontaro::controls {
class LabeledEdit;
}

namespace kontaro::test {

// 2005-03-15, the "today" of every catalogue test; its month starts on day 38412.
inline constexpr model::DayNumber kToday = 38426;
inline constexpr model::DayNumber kFirstOfMonth = 38412;

// Answers the catalogue's modal dialogs: each dialog that opens is shown
// (not modally), handed to the next queued step and must be closed by it; its
// result is what the caller sees. A dialog without a step fails the test and is
// cancelled.
class DialogScript {
public:
    using Step = std::function<void(QDialog&)>;
    DialogScript();
    ~DialogScript();
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    void Next(Step step) { steps_.push_back(std::move(step)); }
    bool AllStepsUsed() const { return steps_.empty(); }
    // The window titles of the dialogs run so far.
    QStringList titles;

private:
    int Run(QDialog& dialog);
    std::deque<Step> steps_;
};

class CatalogueTest : public ::testing::Test {
protected:
    CatalogueTest();
    ~CatalogueTest() override;

    // Groups and products with one dated value per list from `from` on.
    void AddGroup(int32_t id, const std::string& name);
    void AddProduct(int32_t id, const std::string& name, int32_t group, model::DayNumber from = 0);
    void AddDay(model::DayNumber date, std::initializer_list<model::tDayEntry> entries);

    model::tGroups groups;
    model::tProducts products;
    model::tDays days;
    ScriptedPrompts prompts;
    DialogScript dialogs;

private:
    QLocale savedLocale_;
};

// Finds a child by its object name; a missing child fails the test and throws.
template <class T>
T& Child(QWidget& parent, const char* name)
{
    T* child = parent.findChild<T*>(QLatin1StringView(name));
    if (child == nullptr) {
        ADD_FAILURE() << "no child named " << name;
        throw std::runtime_error(name);
    }
    return *child;
}

// Makes the widget's window the active one, so that focus changes are delivered.
void Activate(QWidget& window);
// Types the text into the widget with the focus on it, one key per character
// (any character, not only those of a keyboard's keys).
void Keys(QWidget& widget, const QString& text);
// Replaces the field's text by typing, as a user does.
void Type(controls::LabeledEdit& field, const QString& text);
// Moves the focus out of the field (to the next control).
void Leave(controls::LabeledEdit& field);
void Click(QAbstractButton& button);
// Selects row `row` of the list (a user's click).
void SelectRow(QTreeWidget& list, int row);
// The texts of a list's rows, as "date|value".
QStringList Rows(const QTreeWidget& list);

} // namespace kontaro::test
