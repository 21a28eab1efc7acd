#include "find_in_files_panel.h"

#include "dialog_seam.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QThread>
#include <QTreeWidget>

namespace {

// Item data of a match row: its place in the hit list, and the marked characters of its text.
constexpr int HitRole = Qt::UserRole;
constexpr int MarkStartRole = Qt::UserRole + 1;
constexpr int MarkLengthRole = Qt::UserRole + 2;

// Paints a match row's text with the match on the highlight colour, so the eye finds it at once.
class MarkedMatchDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QVariant markStart = index.data(MarkStartRole);
        if (!markStart.isValid()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QString text = item.text;
        item.text.clear();
        item.widget->style()->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

        const QRect area = item.widget->style()->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget)
                               .adjusted(2, 0, -2, 0);
        const int start = qBound(0, markStart.toInt(), int(text.size()));
        const int length = qBound(0, index.data(MarkLengthRole).toInt(), int(text.size()) - start);
        const QFontMetrics metrics(item.font);
        const int left = area.left() + metrics.horizontalAdvance(text.left(start));
        const int width = metrics.horizontalAdvance(text.mid(start, length));
        painter->save();
        const bool selected = item.state & QStyle::State_Selected;
        const QPalette::ColorGroup group = item.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
        if (!selected && width > 0)
            painter->fillRect(QRect(left, area.top() + 1, width, area.height() - 2),
                              item.palette.color(group, QPalette::Highlight));
        painter->setFont(item.font);
        painter->setPen(item.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(area, Qt::AlignLeft | Qt::AlignVCenter, text.left(start));
        if (!selected)
            painter->setPen(item.palette.color(group, QPalette::HighlightedText));
        painter->drawText(area.adjusted(left - area.left(), 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                          text.mid(start, length));
        painter->setPen(item.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(area.adjusted(left - area.left() + width, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                          text.mid(start + length));
        painter->restore();
    }
};

QString rowText(const FileSearchHit &hit, int *markStart)
{
    const QString prefix = QString::number(hit.line + 1) + QStringLiteral(": ");
    QString text = hit.excerpt;
    // One tab is one character here too, so the mark stays over the match.
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    *markStart = int(prefix.size()) + hit.column - hit.excerptStart;
    return prefix + text;
}

} // namespace

FindInFilesPanel::FindInFilesPanel(DialogSeam &dialogs, QWidget *parent)
    : QDockWidget(QStringLiteral("Find in Files"), parent)
    , m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("findInFilesPanel"));
    setAccessibleName(QStringLiteral("Find in Files"));
    auto *body = new QWidget(this);
    auto *grid = new QGridLayout(body);

    auto *findLabel = new QLabel(QStringLiteral("Find &what:"), body);
    m_text = new QLineEdit(body);
    m_text->setObjectName(QStringLiteral("findInFilesText"));
    findLabel->setBuddy(m_text);
    m_regularExpression = new QCheckBox(QStringLiteral("Regular e&xpression"), body);
    m_matchCase = new QCheckBox(QStringLiteral("Match &case"), body);
    m_wholeWord = new QCheckBox(QStringLiteral("Whole &word"), body);

    auto *lookLabel = new QLabel(QStringLiteral("&Look in:"), body);
    m_scope = new QComboBox(body);
    m_scope->setObjectName(QStringLiteral("findInFilesScope"));
    m_scope->addItem(QStringLiteral("Project files"));
    m_scope->addItem(QStringLiteral("Folder"));
    lookLabel->setBuddy(m_scope);
    m_folder = new QLineEdit(body);
    m_folder->setObjectName(QStringLiteral("findInFilesFolder"));
    m_folder->setAccessibleName(QStringLiteral("Folder"));
    m_browse = new QPushButton(QStringLiteral("&Browse.."), body);
    m_find = new QPushButton(QStringLiteral("&Find"), body);
    m_find->setObjectName(QStringLiteral("findInFilesFind"));
    m_cancel = new QPushButton(QStringLiteral("Cancel"), body);
    m_cancel->setObjectName(QStringLiteral("findInFilesCancel"));
    m_cancel->setEnabled(false);
    m_progress = new QProgressBar(body);
    m_progress->setAccessibleName(QStringLiteral("Search progress"));
    m_progress->setTextVisible(false);
    m_progress->hide();
    m_status = new QLabel(body);
    m_status->setObjectName(QStringLiteral("findInFilesStatus"));
    m_status->setAccessibleName(QStringLiteral("Search status"));

