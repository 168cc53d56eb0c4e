#include "qt/qt_list_boxes.h"

#include <QLineEdit>
#include <QStringList>
#include <QWheelEvent>

#include <algorithm>
#include <climits>

#include "qt/qt_edit_fields.h"
#include "resources/template_styles.h"

namespace windlass::qt {
namespace {

// Where entries go in a sorted list: after every entry that does not come later, letter case
// ignored, so equal texts keep the order they were added in.
int SortedPosition(const QStringList& entries, const QString& text) {
    auto later = std::upper_bound(
        entries.begin(), entries.end(), text,
        [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return static_cast<int>(later - entries.begin());
}

}  // namespace

ComboBox::ComboBox(std::uint32_t style_bits, QWidget* parent)
    : QComboBox(parent), sorted_((style_bits & styles::kComboSort) != 0) {
    std::uint32_t kind = style_bits & styles::kComboKindMask;
    setEditable(kind == styles::kComboSimple || kind == styles::kComboDropDown);
    setInsertPolicy(QComboBox::NoInsert);
    // The program's entries are shown as given, even the same text twice.
    setDuplicatesEnabled(true);
    if (lineEdit() != nullptr) {
        lineEdit()->setValidator(new TypingLimit(INT_MAX, lineEdit()));
        // What the user types stays as typed: no entry completes it behind the user's back,
        // since the typed text is what names an entry, or none.
        setCompleter(nullptr);
    }
}

void ComboBox::AddEntry(const QString& text) {
    bool had_selection = currentIndex() >= 0;
    QString edit_text = isEditable() ? currentText() : QString();
    int position = count();
    if (sorted_) {
        QStringList entries;
        for (int index = 0; index < count(); ++index) {
            entries.append(itemText(index));
        }
        position = SortedPosition(entries, text);
    }
    insertItem(position, text);
    // Qt selects the first entry added to an empty box; a combo box here starts with none.
    if (!had_selection) {
        setCurrentIndex(-1);
        if (isEditable()) {
            setEditText(edit_text);
        }
    }
}

void ComboBox::wheelEvent(QWheelEvent* event) {
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

ListBox::ListBox(std::uint32_t style_bits, QWidget* parent)
    : QListWidget(parent),
      sorted_((style_bits & styles::kListSort) != 0),
      notifies_((style_bits & styles::kListNotify) != 0) {
    if (style_bits & styles::kListNoSelection) {
        setSelectionMode(QAbstractItemView::NoSelection);
    } else if (style_bits & styles::kListExtendedSelection) {
        setSelectionMode(QAbstractItemView::ExtendedSelection);
    } else if (style_bits & styles::kListMultipleSelection) {
        setSelectionMode(QAbstractItemView::MultiSelection);
    } else {
        setSelectionMode(QAbstractItemView::SingleSelection);
    }
    setVerticalScrollBarPolicy((style_bits & styles::kVerticalScroll) ? Qt::ScrollBarAsNeeded
                                                                      : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy((style_bits & styles::kHorizontalScroll) ? Qt::ScrollBarAsNeeded
                                                                          : Qt::ScrollBarAlwaysOff);
}

void ListBox::AddEntry(const QString& text) {
    ++programmatic_;
    int position = count();
    if (sorted_) {
        QStringList entries;
        for (int index = 0; index < count(); ++index) {
            entries.append(item(index)->text());
        }
        position = SortedPosition(entries, text);
    }
    insertItem(position, text);
    --programmatic_;
}

void ListBox::ClearEntries() {
    ++programmatic_;
    clear();
    --programmatic_;
}

bool ListBox::Select(int index) {
    ++programmatic_;
    bool selected = index >= 0 && index < count();
    clearSelection();
    if (selected) {
        setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    }
    --programmatic_;
    return selected || index == -1;
}

int ListBox::Selection() const {
    if (selectionMode() == QAbstractItemView::SingleSelection) {
        QList<QListWidgetItem*> selected = selectedItems();
        return selected.isEmpty() ? -1 : row(selected.first());
    }
    QListWidgetItem* focused = currentItem();
    return focused != nullptr && focused->isSelected() ? row(focused) : -1;
}

}  // namespace windlass::qt
