// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "FileEntry.h"

namespace lectavo::filelist {

// The file list: the only store of work. Its order is the work order.
class FileListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Columns { NameColumn = 0, PathColumn, SizeColumn, BuildTimeColumn, ModifyTimeColumn, NUM_COLUMNS };

    explicit FileListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const FileEntry& entry(int row) const { return m_entries[static_cast<std::size_t>(row)]; }
    int size() const { return static_cast<int>(m_entries.size()); }

    // Appends entries at the end in one insertion.
    void append(std::vector<FileEntry> entries);
    void append(FileEntry entry);
    // Removes the given rows (any order, duplicates ignored); the others keep their order.
    void removeEntries(std::vector<int> rows);
    void clear();
    void setChecked(int row, bool checked);
    // Inverts every row's check mark.
    void invertChecks();
    // Reorders the list in ascending order of one column's text (compareTexts);
    // rows that compare equal keep their order.
    void sortByColumn(int column);

    // Whether the Name column can be edited in place (it cannot while a conversion runs).
    void setNameEditable(bool editable) { m_nameEditable = editable; }

    static QString columnCaption(int column);
    static int columnWidth(int column);

private:
    std::vector<FileEntry> m_entries;
    bool m_nameEditable = true;
};

}  // namespace lectavo::filelist
