#pragma once
// "Liste" (dialog 154): the records as a table, one tab per group of information names, one page
// of ListeMaxAnz records at a time; a vertical slider moves through the group. The page layout
// comes from the core (views/list_pages.h); this shows it.

#include <QAbstractTableModel>
#include <QIcon>
#include <QTabBar>

#include <vector>

#include "help_dialog.h"
#include "views/list_pages.h"

class QLabel;
class QSlider;
class QTableView;

namespace satzlupe {

// The page as a table; every row keeps the store index of its record.
class ListPageModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;
  void SetPage(std::vector<ListColumn> columns, std::vector<ListRow> rows);
  int RecordOfRow(int row) const;
  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  std::vector<ListColumn> m_columns;
  std::vector<ListRow> m_rows;
};

// The tabs of the list; until the user picks one, none is drawn as chosen.
class ListTabBar : public QTabBar {
  Q_OBJECT
 public:
  using QTabBar::QTabBar;
  void SetNoneChosen(bool none);

 protected:
  void initStyleOption(QStyleOptionTab* option, int tabIndex) const override;

 private:
  bool m_noneChosen = true;
};

class CListDialog : public CHelpDialog {
  Q_OBJECT
 public:
  static constexpr int kDialogId = 154;
  // Resource icons of the image list, in its order: image 0 "group has records", image 1 "empty".
  static constexpr int kIconFilled = 169;
  static constexpr int kIconEmpty = 168;

  explicit CListDialog(QWidget* parent = nullptr);

  // Chooses a tab as a click on it does.
  void SelectTab(int tab);
  int SelectedTab() const { return m_tab; }
  // The store index of the record a row of the list belongs to, or -1.
  int RecordOfRow(int row) const { return m_model.RecordOfRow(row); }

  ListTabBar* Tabs() const { return m_tabs; }
  QTableView* List() const { return m_list; }
  QSlider* Slider() const { return m_slider; }
  QLabel* SliderText() const { return m_sliderText; }

  static QIcon GroupIcon(bool empty);

 private:
  void ShowStart();
  void FillPage();
  void SetBackground(const ListColour& colour);
  void OnSliderValue(int position);
  void OnSliderReleased();

  ListPageModel m_model;
  ListTabBar* m_tabs;
  QTableView* m_list;
  QSlider* m_slider;
  QLabel* m_sliderText;
  int m_tab = -1;
  bool m_filling = false;
};

}  // namespace satzlupe
