#pragma once

#include "domain/CParameter.h"
#include "formats/WaveFiles.h"

#include <optional>
#include <string>

class CBaseTableView;
class CCommander;

namespace Bris {
class CZelData;
} // namespace Bris

// What a list needs from the window it sits in and the project it shows. The lists reach their
// window and document only through this, so they build and run without the application; the
// project window implements it.
class ITableHost {
public:
  virtual ~ITableHost() = default;

  // The project's data set the lists show.
  virtual Bris::CZelData& GetTableData() = 0;
  // The project was changed through a list.
  virtual void MarkTableDataModified() = 0;
  // Every list of the window shows the data set as it is now.
  virtual void UpdateTableContents() = 0;
  // Whether every file of the project can be written (the check opens them all).
  virtual bool IsTableProjectWritable() = 0;

  // The window's list showing kind, or null.
  virtual CBaseTableView* GetHostTable(Bris::CParameter::EDataType kind) const = 0;
  // The commander the lists pass unhandled commands to.
  virtual CCommander* GetTableSuperCommander() = 0;
  virtual bool IsHostWindowActive() const = 0;
  // Brings the window to the front and makes it the active one.
  virtual void BringHostToFront() = 0;

  // Asks for a slot's new name or one of its memo lines, over the window of asker (the list);
  // false when cancelled.
  virtual bool AskTableName(CCommander* asker, std::string& name) = 0;
  virtual bool AskTableMemo(CCommander* asker, std::string& memo) = 0;

  // What the row drop over one of the lists would do to the wave memory (nullopt: nothing to
  // show any more). A window without a meter ignores it.
  virtual void ShowWaveMemoryForecast(const std::optional<Bris::SWaveMemoryForecast>& forecast) {
    static_cast<void>(forecast);
  }

protected:
  ITableHost() = default;
  ITableHost(const ITableHost&) = default;
  ITableHost& operator=(const ITableHost&) = default;
};
