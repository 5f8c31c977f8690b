#pragma once

#include "store/CZelFileDocument.h"

#include <vector>

namespace Bris {

// The project document of one open librarian document. It answers the questions about all open
// projects from the domain's registry, which the application keeps in its document order.
class CBriselDocument : public CZelFileDocument {
public:
  CBriselDocument() = default;
  // Closing the project: shelters the files of its folder that other open projects still name.
  ~CBriselDocument() override;

  // The data sets of the registered projects that have unsaved changes, in registry order.
  std::vector<CZelData*> GetAllZelData() const override;
  // Every registered project document, in registry order, modified or not.
  std::vector<CZelFileDocument*> GetAllZelFileDocument() const override;
};

} // namespace Bris
