#pragma once

#include "store/CTrash.h"

// The desktop's Trash through Qt (the freedesktop.org Trash layout on Linux: the file goes
// to Trash/files with its Trash/info/*.trashinfo, so the file manager can restore it).
class CQtTrash : public Bris::CTrash {
public:
  bool MoveToTrash(const std::string& path) override;
};
