#pragma once
// HtmlLabel: a label that renders a fixed piece of HTML (lists, bold text, line
// breaks) with word wrap, such as the day view's operating hints.
#include <QLabel>

namespace kontaro::controls {

class HtmlLabel : public QLabel {
    Q_OBJECT
public:
    explicit HtmlLabel(QWidget* parent = nullptr);
    void SetHtml(const QString& html);
    QString Html() const { return text(); }
};

} // namespace kontaro::controls
