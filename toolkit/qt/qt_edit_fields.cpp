#include "qt/qt_edit_fields.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>
#include <climits>

#include "resources/template_styles.h"

namespace windlass::qt {
namespace {

Qt::Alignment EditAlignment(std::uint32_t style_bits) {
    if (style_bits & styles::kEditCentre) {
        return Qt::AlignHCenter;
    }
    if (style_bits & styles::kEditRight) {
        return Qt::AlignRight;
    }
    return Qt::AlignLeft;
}

}  // namespace

QValidator::State TypingLimit::validate(QString& input, int&) const {
    if (input.size() > limit_ && input.size() > accepted_length_) {
        return Invalid;
    }
    accepted_length_ = input.size();
    return Acceptable;
}

TypingLimit& TypingLimitOf(QLineEdit& edit) {
    auto* limit = dynamic_cast<TypingLimit*>(const_cast<QValidator*>(edit.validator()));
    if (limit == nullptr) {
        limit = new TypingLimit(INT_MAX, &edit);
        edit.setValidator(limit);
    }
    return *limit;
}

void WriteLineText(QLineEdit& edit, const QString& text) {
    // A recalculation pass writes every output, many of them with the text they already show,
    // and Qt lays out, signals and announces to screen readers even an unchanged text again.
    // A field nobody can type into (read-only, or disabled itself rather than with its
    // dialog) and without the focus, that shows the text already, is left as it is: it has no
    // typing to undo and no cursor anyone sees, so nothing of the write could be seen.
    const bool untypable = edit.isReadOnly() || !edit.isEnabledTo(edit.parentWidget());
    if (untypable && !edit.hasFocus() && edit.text() == text) {
        edit.setModified(false);
        return;
    }
    TypingLimitOf(edit).AcceptWritten(text);
    edit.setText(text);
    edit.setModified(false);
}

QLineEdit* MakeLineEdit(const QString& text, std::uint32_t style_bits, std::uint32_t ex_style,
                        QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setFrame(styles::HasBorder(style_bits, ex_style));
    edit->setAlignment(EditAlignment(style_bits) | Qt::AlignVCenter);
    edit->setReadOnly((style_bits & styles::kEditReadOnly) != 0);
    if (style_bits & styles::kEditPassword) {
        edit->setEchoMode(QLineEdit::Password);
    }
    WriteLineText(*edit, text);
    return edit;
}

MultiLineEdit::MultiLineEdit(const QString& text, std::uint32_t style_bits, std::uint32_t ex_style,
                             QWidget* parent)
    : QPlainTextEdit(parent), limit_(INT_MAX) {
    setFrameShape(styles::HasBorder(style_bits, ex_style) ? QFrame::StyledPanel : QFrame::NoFrame);
    setReadOnly((style_bits & styles::kEditReadOnly) != 0);
    setLineWrapMode((style_bits & styles::kEditScrollsSideways) ? QPlainTextEdit::NoWrap
                                                                : QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy((style_bits & styles::kVerticalScroll) ? Qt::ScrollBarAlwaysOn
                                                                      : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy((style_bits & styles::kHorizontalScroll) ? Qt::ScrollBarAlwaysOn
                                                                          : Qt::ScrollBarAlwaysOff);
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(EditAlignment(style_bits));
    document()->setDefaultTextOption(option);
    setPlainText(text);
    document()->setModified(false);
}

qsizetype MultiLineEdit::RoomFor(qsizetype wanted) const {
    const qsizetype length = document()->characterCount() - 1;
    const qsizetype selected = textCursor().selectedText().size();
    // A text the program made longer than the limit may be shortened, never lengthened.
    const qsizetype room = std::max<qsizetype>(limit_ - (length - selected), selected);
    return std::clamp<qsizetype>(room, 0, wanted);
}

void MultiLineEdit::keyPressEvent(QKeyEvent* event) {
    QString typed = event->text();
    const bool is_line_end = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool inserts = is_line_end || (!typed.isEmpty() && typed.at(0).isPrint());
    if (inserts && !isReadOnly() && RoomFor(is_line_end ? 1 : typed.size()) == 0) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void MultiLineEdit::insertFromMimeData(const QMimeData* source) {
    if (source == nullptr || !source->hasText() || isReadOnly()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    QString text = source->text();
    textCursor().insertText(text.left(RoomFor(text.size())));
    ensureCursorVisible();
}

}  // namespace windlass::qt
