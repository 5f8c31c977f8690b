#pragma once

#include <QDialog>
#include <QLabel>

class CCommander;
class QComboBox;
class QPushButton;

// Chooses the list font: pop-up 1 lists the installed font families, pop-up 2 the sizes 6 to 24
// that the chosen family offers, and pane 3 previews a text in the choice. The default button
// goes back to the application font at its own size.
class CSelectFontDialog : public QDialog {
  Q_OBJECT

public:
  // The preview pane: the text drawn in the chosen font and size.
  class CSampleText : public QLabel {
  public:
    CSampleText(const QString& text, QWidget* parent);
  };

  static constexpr int kMinSize = 6;
  static constexpr int kMaxSize = 24;

  CSelectFontDialog(const QString& previewText, short fontNumber, short fontSize,
                    QWidget* parent = nullptr);

  short GetFontNumber() const { return mFontNumber; }
  short GetFontSize() const { return mFontSize; }

  // The three messages of the dialog: a font chosen, a size chosen, the default button.
  void ChooseFont(int itemIndex);
  void ChooseSize(int itemIndex);
  void ChooseDefault();

  QComboBox* GetFontPopup() const { return mFontPopup; }
  QComboBox* GetSizePopup() const { return mSizePopup; }
  CSampleText* GetSampleText() const { return mSample; }
  QPushButton* GetDefaultButton() const { return mDefaultButton; }

  // The sizes from 6 to 24 that family offers as real sizes, in increasing order.
  static QList<int> SizesOfFamily(const QString& family);

  // Shows the dialog with the current font and size; on OK they become the chosen ones and the
  // result is true. Cancel leaves them as they were.
  static bool OpenDialog(CCommander* commander, const QString& previewText, short& fontNumber,
                         short& fontSize);

private:
  QString CurrentFamily() const;
  void FillFontPopup();
  void FillSizePopup();
  void UpdatePreview();

  short mFontNumber;
  short mFontSize;
  QComboBox* mFontPopup;
  QComboBox* mSizePopup;
  CSampleText* mSample;
  QPushButton* mDefaultButton;
};
