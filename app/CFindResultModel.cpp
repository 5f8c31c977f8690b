#include "app/CFindResultModel.h"

#include "app/CFindHandler.h"

#include <QFileInfo>

namespace {

// Characters of UTF-16 text that the first bytes of UTF-8 text make.
int CharactersOf(const std::string& text, std::size_t bytes) {
  return static_cast<int>(
      QString::fromUtf8(text.data(), static_cast<qsizetype>(std::min(bytes, text.size()))).size());
}

} // namespace

CFindResultModel::CFindResultModel(CFindHandler& handler, QObject* parent)
    : QAbstractTableModel(parent), mHandler(handler) {
  connect(&mHandler, &CFindHandler::ResultsChanged, this, [this] {
    beginResetModel();
    endResetModel();
  });
}

int CFindResultModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(mHandler.GetResults().size());
}

int CFindResultModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant CFindResultModel::data(const QModelIndex& index, int role) const {
  const auto& results = mHandler.GetResults();
  if (!index.isValid() || static_cast<std::size_t>(index.row()) >= results.size()) {
    return QVariant();
  }
  const SFindResult& result = results[static_cast<std::size_t>(index.row())];
  if (role == kMatchRole) {
    return QVariant::fromValue(MatchRanges(result, index.column()));
  }
  if (role == Qt::ToolTipRole && index.column() == kProjectColumn) {
    return QString::fromStdString(result.projectPath);
  }
  if (role == Qt::TextAlignmentRole && index.column() == kSlotColumn) {
    return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
  }
  if (role != Qt::DisplayRole) {
    return QVariant();
  }
  switch (index.column()) {
  case kProjectColumn:
    return ProjectName(result);
  case kKindColumn:
    return KindName(result.kind);
  case kSlotColumn:
    return result.slotNumber;
  case kNameColumn:
    return QString::fromStdString(result.name);
  case kMemoColumn:
    return MemoText(result);
  default:
    return QVariant();
  }
}

QVariant CFindResultModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
    return QVariant();
  }
  const char* titles[] = {"Project", "Kind", "Slot", "Name", "Memos"};
  return section >= 0 && section < kColumnCount ? tr(titles[section]) : QVariant();
}

Qt::ItemFlags CFindResultModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags flags = QAbstractTableModel::flags(index);
  const auto& results = mHandler.GetResults();
  if (index.isValid() && static_cast<std::size_t>(index.row()) < results.size() &&
      results[static_cast<std::size_t>(index.row())].isOpen) {
    flags |= Qt::ItemIsDragEnabled;
  }
  return flags;
}

QString CFindResultModel::ProjectName(const SFindResult& result) {
  if (result.projectPath.empty() && !result.projectTitle.empty()) {
    return QString::fromStdString(result.projectTitle); // a new project, not saved yet
  }
  QString name = QFileInfo(QString::fromStdString(result.projectPath)).fileName();
  if (name.endsWith(QLatin1String(".prj"), Qt::CaseInsensitive)) {
    name.chop(4);
  }
  return name.isEmpty() ? tr("Untitled") : name;
}

QString CFindResultModel::KindName(int kind) {
  switch (kind) {
  case Bris::CParameter::kPatch:
    return tr("Patch");
  case Bris::CParameter::kTone:
    return tr("Tone");
  default:
    return tr("Wave");
  }
}

QString CFindResultModel::MemoText(const SFindResult& result) {
  QStringList lines;
  for (const std::string& memo : result.memos) {
    if (!memo.empty()) {
      lines.push_back(QString::fromStdString(memo));
    }
  }
  return lines.join(QLatin1String(kMemoSeparator));
}

QList<QPair<int, int>> CFindResultModel::MatchRanges(const SFindResult& result, int column) {
  QList<QPair<int, int>> ranges;
  if (column != kNameColumn && column != kMemoColumn) {
    return ranges;
  }
  // Where each memo line starts in the joined text.
  std::array<int, Bris::CParameter::kMemoLineCount> memoStart{};
  int at = 0;
  const int separator = static_cast<int>(qstrlen(kMemoSeparator));
  for (std::size_t line = 0; line < result.memos.size(); ++line) {
    memoStart[line] = at;
    if (!result.memos[line].empty()) {
      at += CharactersOf(result.memos[line], result.memos[line].size()) + separator;
    }
  }
  for (const auto& range : result.ranges) {
    const bool isName = range.field == Bris::CSlotQuery::kName;
    if (isName != (column == kNameColumn)) {
      continue;
    }
    const std::string& text =
        isName ? result.name : result.memos[static_cast<std::size_t>(range.field)];
    const int offset = isName ? 0 : memoStart[static_cast<std::size_t>(range.field)];
    const int begin = CharactersOf(text, range.begin);
    ranges.push_back({offset + begin, CharactersOf(text, range.end) - begin});
  }
  return ranges;
}