    m_results = new QTreeWidget(body);
    m_results->setObjectName(QStringLiteral("findInFilesResults"));
    m_results->setAccessibleName(QStringLiteral("Matches"));
    m_results->setHeaderHidden(true);
    m_results->setUniformRowHeights(true);
    m_results->setItemDelegate(new MarkedMatchDelegate(m_results));
    m_results->setMinimumHeight(m_results->fontMetrics().height() * 3);

    grid->addWidget(findLabel, 0, 0);
    grid->addWidget(m_text, 0, 1, 1, 3);
    grid->addWidget(m_find, 0, 4);
    auto *switches = new QHBoxLayout;
    switches->addWidget(m_regularExpression);
    switches->addWidget(m_matchCase);
    switches->addWidget(m_wholeWord);
    switches->addStretch();
    grid->addLayout(switches, 1, 1, 1, 3);
    grid->addWidget(m_cancel, 1, 4);
    grid->addWidget(lookLabel, 2, 0);
    grid->addWidget(m_scope, 2, 1);
    grid->addWidget(m_folder, 2, 2);
    grid->addWidget(m_browse, 2, 3);
    grid->addWidget(m_progress, 3, 1, 1, 2);
    grid->addWidget(m_status, 3, 3, 1, 2);
    grid->addWidget(m_results, 4, 0, 1, 5);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(4, 1);
    setWidget(body);

    connect(m_find, &QPushButton::clicked, this, &FindInFilesPanel::search);
    connect(m_text, &QLineEdit::returnPressed, this, &FindInFilesPanel::search);
    connect(m_cancel, &QPushButton::clicked, this, &FindInFilesPanel::cancel);
    connect(m_browse, &QPushButton::clicked, this, &FindInFilesPanel::chooseFolder);
    connect(m_scope, &QComboBox::currentIndexChanged, this, &FindInFilesPanel::updateScope);
    connect(m_results, &QTreeWidget::itemClicked, this, &FindInFilesPanel::activate);
    connect(m_results, &QTreeWidget::itemActivated, this, &FindInFilesPanel::activate);
    updateScope();
}

FindInFilesPanel::~FindInFilesPanel()
{
    cancel();
    if (m_thread)
        m_thread->wait();
}

void FindInFilesPanel::setProjectFilesSource(std::function<QStringList()> source)
{
    m_projectFiles = std::move(source);
}

void FindInFilesPanel::setDefaultFolder(const QString &folder)
{
    m_defaultFolder = folder;
    if (m_folder->text().isEmpty())
        m_folder->setText(QDir::toNativeSeparators(folder));
}

void FindInFilesPanel::setFolder(const QString &folder)
{
    m_folder->setText(QDir::toNativeSeparators(folder));
    m_scope->setCurrentIndex(int(Scope::Folder));
}

void FindInFilesPanel::start(const QString &text)
{
    if (isHidden()) {
        show();
        // A third of the window: the text stays the larger part.
        if (auto *window = qobject_cast<QMainWindow *>(parentWidget()))
            window->resizeDocks({this}, {window->height() / 3}, Qt::Vertical);
    }
    raise();
    // A project open: its files are what the user works on.
    const bool project = m_projectFiles && !m_projectFiles().isEmpty();
    m_scope->setCurrentIndex(int(project ? Scope::ProjectFiles : Scope::Folder));
    if (!text.isEmpty() && !text.contains(QLatin1Char('\n')))
        m_text->setText(text);
    if (m_folder->text().isEmpty())
        m_folder->setText(QDir::toNativeSeparators(m_defaultFolder));
    m_text->setFocus();
    m_text->selectAll();
}

void FindInFilesPanel::setQuery(const FileSearchQuery &query)
{
    m_text->setText(query.text);
    m_regularExpression->setChecked(query.regularExpression);
    m_matchCase->setChecked(query.matchCase);
    m_wholeWord->setChecked(query.wholeWord);
}

FindInFilesPanel::Scope FindInFilesPanel::scope() const
{
    return m_scope->currentIndex() == int(Scope::ProjectFiles) ? Scope::ProjectFiles : Scope::Folder;
}

void FindInFilesPanel::updateScope()
{
    const bool folder = scope() == Scope::Folder;
    m_folder->setEnabled(folder);
    m_browse->setEnabled(folder);
}

void FindInFilesPanel::chooseFolder()
{
    FileDialogRequest request;
    request.owner = this;
    request.folder = true;
    request.title = QStringLiteral("Look in Folder");
    request.initialFolder = m_folder->text();
    const QString chosen = m_dialogs.fileName(request);
    if (!chosen.isEmpty())
        setFolder(chosen);
}

