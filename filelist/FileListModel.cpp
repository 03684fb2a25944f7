// SPDX-License-Identifier: MIT
#include "FileListModel.h"

#include <algorithm>
#include <numeric>

#include "TextCompare.h"

namespace lectavo::filelist {

namespace {

struct ColumnInfo {
    const char* caption;
    int width;
};

constexpr ColumnInfo kColumns[] = {
    {"Name", 100}, {"Path", 200}, {"Size", 100}, {"Build Time", 120}, {"ModifyTime", 220},
};

}  // namespace

FileListModel::FileListModel(QObject* parent) : QAbstractTableModel(parent) {}

QString FileListModel::columnCaption(int column) { return QString::fromLatin1(kColumns[column].caption); }

int FileListModel::columnWidth(int column) { return kColumns[column].width; }

int FileListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : size(); }

int FileListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : NUM_COLUMNS; }

QVariant FileListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= size())
        return {};
    const FileEntry& e = entry(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return e.text(index.column());
    case Qt::CheckStateRole:
        if (index.column() == NameColumn)
            return e.checked ? Qt::Checked : Qt::Unchecked;
        return {};
    default:
        return {};
    }
}

bool FileListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.row() >= size() || index.column() != NameColumn)
        return false;
    FileEntry& e = m_entries[static_cast<std::size_t>(index.row())];
    if (role == Qt::CheckStateRole) {
        e.checked = value.value<Qt::CheckState>() == Qt::Checked;
    } else if (role == Qt::EditRole && m_nameEditable) {
        e.name = value.toString();
    } else {
        return false;
    }
    emit dataChanged(index, index, {role == Qt::CheckStateRole ? Qt::CheckStateRole : Qt::DisplayRole});
    return true;
}

Qt::ItemFlags FileListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.column() == NameColumn) {
        f |= Qt::ItemIsUserCheckable;
        if (m_nameEditable)
            f |= Qt::ItemIsEditable;
    }
    return f;
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= NUM_COLUMNS)
        return {};
    if (role == Qt::DisplayRole)
        return columnCaption(section);
    return {};
}

void FileListModel::append(std::vector<FileEntry> entries)
{
    if (entries.empty())
        return;
    beginInsertRows({}, size(), size() + static_cast<int>(entries.size()) - 1);
    m_entries.insert(m_entries.end(), std::make_move_iterator(entries.begin()), std::make_move_iterator(entries.end()));
    endInsertRows();
}

void FileListModel::append(FileEntry entry)
{
    std::vector<FileEntry> one;
    one.push_back(std::move(entry));
    append(std::move(one));
}

void FileListModel::removeEntries(std::vector<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    // From the last row to the first, so the rows not yet visited keep their positions;
    // neighbouring rows go in one removal.
    auto it = rows.rbegin();
    while (it != rows.rend()) {
        int last = *it;
        if (last < 0 || last >= size()) {
            ++it;
            continue;
        }
        int first = last;
        ++it;
        while (it != rows.rend() && *it == first - 1) {
            first = *it;
            ++it;
        }
        beginRemoveRows({}, first, last);
        m_entries.erase(m_entries.begin() + first, m_entries.begin() + last + 1);
        endRemoveRows();
    }
}

void FileListModel::clear()
{
    beginResetModel();
    m_entries.clear();
    endResetModel();
}

void FileListModel::setChecked(int row, bool checked)
{
    setData(index(row, NameColumn), checked ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
}

void FileListModel::invertChecks()
{
    if (m_entries.empty())
        return;
    for (FileEntry& e : m_entries)
        e.checked = !e.checked;
    emit dataChanged(index(0, NameColumn), index(size() - 1, NameColumn), {Qt::CheckStateRole});
}

void FileListModel::sortByColumn(int column)
{
    if (column < 0 || column >= NUM_COLUMNS || m_entries.size() < 2)
        return;
    // Each key converted once, not once per comparison.
    std::vector<QByteArray> keys;
    keys.reserve(m_entries.size());
    for (const FileEntry& e : m_entries)
        keys.push_back(e.text(column).toLocal8Bit());
    std::vector<int> order(m_entries.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compareTexts(keys[a], keys[b]) < 0; });

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    QModelIndexList before = persistentIndexList();
    std::vector<int> newRowOf(order.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        newRowOf[static_cast<std::size_t>(order[i])] = static_cast<int>(i);
    std::vector<FileEntry> sorted;
    sorted.reserve(m_entries.size());
    for (int row : order)
        sorted.push_back(std::move(m_entries[static_cast<std::size_t>(row)]));
    m_entries = std::move(sorted);
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& idx : before)
        after << index(newRowOf[static_cast<std::size_t>(idx.row())], idx.column());
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

}  // namespace lectavo::filelist
