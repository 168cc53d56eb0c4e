// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <QTabWidget>

#include <functional>
#include <string>
#include <vector>

#include "help/help_contents.h"
#include "help/help_document.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QTreeWidget;

namespace windlass::qt {

// The help finder: three ways to a topic. Contents is the tree of the contents file, Index
// the keywords the topics carry, Search a full-text search over every topic. Choosing an entry
// calls the opener with the topic's context number and, for a search, the words searched for.
class HelpFinder : public QTabWidget {
  public:
    using TopicOpener = std::function<void(int context, const QString& highlight)>;

    HelpFinder(TopicOpener opener, QWidget* parent);

    // Fills the three tabs, with nothing typed in the index and search fields: the words
    // typed for the last document belong to its lists. A contents file that could not be
    // read leaves its message on the Contents tab; the index and the search work from the
    // document alone.
    void Load(const HelpDocument& document, const ContentsReading& contents);

    // Runs a search as if the words had been typed and the Search button pressed.
    void Search(const QString& words);

    QTreeWidget* contents_tree() const { return contents_tree_; }
    QLabel* contents_message() const { return contents_message_; }
    QLineEdit* index_field() const { return index_field_; }
    QListWidget* index_list() const { return index_list_; }
    QLineEdit* search_field() const { return search_field_; }
    QListWidget* search_results() const { return search_results_; }
    QLabel* search_summary() const { return search_summary_; }

  private:
    QWidget* MakeContentsTab();
    QWidget* MakeIndexTab();
    QWidget* MakeSearchTab();
    void LoadContents(const ContentsReading& contents);
    void LoadIndex();
    void SelectFirstKeyword(const QString& start);
    void OpenIndexEntry();

    TopicOpener opener_;
    // A copy, so that the search can go on reading topics after the caller's reading is gone.
    HelpDocument document_;
    QTreeWidget* contents_tree_ = nullptr;
    QLabel* contents_message_ = nullptr;
    QLineEdit* index_field_ = nullptr;
    QListWidget* index_list_ = nullptr;
    QLineEdit* search_field_ = nullptr;
    QListWidget* search_results_ = nullptr;
    QLabel* search_summary_ = nullptr;
};

}  // namespace windlass::qt
