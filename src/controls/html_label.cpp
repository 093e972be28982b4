#include "controls/html_label.h"

namespace kontaro::controls {

HtmlLabel::HtmlLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::RichText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextInteractionFlags(Qt::NoTextInteraction);
}

void HtmlLabel::SetHtml(const QString& html) { setText(html); }

} // namespace kontaro::controls
