#pragma once

#include "app/CLibrarianApp.h"
#include "framework/CDocument.h"
#include "gui_support/GuiTestSupport.h"

#include <QWidget>

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace BrisTest {

// A document with a plain window, standing in for a project document.
class CFakeDocument : public CDocument {
public:
  explicit CFakeDocument(const std::string& folder, const QString& title = QStringLiteral("Doc"))
      : mFolder(folder), mWindow(std::make_unique<QWidget>()) {
    mWindow->setWindowTitle(title);
  }

  QWidget* GetWindow() const override { return mWindow.get(); }
  bool IsModified() override { return mModified; }
  QString GetDescriptor() const override { return mWindow->windowTitle(); }
  std::string GetFolderPath() const override { return mFolder; }
  bool DoSave() override {
    ++mSaveCount;
    mModified = !mSaveSucceeds;
    return mSaveSucceeds;
  }
  bool UsesData(const Bris::CZelData* data) const override { return data == mData; }
  void HandleUndoApplied() override { ++mUndoCount; }

  std::string mFolder;
  std::unique_ptr<QWidget> mWindow;
  bool mModified = false;
  bool mSaveSucceeds = true;
  int mSaveCount = 0;
  int mUndoCount = 0;
  const Bris::CZelData* mData = nullptr;
};

// The application with its document source and desktop replaced.
class CTestApp : public CLibrarianApp {
public:
  std::deque<std::unique_ptr<CDocument>> mMadeDocuments; // handed out by CreateDocument
  std::vector<std::string> mCreateRequests;
  std::vector<QString> mOpenedWithDesktop;

protected:
  std::unique_ptr<CDocument> CreateDocument(const std::string& folderPath) override {
    mCreateRequests.push_back(folderPath);
    if (mMadeDocuments.empty()) {
      return nullptr;
    }
    std::unique_ptr<CDocument> document = std::move(mMadeDocuments.front());
    mMadeDocuments.pop_front();
    return document;
  }
  bool OpenWithDesktop(const QString& path) override {
    mOpenedWithDesktop.push_back(path);
    return true;
  }
};

} // namespace BrisTest
