#pragma once
// CalcEdit: the one-line numeric cell editor that works like a pocket calculator.
// Digits, Backspace and the locale's decimal separator are typed into the text;
// "+", "-", "*", "/", "=", "%" and "C" calculate, showing each intermediate result;
// everything else is ignored. A digit replaces a lone "0" and the result shown
// after an operator; so does the decimal separator, which then starts "0,", so it
// never joins a shown result. Backspace or Delete that would leave the text empty
// (a lone character, or the whole text selected) leaves "0". F4 or the small
// button at the right edge opens the calculator panel. The editor's value is its
// shown text; a pending operation is not applied when the edit ends (the user
// finishes with "=" or an operator key).
//
// An editor starts with an empty calculation: accumulator 0, pending addition.
// The grid creates a fresh one for every edit, so nothing carries over.
#include <QLineEdit>
#include <QPointer>

class QToolButton;

namespace kontaro::controls {

class CalcPanel;

class CalcEdit : public QLineEdit {
    Q_OBJECT
public:
    enum class Operation { None, Add, Subtract, Multiply, Divide };

    explicit CalcEdit(QWidget* parent = nullptr);
    ~CalcEdit() override;

    QChar DecimalSeparator() const { return decimal_; }
    QChar ThousandSeparator() const { return thousand_; }
    Operation PendingOperation() const { return pending_; }
    bool IsPanelOpen() const;
    CalcPanel* Panel() const;
    QToolButton* PanelButton() const { return button_; }

    // The actions the keys and the panel's buttons share.
    void Calculate(Operation next); // "+", "-", "*", "/"
    void Equals();                  // "="
    void Percent();                 // "%"
    void ClearEntry();              // the "C" key
    void ClearAll();                // the panel's "C "
    void PanelDigit(QChar digit);   // a digit button
    void PanelDecimal();            // the ". " button and the separator key on the panel
    void PanelBackspace();
    void ToggleSign(); // the "+/- " button

    void OpenPanel();
    void ClosePanel();
    void TogglePanel();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Handles one typed calculator character; false when it is not one.
    bool CalculatorCharacter(QChar c);
    void ApplyPending();
    double TextValue(bool* ok = nullptr) const;
    QString Formatted(long double value) const;
    void PlaceButton();

    QChar decimal_;
    QChar thousand_;
    long double accumulator_ = 0;
    Operation pending_ = Operation::Add;
    bool newNumber_ = false;
    QToolButton* button_ = nullptr;
    QPointer<CalcPanel> panel_;
};

} // namespace kontaro::controls
