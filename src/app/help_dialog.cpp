#include "help_dialog.h"

#include <QApplication>
#include <QPushButton>
#include <QKeyEvent>

#include "help_window.h"
#include "platform/services.h"

namespace satzlupe {

int ControlIdOf(const QWidget* control) {
  if (!control) return 0;
  const QString name = control->objectName();
  if (!name.startsWith(QLatin1String("ctl"))) return 0;
  bool ok = false;
  const int id = name.mid(3).toInt(&ok);
  return ok ? id : 0;
}

CHelpDialog::CHelpDialog(int dialogId, QWidget* parent) : QDialog(parent), m_dialogId(dialogId) {
  setObjectName(QStringLiteral("dlg%1").arg(dialogId));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void CHelpDialog::SetControlId(QWidget* control, int id) { control->setObjectName(QStringLiteral("ctl%1").arg(id)); }

QPushButton* CHelpDialog::MakeHelpButton(int id) {
  auto* button = new QPushButton(QStringLiteral("&Hilfe"), this);
  SetControlId(button, id);
  button->setAutoDefault(false);
  connect(button, &QPushButton::clicked, this, &CHelpDialog::OnHelp);
  return button;
}

CHelpDialog::OkCancel CHelpDialog::MakeOkCancelButtons(int okId, int cancelId) {
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  SetControlId(ok, okId);
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
  SetControlId(cancel, cancelId);
  cancel->setAutoDefault(false);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  return {ok, cancel};
}

int CHelpDialog::HelpContextFor(const QWidget* focus) const {
  for (const QWidget* w = focus; w && w != this; w = w->parentWidget()) {
    const int id = ControlIdOf(w);
    if (id != 0) return ControlHelpId(id);
  }
  return m_f1Contents ? 0 : DialogHelpId(m_dialogId);
}

int CHelpDialog::RunModal() {
  setWindowModality(parentWidget() ? Qt::WindowModal : Qt::ApplicationModal);
  return exec();
}

void CHelpDialog::keyPressEvent(QKeyEvent* event) {
  // F1 travels up from the control that has the focus, which none of them takes for itself.
  if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
    event->accept();
    OnF1();
    return;
  }
  QDialog::keyPressEvent(event);
}

void CHelpDialog::OnHelp() { edbs::HelpSystem().ShowTopic(DialogHelpId(m_dialogId)); }

void CHelpDialog::OnF1() {
  const int context = HelpContextFor(focusWidget());
  if (context == 0) {
    edbs::HelpSystem().ShowContents();
  } else {
    edbs::HelpSystem().ShowTopic(context);
  }
}

}  // namespace satzlupe
