#pragma once
// The rules for texts typed into the catalogue's fields, which end up in the
// project file: only characters the file can hold, and names without "<" or ">",
// which the file format cannot escape.
#include <QString>

namespace kontaro::controls {
class LabeledEdit;
}

namespace kontaro::ui {

// A printable character with a Windows-1252 byte.
bool FitsModelText(char32_t codePoint);

// Lets the field accept only characters for which FitsModelText holds.
void RestrictToModelText(controls::LabeledEdit& field);

// True when the name holds "<" or ">".
bool NameHasMarkup(const QString& name);

} // namespace kontaro::ui
