#include "views/RowDragPayload.h"

#include "domain/CDomain.h"
#include "domain/CZelData.h"
#include "editing/CParameterMid.h"
#include "support/DataSetBuilder.h"
#include "views/StRowDrag.h"

#include <QCoreApplication>
#include <QMimeData>

#include <gtest/gtest.h>

namespace {

quint64 AddressOf(const SDragData& drag) {
  return static_cast<quint64>(reinterpret_cast<quintptr>(&drag));
}

std::unique_ptr<QMimeData> MimeWith(const QByteArray& bytes) {
  auto mime = std::make_unique<QMimeData>();
  mime->setData(RowDragPayload::kMimeType, bytes);
  return mime;
}

TEST(RowDragPayloadTest, PayloadOfTheLiveDrag_NamesItsRecord) {
  SDragData data;
  data.clickedRow = 7;
  StRowDrag drag(data);

  const auto mime = drag.MakeMimeData();

  ASSERT_TRUE(RowDragPayload::IsBriselData(mime.get()));
  SDragData* extracted = RowDragPayload::ExtractDragData(mime.get());
  ASSERT_EQ(extracted, &drag.GetData());
  EXPECT_EQ(extracted->clickedRow, 7u);
}

TEST(RowDragPayloadTest, PayloadFromAnotherProcess_IsNoRowDrag) {
  StRowDrag drag{SDragData{}};
  const qint64 otherProcess = QCoreApplication::applicationPid() + 1;

  const auto mime = MimeWith(RowDragPayload::Encode(otherProcess, AddressOf(drag.GetData())));

  // It carries the private type, but no list may take it.
  EXPECT_TRUE(RowDragPayload::IsBriselData(mime.get()));
  EXPECT_EQ(RowDragPayload::ExtractDragData(mime.get()), nullptr);
}

TEST(RowDragPayloadTest, MalformedStaleOrForeignPayloads_AreNoRowDrag) {
  const qint64 self = QCoreApplication::applicationPid();
  StRowDrag drag{SDragData{}};
  const QByteArray good = RowDragPayload::Encode(self, AddressOf(drag.GetData()));
  ASSERT_NE(RowDragPayload::ExtractDragData(MimeWith(good).get()), nullptr);

  // Cut short, one byte too long, another magic, a null address, nothing at all.
  EXPECT_EQ(RowDragPayload::ExtractDragData(MimeWith(good.left(good.size() - 1)).get()), nullptr);
  EXPECT_EQ(RowDragPayload::ExtractDragData(MimeWith(good + '\0').get()), nullptr);
  QByteArray otherMagic = good;
  otherMagic[0] = 'X';
  EXPECT_EQ(RowDragPayload::ExtractDragData(MimeWith(otherMagic).get()), nullptr);
  EXPECT_EQ(RowDragPayload::ExtractDragData(MimeWith(RowDragPayload::Encode(self, 0)).get()),
            nullptr);
  EXPECT_EQ(RowDragPayload::ExtractDragData(MimeWith(QByteArray()).get()), nullptr);
  EXPECT_EQ(RowDragPayload::ExtractDragData(nullptr), nullptr);

  // Any address but the live record's: it is never dereferenced.
  SDragData notLive;
  EXPECT_EQ(RowDragPayload::ExtractDragData(
                MimeWith(RowDragPayload::Encode(self, AddressOf(notLive))).get()),
            nullptr);

  // Plain text or files are no row drag either.
  QMimeData text;
  text.setText("rows");
  EXPECT_FALSE(RowDragPayload::IsBriselData(&text));
  EXPECT_EQ(RowDragPayload::ExtractDragData(&text), nullptr);
}

TEST(RowDragPayloadTest, PayloadOutlivingItsDrag_IsNoRowDrag) {
  std::unique_ptr<QMimeData> mime;
  {
    StRowDrag drag{SDragData{}};
    mime = drag.MakeMimeData();
    ASSERT_NE(RowDragPayload::ExtractDragData(mime.get()), nullptr);
  }
  EXPECT_EQ(StRowDrag::GetLiveDragData(), nullptr);
  EXPECT_EQ(RowDragPayload::ExtractDragData(mime.get()), nullptr);
}

TEST(RowDragPayloadTest, EndOfEveryDrag_EmptiesTheClipboardButKeepsItsFlags) {
  // GIVEN a drag whose start copied a patch playing a tone
  Bris::CZelData data;
  BrisTest::UseSlot(data, Bris::CParameter::kPatch, 0, "P");
  BrisTest::UseSlot(data, Bris::CParameter::kTone, 0, "T");
  BrisTest::PlayTone(data, 0, 0, 1);
  Bris::CClipboard& clipboard = Bris::Domain().GetClipboard();
  clipboard.mInsertMode = 1;
  {
    Bris::CParameterMid().EditCopy(data, {0}, Bris::CParameter::kPatch);
    StRowDrag drag{SDragData{}};
    ASSERT_EQ(clipboard.mPatches.size(), 1u);
    ASSERT_EQ(clipboard.mTones.size(), 1u);
  } // WHEN it ends, dropped or not

  EXPECT_EQ(clipboard.mPatches.size(), 0u);
  EXPECT_EQ(clipboard.mTones.size(), 0u);
  EXPECT_EQ(clipboard.mWaves.size(), 0u);
  EXPECT_EQ(clipboard.mInsertMode, 1);
  clipboard.mInsertMode = 0;
}

} // namespace
