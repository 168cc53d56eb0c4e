// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

// The combo boxes and list boxes of a dialog.

#include <QComboBox>
#include <QListWidget>
#include <QString>

#include <cstdint>

namespace windlass::qt {

// A combo box: a drop-down list, or with an edit part. Entries stay in the order they are
// added unless the style sorts them; adding entries never selects one.
class ComboBox : public QComboBox {
  public:
    ComboBox(std::uint32_t style, QWidget* parent);

    void AddEntry(const QString& text);
    bool sorted() const { return sorted_; }

  protected:
    // The wheel turns the entries only of the combo box that has the focus.
    void wheelEvent(QWheelEvent* event) override;

  private:
    bool sorted_;
};

// A list box with single, multiple or extended selection. Changes the program makes are not
// reported as the user's selections.
class ListBox : public QListWidget {
  public:
    ListBox(std::uint32_t style, QWidget* parent);

    void AddEntry(const QString& text);
    void ClearEntries();
    bool Select(int index);
    // The selected entry (the entry with the focus in a multiple-selection list), or -1.
    int Selection() const;
    // Whether the user's selections and double clicks are reported at all.
    bool notifies() const { return notifies_; }
    bool programmatic() const { return programmatic_ > 0; }
    QString caption;

  private:
    bool sorted_;
    bool notifies_;
    int programmatic_ = 0;
};

}  // namespace windlass::qt
