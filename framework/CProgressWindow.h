#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QString>

#include <cstddef>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;

// Shows how far a long operation has come: "Step 3 of 12", the name of the current file and a
// bar. It appears only once the operation has run for the show delay (about half a second), so
// that quick operations show nothing. While it is up, the other windows take no input.
//
// A cancellable window has a Cancel button (Escape and closing the window mean the same): it only
// records the wish, and the operation asks IsCancelled() between its steps. Without one, nothing
// the user does stops the operation.
class CProgressWindow : public QDialog {
  Q_OBJECT

public:
  static constexpr int kDefaultShowDelayMs = 500;

  // countFormat: the counting line with %1 for the step number (1-based) and %2 for the count.
  CProgressWindow(const QString& title, const QString& countFormat, bool cancellable,
                  QWidget* parent = nullptr);
  ~CProgressWindow() override;

  // The operation is at step stepIndex (0-based) of stepCount, working on the file fileName.
  // Shows the window once the first step is the show delay behind, then lets it paint.
  void SetStep(std::size_t stepIndex, std::size_t stepCount, const QString& fileName);
  bool IsCancelled() const { return mCancelled; }
  bool IsCancellable() const { return mCancelButton != nullptr; }
  QString GetCountText() const;
  QString GetFileText() const;

  // The delay before a window appears (for every window made from now on).
  static void SetShowDelay(int milliseconds);
  static int GetShowDelay() { return sShowDelayMs; }
  // A pause after every step, so that a demonstration can watch a short operation.
  static void SetStepPause(int milliseconds) { sStepPauseMs = milliseconds; }
  // Told of every step once the window shows it (tests press Cancel from here).
  using StepListener = std::function<void(CProgressWindow&, std::size_t stepIndex)>;
  static StepListener SetStepListener(StepListener listener);

  void reject() override;

protected:
  void closeEvent(QCloseEvent* event) override;

private:
  void Cancel();
  void LetItPaint();

  QString mCountFormat;
  QLabel* mCountLabel = nullptr;
  QLabel* mFileLabel = nullptr;
  QProgressBar* mBar = nullptr;
  QPushButton* mCancelButton = nullptr;
  QElapsedTimer mSinceFirstStep;
  bool mCancelled = false;

  static inline int sShowDelayMs = kDefaultShowDelayMs;
  static inline int sStepPauseMs = 0;
  static inline StepListener sStepListener;
};
