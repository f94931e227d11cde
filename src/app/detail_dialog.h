#pragma once
// "Detail" (dialog 133): the records of one page as a tree, each with its parts beneath; a
// selected part shows its decoded fields, a selected record a small graphic of itself. A vertical
// slider pages through the records; buttons move and zoom the drawing. The tree's page and the
// drawing come from the core (views/detail_pages.h, views/detail_drawing.h); this shows them.

#include <QFrame>
#include <QIcon>
#include <QImage>
#include <QTreeWidget>

#include "help_dialog.h"
#include "views/detail_drawing.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;

namespace satzlupe {

// Control 247: the surface the part text and the record graphic are drawn on. The picture is
// kept and drawn afresh only when what it shows changes.
class CDetailSurface : public QFrame {
  Q_OBJECT
 public:
  // 379 x 398 dialog units: the record graphic's fixed positions are laid out for this size.
  static constexpr int kWidth = 568;
  static constexpr int kHeight = 647;

  explicit CDetailSurface(QWidget* parent = nullptr);

  const DetailDrawState& State() const { return m_state; }
  // Offsets and zoom back to the start, as a new selection has them.
  void ResetState();
  void Move(DetailMove move);
  // What the surface shows has changed: it is drawn afresh at the next paint.
  void Redraw();
  // The picture as it is shown now, drawn first if needed.
  const QImage& Picture();
  int DrawCount() const { return m_draws; }
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Render();

  DetailDrawState m_state;
  QImage m_image;
  bool m_valid = false;
  int m_draws = 0;
};

// The record tree: Enter expands a record node instead of leaving the dialog.
class CDetailTree : public QTreeWidget {
  Q_OBJECT
 public:
  using QTreeWidget::QTreeWidget;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

class CDetailDialog : public CHelpDialog {
  Q_OBJECT
 public:
  static constexpr int kDialogId = 133;
  enum ControlId {
    IDC_TREE = 242,
    IDC_SURFACE = 247,
    IDC_OBEN = 322,
    IDC_UNTEN = 323,
    IDC_SLIDER = 327,
    IDC_SLIDER_TEXT = 328,
    IDC_KOLLAPS = 333,
    IDC_EXPANSION = 334,
    IDC_OK = 358,
    IDC_HILFE = 368,
    IDC_GROESSER = 385,
    IDC_LINKS = 386,
    IDC_RECHTS = 387,
    IDC_KLEINER = 388,
    IDC_GRAPHIK = 389,
  };
  // The dialog ends with this code when the slider has moved: "Detail..." opens it again, and the
  // tree starts at the slider's new position.
  static constexpr int kReopenAtSlider = QDialog::Rejected;
  // Item data of the tree: a record node's store index; a part node's part index.
  static constexpr int kRecordRole = Qt::UserRole;
  static constexpr int kPartRole = Qt::UserRole + 1;

  // Builds the tree of the page at g_detailStart over g_detailRecords; "Graphik" shows `graphik`.
  explicit CDetailDialog(QWidget* parent = nullptr, bool graphik = false);

  QTreeWidget* Tree() const { return m_tree; }
  QSlider* Slider() const { return m_slider; }
  QLabel* SliderText() const { return m_sliderText; }
  CDetailSurface* Surface() const { return m_surface; }
  QCheckBox* GraphikBox() const { return m_graphik; }
  QPushButton* Button(int controlId) const;
  bool GraphikChecked() const;
  // True when the slider had the keyboard focus as the dialog ended.
  bool SliderHadFocus() const { return m_sliderHadFocus; }

  // Image k of the tree: the operation key with index k (0..10), a part node (11) with its
  // selected image (12).
  static QIcon NodeIcon(int k);

 public slots:
  // Esc and the close box leave the dialog as "OK" does.
  void reject() override;

 private:
  void BuildTree();
  void SetUpSlider();
  void OnCurrentItemChanged(QTreeWidgetItem* item);
  void OnSliderValue(int position);
  void ReopenAtSlider();
  QPushButton* AddButton(int id, const QString& text, DetailMove move);

  CDetailTree* m_tree;
  QSlider* m_slider;
  QLabel* m_sliderText;
  CDetailSurface* m_surface;
  QCheckBox* m_graphik;
  int m_first = 0;  // position of the page's first record
  bool m_building = false;
  bool m_ending = false;
  bool m_sliderHadFocus = false;
};

// "Detail...": runs the dialog until it is left, opening it again where the slider was released.
// Afterwards DetailGrafik keeps the state of "Graphik".
void RunDetailDialog(QWidget* parent);

}  // namespace satzlupe
