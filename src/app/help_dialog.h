#pragma once
// Base of the program's dialogs: carries the dialog's resource id, opens its help topic from the
// "Hilfe" button and answers F1 with the topic of the control that has the focus.

#include <QDialog>

class QPushButton;

namespace satzlupe {

class CHelpDialog : public QDialog {
  Q_OBJECT
 public:
  CHelpDialog(int dialogId, QWidget* parent);
  int DialogId() const { return m_dialogId; }

  // The help context for F1 while `focus` has the focus: the topic of the nearest enclosing
  // control that carries an id, else the dialog's topic (0, the contents, for the about box).
  int HelpContextFor(const QWidget* focus) const;

  // Runs the dialog modal to the main window only, so that the help window stays usable.
  int RunModal();

 public slots:
  void OnHelp();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  // Gives a control its id as object name ("ctl316").
  static void SetControlId(QWidget* control, int id);
  QPushButton* MakeHelpButton(int id);
  // "OK" (default, accepts) and "Abbrechen" (rejects) with their ids.
  struct OkCancel {
    QPushButton* ok;
    QPushButton* cancel;
  };
  OkCancel MakeOkCancelButtons(int okId, int cancelId);
  void SetF1FallsBackToContents(bool contents) { m_f1Contents = contents; }

 private:
  void OnF1();
  int m_dialogId;
  bool m_f1Contents = false;
};

// The id carried by a control's object name ("ctl316" gives 316), or 0.
int ControlIdOf(const QWidget* control);

}  // namespace satzlupe
