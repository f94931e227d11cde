#include "detail_dialog.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>

#include "qt_canvas.h"
#include "qtext.h"
#include "views/detail_pages.h"
#include "views/settings.h"

namespace satzlupe {

// ---- CDetailSurface ----

CDetailSurface::CDetailSurface(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(sizeHint());
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize CDetailSurface::sizeHint() const {
  const int frame = 2 * frameWidth();
  return {kWidth + frame, kHeight + frame};
}

void CDetailSurface::ResetState() {
  m_state = DetailDrawState{};
  Redraw();
}

void CDetailSurface::Move(DetailMove move) {
  ApplyDetailMove(m_state, move);
  Redraw();
}

void CDetailSurface::Redraw() {
  m_valid = false;
  update();
}

const QImage& CDetailSurface::Picture() {
  if (!m_valid) Render();
  return m_image;
}

void CDetailSurface::Render() {
  const QSize client = contentsRect().size().expandedTo(QSize(1, 1));
  const qreal ratio = std::max<qreal>(1.0, devicePixelRatioF());
  m_image = QImage((QSizeF(client) * ratio).toSize(), QImage::Format_RGB32);
  m_image.setDevicePixelRatio(ratio);
  m_image.fill(Qt::white);
  {
    QtCanvas canvas(m_image, client);
    DrawDetail(canvas, m_state);
  }
  ++m_draws;
  m_valid = true;
}

void CDetailSurface::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);  // the sunken frame
  QPainter painter(this);
  painter.drawImage(contentsRect().topLeft(), Picture());
}

void CDetailSurface::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  m_valid = false;
}

// ---- CDetailTree ----

void CDetailTree::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    QTreeWidgetItem* item = currentItem();
    if (item && !item->parent()) item->setExpanded(true);
    event->accept();  // not the dialog's default button
    return;
  }
  QTreeWidget::keyPressEvent(event);
}

// ---- CDetailDialog ----

QIcon CDetailDialog::NodeIcon(int k) {
  const auto image = [](int n) {
    return QPixmap(QStringLiteral(":/icons/detail/detail%1.xpm").arg(n, 2, 10, QLatin1Char('0')));
  };
  if (k == kDetailPartIcon) {
    QIcon icon(image(kDetailPartIcon));
    icon.addPixmap(image(kDetailSelectedPartIcon), QIcon::Selected);
    return icon;
  }
  return QIcon(image(std::clamp(k, 0, kDetailIconCount - 1)));
}

CDetailDialog::CDetailDialog(QWidget* parent, bool graphik) : CHelpDialog(kDialogId, parent) {
  setWindowTitle(QStringLiteral("Detail"));

  m_tree = new CDetailTree(this);
  SetControlId(m_tree, IDC_TREE);
  m_tree->setHeaderHidden(true);
  m_tree->setColumnCount(1);
  m_tree->setIconSize(QSize(16, 16));
  m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
  m_tree->setUniformRowHeights(true);
  // Titles and part numbers are laid out in columns of characters.
  m_tree->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  // Wide enough for a record's title beside its icon and a part's text one level deeper.
  const QFontMetrics metrics(m_tree->font());
  m_tree->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("0000000.00  FEIN ULOBNN  ")) + 2 * 16 +
                          3 * m_tree->indentation() + m_tree->style()->pixelMetric(QStyle::PM_ScrollBarExtent));

  m_slider = new QSlider(Qt::Vertical, this);
  SetControlId(m_slider, IDC_SLIDER);
  m_slider->setInvertedAppearance(true);  // the first record at the top
  m_slider->setInvertedControls(true);
  m_slider->setTickPosition(QSlider::TicksRight);

  m_sliderText = new QLabel(QStringLiteral("0"), this);
  SetControlId(m_sliderText, IDC_SLIDER_TEXT);
  m_sliderText->setMinimumWidth(
      m_sliderText->fontMetrics().horizontalAdvance(QStringLiteral("Nr. 0000000: Satz 0000000.00")));
  m_sliderText->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  m_surface = new CDetailSurface(this);
  SetControlId(m_surface, IDC_SURFACE);

  auto* moves = new QHBoxLayout;
  moves->addWidget(AddButton(IDC_OBEN, QStringLiteral("oben"), DetailMove::Up));
  moves->addWidget(AddButton(IDC_UNTEN, QStringLiteral("unten"), DetailMove::Down));
  moves->addWidget(AddButton(IDC_LINKS, QStringLiteral("links"), DetailMove::Left));
  moves->addWidget(AddButton(IDC_RECHTS, QStringLiteral("rechts"), DetailMove::Right));
  moves->addSpacing(12);
  moves->addWidget(AddButton(IDC_KLEINER, QStringLiteral("kleiner"), DetailMove::Smaller));
  moves->addWidget(AddButton(IDC_GROESSER, QStringLiteral("größer"), DetailMove::Larger));
  m_graphik = new QCheckBox(QStringLiteral("Graphik"), this);
  SetControlId(m_graphik, IDC_GRAPHIK);
  m_graphik->setChecked(graphik);
  connect(m_graphik, &QCheckBox::toggled, this, [this](bool checked) {
    g_settings.DetailGrafik = checked;
    m_surface->Redraw();
  });
  moves->addStretch(1);

  auto* collapse = new QPushButton(QStringLiteral("Kollaps"), this);
  SetControlId(collapse, IDC_KOLLAPS);
  collapse->setAutoDefault(false);
  connect(collapse, &QPushButton::clicked, m_tree, &QTreeView::collapseAll);
  auto* expand = new QPushButton(QStringLiteral("Expansion"), this);
  SetControlId(expand, IDC_EXPANSION);
  expand->setAutoDefault(false);
  connect(expand, &QPushButton::clicked, m_tree, &QTreeView::expandAll);
  auto* treeButtons = new QHBoxLayout;
  treeButtons->addWidget(collapse);
  treeButtons->addWidget(expand);
  treeButtons->addStretch(1);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  SetControlId(ok, IDC_OK);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* leave = new QHBoxLayout;
  leave->addWidget(m_graphik);
  leave->addStretch(1);
  leave->addWidget(ok);
  leave->addWidget(MakeHelpButton(IDC_HILFE));

  auto* grid = new QGridLayout(this);
  grid->addWidget(m_tree, 0, 0);
  grid->addWidget(m_slider, 0, 1);
  grid->addWidget(m_surface, 0, 2);
  grid->addWidget(m_sliderText, 1, 0, 1, 2);
  grid->addLayout(moves, 1, 2);
  grid->addLayout(treeButtons, 2, 0, 1, 2);
  grid->addLayout(leave, 2, 2);
  grid->setRowStretch(0, 1);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(2, 3);

  connect(m_tree, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* current) { OnCurrentItemChanged(current); });
  connect(m_slider, &QSlider::valueChanged, this, &CDetailDialog::OnSliderValue);
  connect(m_slider, &QSlider::sliderReleased, this, &CDetailDialog::ReopenAtSlider);

  g_detailPart = kDetailRecordGraphic;
  SetUpSlider();
  BuildTree();
  m_tree->setFocus();
}

