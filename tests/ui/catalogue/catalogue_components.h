#pragma once
// The components of the catalogue's dialogs that the tests work with, found by
// their object names (the component names) below the dialog or page given.
#include "controls/labeled_edit.h"
#include "ui/catalogue/catalogue_fixture.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace kontaro::test {

inline controls::LabeledEdit& eID(QWidget& dialog) { return Child<controls::LabeledEdit>(dialog, "eID"); }
inline controls::LabeledEdit& eName(QWidget& dialog) { return Child<controls::LabeledEdit>(dialog, "eName"); }
inline controls::LabeledEdit& ProdID(QWidget& dialog) { return Child<controls::LabeledEdit>(dialog, "ProdID"); }
inline QLabel& ProdErr(QWidget& dialog) { return Child<QLabel>(dialog, "ProdErr"); }
inline QCheckBox& cVerkaufSpec(QWidget& dialog) { return Child<QCheckBox>(dialog, "cVerkaufSpec"); }
inline QCheckBox& cEinkaufSpec(QWidget& dialog) { return Child<QCheckBox>(dialog, "cEinkaufSpec"); }
inline controls::LabeledEdit& Value(QWidget& dialog) { return Child<controls::LabeledEdit>(dialog, "Value"); }
inline QCalendarWidget& TheDay(QWidget& dialog) { return Child<QCalendarWidget>(dialog, "TheDay"); }
inline QComboBox& comGroup(QWidget& dialog) { return Child<QComboBox>(dialog, "comGroup"); }
inline QLabel& ErrText(QWidget& dialog) { return Child<QLabel>(dialog, "ErrText"); }
inline QPushButton& bOK(QWidget& dialog) { return Child<QPushButton>(dialog, "bOK"); }
inline QPushButton& bCancel(QWidget& dialog) { return Child<QPushButton>(dialog, "bCancel"); }

} // namespace kontaro::test
