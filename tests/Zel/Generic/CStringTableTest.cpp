#include "Zel/Generic/CStringTable.h"

#include <gtest/gtest.h>

TEST(CStringTable, EveryEntryTheProgramNames_HasAText) {
  struct SNamed {
    short listId;
    int count;
  };
  // Titles 1, help 1-2, errors 1-12, questions 1-5, chooser 1-5, labels 1.
  for (const SNamed named : {SNamed{1000, 1}, SNamed{1001, 2}, SNamed{1002, 12}, SNamed{1003, 5},
                             SNamed{1004, 5}, SNamed{1005, 1}}) {
    EXPECT_EQ(CStringTable::Count(named.listId), named.count) << "list " << named.listId;
    for (int index = 1; index <= named.count; ++index) {
      EXPECT_FALSE(CStringTable::Get(named.listId, static_cast<short>(index)).empty())
          << "list " << named.listId << " entry " << index;
    }
  }
}