QPushButton* CDetailDialog::AddButton(int id, const QString& text, DetailMove move) {
  auto* button = new QPushButton(text, this);
  SetControlId(button, id);
  button->setAutoDefault(false);
  connect(button, &QPushButton::clicked, this, [this, move] { m_surface->Move(move); });
  return button;
}

QPushButton* CDetailDialog::Button(int controlId) const {
  return findChild<QPushButton*>(QStringLiteral("ctl%1").arg(controlId));
}

bool CDetailDialog::GraphikChecked() const { return m_graphik->isChecked(); }

void CDetailDialog::SetUpSlider() {
  const int count = static_cast<int>(g_detailRecords.size());
  const int page = DetailPageSize(g_settings.DetailMaxAnz);
  const QSignalBlocker block(m_slider);
  m_slider->setRange(0, std::max(0, count - 1));
  m_slider->setSingleStep(1);
  m_slider->setPageStep(page);
  m_slider->setTickInterval(page);
}

void CDetailDialog::BuildTree() {
  m_building = true;
  const DetailPage page = BuildDetailPage(g_settings.DetailMaxAnz, g_settings.DetailWhf);
  m_first = page.first;
  {
    const QSignalBlocker block(m_slider);
    m_slider->setValue(page.first);
  }
  m_sliderText->setText(ToQString(DetailSliderText(page.first)));
  const QIcon partIcon = NodeIcon(kDetailPartIcon);
  QList<QTreeWidgetItem*> roots;
  for (const DetailRecordNode& r : page.records) {
    auto* node = new QTreeWidgetItem({ToQString(r.title)});
    node->setIcon(0, NodeIcon(r.icon));
    node->setData(0, kRecordRole, r.record);
    for (const DetailPartNode& p : r.parts) {
      auto* child = new QTreeWidgetItem(node, {ToQString(p.text)});
      child->setIcon(0, partIcon);
      child->setData(0, kPartRole, p.part);
    }
    roots.append(node);
  }
  m_tree->addTopLevelItems(roots);
  m_building = false;
  if (roots.isEmpty()) {
    g_detailPart = kDetailNothing;  // no record to show
  } else {
    m_tree->setCurrentItem(roots.front());
  }
}

void CDetailDialog::OnCurrentItemChanged(QTreeWidgetItem* item) {
  if (m_building || item == nullptr) return;
  m_surface->ResetState();
  if (QTreeWidgetItem* parent = item->parent()) {
    SelectDetailPart(parent->data(0, kRecordRole).toInt(), item->data(0, kPartRole).toInt(),
                     item->text(0).isEmpty());
  } else {
    SelectDetailRecord(item->data(0, kRecordRole).toInt());
  }
  m_surface->Redraw();
}

void CDetailDialog::OnSliderValue(int position) {
  m_sliderText->setText(ToQString(DetailSliderText(position)));
  // Keys, clicks beside the handle and the wheel move the slider without a drag: the page
  // follows at once, as after a drag.
  if (!m_slider->isSliderDown()) ReopenAtSlider();
}

void CDetailDialog::ReopenAtSlider() {
  // A click on the handle that leaves it where it was keeps the tree as it is.
  if (m_ending || m_slider->value() == m_first) return;
  m_ending = true;
  g_detailStart = m_slider->value();
  m_sliderHadFocus = focusWidget() == m_slider;
  done(kReopenAtSlider);
}

void CDetailDialog::reject() { accept(); }

void RunDetailDialog(QWidget* parent) {
  QByteArray geometry;
  bool sliderFocus = false;
  for (;;) {
    CDetailDialog dialog(parent, g_settings.DetailGrafik);
    if (!geometry.isEmpty()) dialog.restoreGeometry(geometry);
    if (sliderFocus) dialog.Slider()->setFocus();
    const int code = dialog.RunModal();
    if (code != CDetailDialog::kReopenAtSlider) {
      g_settings.DetailGrafik = dialog.GraphikChecked();
      return;
    }
    geometry = dialog.saveGeometry();
    sliderFocus = dialog.SliderHadFocus();
  }
}

}  // namespace satzlupe
