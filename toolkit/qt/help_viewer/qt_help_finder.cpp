#include "qt/help_viewer/qt_help_finder.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <utility>

#include "help/help_search.h"
#include "qt/qt_text.h"

namespace windlass::qt {
namespace {

// Entries keep the context number of their topic in this role; headings keep none.
constexpr int kContextRole = Qt::UserRole;

std::optional<int> ContextOf(const QVariant& data) {
    if (!data.isValid()) {
        return std::nullopt;
    }
    return data.toInt();
}

}  // namespace

HelpFinder::HelpFinder(TopicOpener opener, QWidget* parent)
    : QTabWidget(parent), opener_(std::move(opener)) {
    addTab(MakeContentsTab(), QStringLiteral("Contents"));
    addTab(MakeIndexTab(), QStringLiteral("Index"));
    addTab(MakeSearchTab(), QStringLiteral("Search"));
}

QWidget* HelpFinder::MakeContentsTab() {
    auto* tab = new QWidget(this);
    auto* layout = new QVBoxLayout(tab);
    contents_message_ = new QLabel(tab);
    contents_message_->setWordWrap(true);
    contents_message_->setVisible(false);
    contents_tree_ = new QTreeWidget(tab);
    contents_tree_->setHeaderHidden(true);
    contents_tree_->setRootIsDecorated(true);
    layout->addWidget(contents_message_);
    layout->addWidget(contents_tree_);
    auto open = [this](QTreeWidgetItem* item) {
        if (item == nullptr) {
            return;
        }
        if (auto context = ContextOf(item->data(0, kContextRole))) {
            opener_(*context, {});
        } else {
            item->setExpanded(!item->isExpanded());
        }
    };
    connect(contents_tree_, &QTreeWidget::itemClicked, this,
            [open](QTreeWidgetItem* item, int) { open(item); });
    connect(contents_tree_, &QTreeWidget::itemActivated, this,
            [open](QTreeWidgetItem* item, int) { open(item); });
    return tab;
}

QWidget* HelpFinder::MakeIndexTab() {
    auto* tab = new QWidget(this);
    auto* layout = new QVBoxLayout(tab);
    auto* prompt = new QLabel(QStringLiteral("Type the first letters of a keyword:"), tab);
    index_field_ = new QLineEdit(tab);
    index_list_ = new QListWidget(tab);
    prompt->setBuddy(index_field_);
    layout->addWidget(prompt);
    layout->addWidget(index_field_);
    layout->addWidget(index_list_);
    connect(index_field_, &QLineEdit::textEdited, this,
            [this](const QString& text) { SelectFirstKeyword(text); });
    connect(index_field_, &QLineEdit::returnPressed, this, [this] { OpenIndexEntry(); });
    connect(index_list_, &QListWidget::itemActivated, this, [this] { OpenIndexEntry(); });
    connect(index_list_, &QListWidget::itemClicked, this, [this] { OpenIndexEntry(); });
    return tab;
}

QWidget* HelpFinder::MakeSearchTab() {
    auto* tab = new QWidget(this);
    auto* layout = new QVBoxLayout(tab);
    auto* prompt = new QLabel(QStringLiteral("Find topics that contain the words:"), tab);
    auto* row = new QHBoxLayout();
    search_field_ = new QLineEdit(tab);
    auto* button = new QPushButton(QStringLiteral("Search"), tab);
    prompt->setBuddy(search_field_);
    row->addWidget(search_field_);
    row->addWidget(button);
    search_summary_ = new QLabel(tab);
    search_results_ = new QListWidget(tab);
    layout->addWidget(prompt);
    layout->addLayout(row);
    layout->addWidget(search_summary_);
    layout->addWidget(search_results_);
    auto run = [this] { Search(search_field_->text()); };
    connect(search_field_, &QLineEdit::returnPressed, this, run);
    connect(button, &QPushButton::clicked, this, run);
    auto open = [this](QListWidgetItem* item) {
        if (auto context = ContextOf(item->data(kContextRole))) {
            opener_(*context, search_field_->text());
        }
    };
    connect(search_results_, &QListWidget::itemActivated, this, open);
    connect(search_results_, &QListWidget::itemClicked, this, open);
    return tab;
}

void HelpFinder::Load(const HelpDocument& document, const ContentsReading& contents) {
    document_ = document;
    index_field_->clear();
    search_field_->clear();
    LoadContents(contents);
    LoadIndex();
    search_results_->clear();
    search_summary_->clear();
}

void HelpFinder::LoadContents(const ContentsReading& contents) {
    contents_tree_->clear();
    if (!contents.entries) {
        contents_message_->setText(
            ToQString("The contents cannot be shown: " + contents.error +
                      ". The Index and Search tabs still lead to every topic."));
        contents_message_->setVisible(true);
        return;
    }
    contents_message_->setVisible(false);
    QIcon heading_icon = style()->standardIcon(QStyle::SP_DirIcon);
    QIcon topic_icon = style()->standardIcon(QStyle::SP_FileIcon);
    // The last item of every level above the one being read: the parents of the next entry.
    std::vector<QTreeWidgetItem*> parents;
    for (const ContentsEntry& entry : *contents.entries) {
        parents.resize(static_cast<std::size_t>(entry.level - 1));
        QTreeWidgetItem* item = parents.empty() ? new QTreeWidgetItem(contents_tree_)
                                                : new QTreeWidgetItem(parents.back());
        item->setText(0, ToQString(entry.title));
        if (entry.context) {
            item->setData(0, kContextRole, *entry.context);
            item->setIcon(0, topic_icon);
        } else {
            item->setIcon(0, heading_icon);
        }
        parents.push_back(item);
    }
    contents_tree_->expandAll();
}

void HelpFinder::LoadIndex() {
    index_list_->clear();
    std::vector<IndexEntry> index = KeywordIndex(document_);
    for (std::size_t i = 0; i < index.size(); ++i) {
        const IndexEntry& entry = index[i];
        // A keyword several topics carry names the topic on each of its lines.
        bool shared = (i > 0 && index[i - 1].keyword == entry.keyword) ||
                      (i + 1 < index.size() && index[i + 1].keyword == entry.keyword);
        QString text = ToQString(entry.keyword);
        if (shared) {
            text += QStringLiteral(" \u2014 ") + ToQString(entry.topic_title);
        }
        auto* item = new QListWidgetItem(text, index_list_);
        item->setData(kContextRole, entry.context);
    }
}

void HelpFinder::SelectFirstKeyword(const QString& start) {
    for (int row = 0; row < index_list_->count(); ++row) {
        if (index_list_->item(row)->text().startsWith(start, Qt::CaseInsensitive)) {
            index_list_->setCurrentRow(row);
            index_list_->scrollToItem(index_list_->item(row), QAbstractItemView::PositionAtTop);
            return;
        }
    }
}

void HelpFinder::OpenIndexEntry() {
    QListWidgetItem* item = index_list_->currentItem();
    if (item == nullptr) {
        return;
    }
    if (auto context = ContextOf(item->data(kContextRole))) {
        opener_(*context, {});
    }
}

void HelpFinder::Search(const QString& words) {
    search_field_->setText(words);
    search_results_->clear();
    std::vector<int> found = SearchTopics(document_, FromQString(words));
    for (int context : found) {
        auto* item =
            new QListWidgetItem(ToQString(document_.Find(context)->title), search_results_);
        item->setData(kContextRole, context);
    }
    if (SearchWords(FromQString(words)).empty()) {
        search_summary_->setText(QStringLiteral("Type one or more words to look for."));
    } else if (found.empty()) {
        search_summary_->setText(QStringLiteral("No topic contains all of these words."));
    } else {
        search_summary_->setText(
            found.size() == 1
                ? QStringLiteral("1 topic found.")
                : QStringLiteral("%1 topics found.").arg(static_cast<int>(found.size())));
    }
    if (search_results_->count() > 0) {
        search_results_->setCurrentRow(0);
    }
}

}  // namespace windlass::qt
