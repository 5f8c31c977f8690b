#include "store/CBriselDocument.h"

#include "domain/CDomain.h"

namespace Bris {

CBriselDocument::~CBriselDocument() {
  // At program exit the domain, and with it every open project, may already be gone.
  if (CDomain::GetExisting() != nullptr) {
    ShelterFiles();
  }
}

std::vector<CZelData*> CBriselDocument::GetAllZelData() const {
  return Domain().GetModifiedZelData();
}

std::vector<CZelFileDocument*> CBriselDocument::GetAllZelFileDocument() const {
  return Domain().GetOpenFileDocuments();
}

} // namespace Bris
