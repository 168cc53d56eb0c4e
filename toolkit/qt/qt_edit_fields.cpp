#include "qt/qt_edit_fields.h"

#include <QLineEdit>
#include <QTextDocument>
#include <QTextOption>

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
    if (input.size() <= limit_ || input.size() <= written_length_) {
        return Acceptable;
    }
    return Invalid;
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
    : QPlainTextEdit(parent), wants_return_((style_bits & styles::kEditWantReturn) != 0) {
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

}  // namespace windlass::qt