void FindInFilesPanel::search()
{
    const LineMatcher matcher({m_text->text(), m_regularExpression->isChecked(), m_matchCase->isChecked(),
                               m_wholeWord->isChecked()});
    if (!matcher.isValid()) {
        m_status->setText(matcher.errorText());
        return;
    }
    QStringList files;
    if (scope() == Scope::ProjectFiles) {
        files = m_projectFiles ? m_projectFiles() : QStringList();
        if (files.isEmpty()) {
            m_status->setText(QStringLiteral("No project is open: look in a folder."));
            return;
        }
    } else {
        const QString folder = QDir::fromNativeSeparators(m_folder->text().trimmed());
        if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
            m_status->setText(QStringLiteral("Choose a folder to look in."));
            return;
        }
        files = FilesInFolder(folder);
    }

    cancel();
    if (m_thread)
        m_thread->wait();
    m_results->clear();
    m_hits.clear();
    m_matchedFiles = 0;
    m_fileCount = int(files.size());
    m_progress->setRange(0, qMax(1, m_fileCount));
    m_progress->setValue(0);
    m_progress->show();
    m_status->setText(QStringLiteral("Searching.."));
    m_find->setEnabled(false);
    m_cancel->setEnabled(true);

    const quint64 serial = ++m_serial;
    auto cancelled = std::make_shared<std::atomic<bool>>(false);
    m_cancelled = cancelled;
    m_thread = QThread::create([this, files, matcher, cancelled, serial] {
        FileSearchCallbacks callbacks;
        callbacks.found = [this, serial](const QList<FileSearchHit> &hits) {
            QMetaObject::invokeMethod(this, [this, serial, hits] { addHits(serial, hits); }, Qt::QueuedConnection);
        };
        callbacks.progress = [this, serial](int done) {
            QMetaObject::invokeMethod(this, [this, serial, done] { showProgress(serial, done); }, Qt::QueuedConnection);
        };
        SearchFiles(files, matcher, *cancelled, callbacks);
        const bool stopped = *cancelled;
        QMetaObject::invokeMethod(this, [this, serial, stopped] { finish(serial, stopped); }, Qt::QueuedConnection);
    });
    connect(m_thread, &QThread::finished, m_thread, &QObject::deleteLater);
    connect(m_thread, &QObject::destroyed, this, [this, thread = m_thread] {
        if (m_thread == thread)
            m_thread = nullptr;
    });
    m_thread->start();
}

void FindInFilesPanel::cancel()
{
    if (m_cancelled)
        m_cancelled->store(true);
}

bool FindInFilesPanel::isSearching() const
{
    return m_cancel->isEnabled();
}

QList<FileSearchHit> FindInFilesPanel::hits() const
{
    return m_hits;
}

QString FindInFilesPanel::statusText() const
{
    return m_status->text();
}

void FindInFilesPanel::addHits(quint64 serial, const QList<FileSearchHit> &hits)
{
    if (serial != m_serial || hits.isEmpty())
        return;
    ++m_matchedFiles;
    auto *file = new QTreeWidgetItem(m_results);
    file->setText(0, QStringLiteral("%1 (%2)").arg(QDir::toNativeSeparators(hits.first().path)).arg(hits.size()));
    file->setExpanded(true);
    for (const FileSearchHit &hit : hits) {
        auto *row = new QTreeWidgetItem(file);
        int markStart = 0;
        row->setText(0, rowText(hit, &markStart));
        row->setData(0, HitRole, int(m_hits.size()));
        row->setData(0, MarkStartRole, markStart);
        row->setData(0, MarkLengthRole, hit.length);
        m_hits.append(hit);
    }
}

void FindInFilesPanel::showProgress(quint64 serial, int done)
{
    if (serial == m_serial)
        m_progress->setValue(done);
}

void FindInFilesPanel::finish(quint64 serial, bool cancelled)
{
    if (serial != m_serial)
        return;
    m_progress->hide();
    m_find->setEnabled(true);
    m_cancel->setEnabled(false);
    const QString counts = QStringLiteral("%1 %2 in %3 of %4 files.")
                               .arg(m_hits.size())
                               .arg(m_hits.size() == 1 ? QStringLiteral("match") : QStringLiteral("matches"))
                               .arg(m_matchedFiles)
                               .arg(m_fileCount);
    m_status->setText(cancelled ? QStringLiteral("Cancelled: ") + counts : counts);
    Q_EMIT searchEnded();
}

void FindInFilesPanel::activate(QTreeWidgetItem *item)
{
    const QVariant index = item ? item->data(0, HitRole) : QVariant();
    if (index.isValid() && index.toInt() < m_hits.size())
        Q_EMIT hitActivated(m_hits.at(index.toInt()));
}
