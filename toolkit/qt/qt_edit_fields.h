// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

// The edit fields of a dialog, single-line and multi-line, and the typing limit they share
// with the toolkit's numeric fields.

#include <QPlainTextEdit>
#include <QString>
#include <QValidator>

#include <cstdint>

class QKeyEvent;
class QLineEdit;
class QMimeData;
class QWidget;

namespace windlass::qt {

// The most characters the user may type or paste into a line edit. Text the program writes is
// never cut; a text the program made longer than the limit may be edited and shortened, but
// typing never makes it longer again while it is over the limit.
class TypingLimit : public QValidator {
  public:
    TypingLimit(int limit, QObject* parent) : QValidator(parent), limit_(limit) {}

    void set_limit(int limit) { limit_ = limit; }
    int limit() const { return limit_; }
    // Called just before the program writes a text, which is accepted whatever its length.
    void AcceptWritten(const QString& text) { accepted_length_ = text.size(); }

    // Acceptable when the text is within the limit or no longer than the last accepted one;
    // the line edit takes back an edit that is not.
    State validate(QString& input, int& position) const override;

  private:
    int limit_;
    // The length of the text as last written or accepted.
    mutable qsizetype accepted_length_ = 0;
};

// The limit of a line edit, made when first asked for.
TypingLimit& TypingLimitOf(QLineEdit& edit);
// Writes a text the way the program does: not limited, and the modified flag cleared.
void WriteLineText(QLineEdit& edit, const QString& text);

// A single-line edit field: text left, centred or right as the style says, read-only when
// asked, with a sunken border only when the style has one.
QLineEdit* MakeLineEdit(const QString& text, std::uint32_t style, std::uint32_t ex_style,
                        QWidget* parent);

// A multi-line edit field: wrapped at the field's width unless it scrolls sideways. It has a
// typing limit as a line edit has (TypingLimit): what the user types or pastes stops at it, a
// line end counting as one character; what the program writes is never cut.
class MultiLineEdit : public QPlainTextEdit {
  public:
    MultiLineEdit(const QString& text, std::uint32_t style, std::uint32_t ex_style,
                  QWidget* parent);

    void set_limit(int limit) { limit_ = limit; }
    int limit() const { return limit_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

  private:
    // How many of `wanted` new characters fit in place of the selection.
    qsizetype RoomFor(qsizetype wanted) const;

    int limit_;
};

}  // namespace windlass::qt
