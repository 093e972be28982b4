#pragma once
// LabeledEdit: a one-line edit field with its label (above it or to its left), a
// placeholder text while empty and a kind that decides which characters can be
// typed: any text, digits only (Integer) or digits with the locale's decimal and
// thousands separators (Real, no sign). Enter moves the focus on to the next
// control. When the user leaves the field its text is completed first (an empty
// Integer becomes "0"; a Real is rewritten with exactly two decimals) and then the
// validation handler, if any, is called with the text.
//
// Numbers follow the default QLocale at the time they are typed or completed.
#include <QLocale>
#include <QWidget>

#include <functional>

class QBoxLayout;
class QLabel;
class QLineEdit;

namespace kontaro::controls {

class LabeledEdit : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Text, Integer, Real };
    enum class LabelPosition { Above, Left };
    // Called with the completed text; returns whether the value is valid.
    using ValueValidate = std::function<bool(const QString& value)>;
    // An extra rule every typed character must pass, whatever the kind.
    using CharacterFilter = std::function<bool(char32_t codePoint)>;

    explicit LabeledEdit(QWidget* parent = nullptr);

    void SetKind(Kind kind);
    Kind GetKind() const { return kind_; }
    void SetLabelPosition(LabelPosition position);
    void SetLabelText(const QString& text);
    QString LabelText() const;
    void SetPlaceholderText(const QString& text);
    QString PlaceholderText() const;
    // The most characters typing may leave in the field. A longer text set by the
    // program is shown and kept whole; typing may shorten it and fill it again up
    // to its own length, never beyond.
    void SetMaxLength(int length);
    int MaxLength() const;
    void SetAlignment(Qt::Alignment alignment);
    void SetCharacterFilter(CharacterFilter filter);
    void SetValueValidate(ValueValidate validate) { validate_ = std::move(validate); }

    QString Text() const;
    // Replaces the text as the program's own change: no check of the characters.
    void SetText(const QString& text);
    void SetCursorPosition(int position);
    // The result of the last validation; true before the first one.
    bool IsValid() const { return valid_; }

    // Completes the text and validates it, as leaving the field does. For callers
    // that take the value while the field may still have the focus.
    void Finish();

    QLineEdit* Edit() const { return edit_; }
    QLabel* Label() const { return label_; }

    // Two-decimal text of a value, with the locale's decimal separator and no
    // thousands separators.
    static QString RealText(double value, const QLocale& locale = QLocale());
    // The number a Real text denotes once its thousands separators are removed;
    // 0 for a text that cannot be read (and for an empty one).
    static double RealValue(const QString& text, const QLocale& locale = QLocale());

signals:
    // Every change of the text, the program's own included.
    void Changed(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Accepts(char32_t codePoint) const;
    void AllowLength(qsizetype programLength);

    QBoxLayout* layout_;
    QLabel* label_;
    QLineEdit* edit_;
    Kind kind_ = Kind::Text;
    CharacterFilter filter_;
    ValueValidate validate_;
    QString shown_; // the text as the validator last accepted it
    bool valid_ = true;
    int maxLength_ = 32767; // the line edit's own default
};

} // namespace kontaro::controls
