#include "ui/catalogue_fields.h"

#include "controls/labeled_edit.h"
#include "model/win1252.h"

namespace kontaro::ui {

bool FitsModelText(char32_t codePoint)
{
    const bool control = codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F);
    return !control && model::HasWin1252Byte(codePoint);
}

void RestrictToModelText(controls::LabeledEdit& field) { field.SetCharacterFilter(&FitsModelText); }

bool NameHasMarkup(const QString& name) { return name.contains(QLatin1Char('<')) || name.contains(QLatin1Char('>')); }

} // namespace kontaro::ui
