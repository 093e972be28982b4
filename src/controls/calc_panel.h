#pragma once
// The calculator panel of a CalcEdit: a borderless pop-up that stays on top with
// 19 buttons in four rows and five columns. It acts on its editor and closes when
// it loses the focus, on Escape, Tab, F4 and (after "=") on Enter.
#include <QFrame>
#include <QPointer>

class QPushButton;

namespace kontaro::controls {

class CalcEdit;

class CalcPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int kButtonWidth = 24;
    static constexpr int kButtonHeight = 24;
    static constexpr int kSpacing = 2;

    explicit CalcPanel(CalcEdit* editor);

    // The button with a caption such as "7 " or "+/- "; nullptr when none.
    QPushButton* Button(const QString& caption) const;
    // Places the panel at the editor's left edge, below it when the editor's top
    // plus the panel's height stays on the screen or there is no room above,
    // above it otherwise.
    void PlaceAt(const QRect& editorGlobalRect, const QRect& screenRect);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Pressed(const QString& caption);

    QPointer<CalcEdit> editor_;
};

} // namespace kontaro::controls
