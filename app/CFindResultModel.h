#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QPair>

class CFindHandler;
struct SFindResult;

// The Find window's results as a table: project, kind, slot, name and memos. For the name and
// memo columns, kMatchRole gives where the typed words occur in the shown text.
class CFindResultModel : public QAbstractTableModel {
  Q_OBJECT

public:
  enum EColumn { kProjectColumn, kKindColumn, kSlotColumn, kNameColumn, kMemoColumn, kColumnCount };
  // A QList<QPair<int, int>>: start and length, in characters of the shown text.
  static constexpr int kMatchRole = Qt::UserRole + 1;
  static constexpr const char* kMemoSeparator = "  |  ";

  explicit CFindResultModel(CFindHandler& handler, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  static QString ProjectName(const SFindResult& result);
  static QString KindName(int kind);
  // The memo lines that hold text, joined by kMemoSeparator.
  static QString MemoText(const SFindResult& result);
  static QList<QPair<int, int>> MatchRanges(const SFindResult& result, int column);

private:
  CFindHandler& mHandler;
};
