#include "store/CBriselDocument.h"

#include "domain/CDomain.h"

namespace Bris {

std::vector<CZelData*> CBriselDocument::GetAllZelData() const {
  return Domain().GetModifiedZelData();
}

std::vector<CZelFileDocument*> CBriselDocument::GetAllZelFileDocument() const {
  return Domain().GetOpenFileDocuments();
}

} // namespace Bris
