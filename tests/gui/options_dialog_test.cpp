// The options dialog and the settings in the profile: what it shows, what it refuses, what it
// applies, and the round trip through QSettings.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>

#include "gui_test_support.h"
#include "load/recent_files.h"
#include "options_dialog.h"
#include "qt_services.h"
#include "views/settings.h"
#include "views/view_state.h"

using namespace satzlupe;

class OptionsDialogTest : public QObject {
  Q_OBJECT
 private:
  std::unique_ptr<guitest::ScriptedServices> m_services;

  static QLineEdit* Field(QDialog& d, int id) { return d.findChild<QLineEdit*>(QStringLiteral("ctl%1").arg(id)); }
  static QCheckBox* Check(QDialog& d, int id) { return d.findChild<QCheckBox*>(QStringLiteral("ctl%1").arg(id)); }
  static QRadioButton* Radio(QDialog& d, int id) { return d.findChild<QRadioButton*>(QStringLiteral("ctl%1").arg(id)); }
  static QString IniPath(const char* name) { return guitest::TempDir() + QLatin1Char('/') + QLatin1String(name); }

  // Enters `text` into field `id`, presses OK and answers whether the dialog accepted.
  bool OkWith(int id, const QString& text) {
    COptionsDialog d;
    d.show();
    Field(d, id)->setText(text);
    d.accept();
    return d.result() == QDialog::Accepted;
  }

 private slots:
  void init() {
    guitest::ResetProgramState();
    m_services = std::make_unique<guitest::ScriptedServices>();
  }
  void cleanup() { m_services.reset(); }

  void FreshProfileGivesTheDefaults() {
    QtProfile profile(IniPath("frisch.ini"));
    LoadSettings(profile);
    QCOMPARE(g_settings.Gitternetz, false);
    QCOMPARE(g_settings.Gitterschrift, false);
    QCOMPARE(g_settings.Gitterauto, false);
    QCOMPARE(g_settings.Gitterabstand, 100.0);
    QCOMPARE(g_settings.DetailWhf, false);
    QCOMPARE(g_settings.ListeWhf, false);
    QCOMPARE(g_settings.DetailMaxAnz, 100);
    QCOMPARE(g_settings.ListeMaxAnz, 100);
    QCOMPARE(g_settings.Kurzform, 1);
  }

  void SpacingOf12Point5MetresIsStoredAs12500() {
    COptionsDialog d;
    d.show();
    Field(d, COptionsDialog::IDC_GITTERABSTAND)->setText(QStringLiteral("12.5"));
    Check(d, COptionsDialog::IDC_GITTERNETZ)->setChecked(true);
    Radio(d, COptionsDialog::IDC_KURZFORM)->setChecked(true);
    Field(d, COptionsDialog::IDC_DETAIL_MAXANZ)->setText(QStringLiteral("250"));
    d.accept();
    QCOMPARE(d.result(), static_cast<int>(QDialog::Accepted));
    {
      QtProfile profile(IniPath("runde.ini"));
      SaveSettings(profile);
    }
    QSettings ini(IniPath("runde.ini"), QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("Einstellungen/Gitterabstand")).toInt(), 12500);
    QCOMPARE(ini.value(QStringLiteral("Einstellungen/Gitternetz")).toInt(), 1);
    QCOMPARE(ini.value(QStringLiteral("Einstellungen/Kurzform")).toInt(), 0);
    QCOMPARE(ini.value(QStringLiteral("Einstellungen/DetailMaxAnz")).toInt(), 250);
    ResetSettings();
    QtProfile again(IniPath("runde.ini"));
    LoadSettings(again);
    QCOMPARE(g_settings.Gitterabstand, 12.5);
    QCOMPARE(g_settings.Gitternetz, true);
    QCOMPARE(g_settings.Kurzform, 0);
    QCOMPARE(g_settings.DetailMaxAnz, 250);
  }

  void ReopenListSurvivesTheProfileAndXxxIsAnEmptySlot() {
    g_recentFiles[0] = "/daten/Görlitz.edbs";  // UTF-8 bytes, as the file system names it
    g_recentFiles[1] = "/daten/b.edbs";
    {
      QtProfile profile(IniPath("mru.ini"));
      SaveRecentFiles(profile);
      profile.WriteString("Dateinamen", "MRUListname05", "xxx");
    }
    g_recentFiles.fill(std::string());
    QtProfile profile(IniPath("mru.ini"));
    LoadRecentFiles(profile);
    QCOMPARE(g_recentFiles[0], std::string("/daten/Görlitz.edbs"));
    QCOMPARE(g_recentFiles[1], std::string("/daten/b.edbs"));
    QVERIFY(g_recentFiles[2].empty());
    QVERIFY(g_recentFiles[5].empty());
    QSettings ini(IniPath("mru.ini"), QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("Dateinamen/MRUListname00")).toString(), QStringLiteral("/daten/Görlitz.edbs"));
    QVERIFY(ini.contains(QStringLiteral("Dateinamen/MRUListname19")));
  }

  void FieldsShowTheSettingsAndTheView() {
    g_settings.Gitterabstand = 12.5;
    g_settings.DetailMaxAnz = 321;
    g_listStart = 40;
    g_textHeight = 2.5;
    g_graphicMode = 0;
    g_viewScale = 4.0;
    g_viewCentreX = 5491736.756;
    g_viewCentreY = 5654624.8209;
    COptionsDialog d;
    QCOMPARE(Field(d, COptionsDialog::IDC_GITTERABSTAND)->text(), QStringLiteral("12.5"));
    QCOMPARE(Field(d, COptionsDialog::IDC_DETAIL_MAXANZ)->text(), QStringLiteral("321"));
    QCOMPARE(Field(d, COptionsDialog::IDC_LISTE_START)->text(), QStringLiteral("40"));
    QCOMPARE(Field(d, COptionsDialog::IDC_TEXTHOEHE)->text(), QStringLiteral("2.5"));
    QCOMPARE(Field(d, COptionsDialog::IDC_METER_PRO_PIXEL)->text(), QStringLiteral("0.25"));
    QCOMPARE(Field(d, COptionsDialog::IDC_RECHTSWERT)->text(), QStringLiteral("5491736.75"));
    QCOMPARE(Field(d, COptionsDialog::IDC_HOCHWERT)->text(), QStringLiteral("5654624.82"));
    QVERIFY(Radio(d, COptionsDialog::IDC_NUR_FILTERMENGE)->isChecked());
    QVERIFY(Radio(d, COptionsDialog::IDC_LANGFORM)->isChecked());
  }

  void AutomaticSpacingHidesTheSpacingField() {
    COptionsDialog d;
    d.show();
    QLineEdit* spacing = Field(d, COptionsDialog::IDC_GITTERABSTAND);
    auto* label = d.findChild<QLabel*>(QStringLiteral("ctl%1").arg(COptionsDialog::IDC_GITTERABSTAND_LABEL));
    QVERIFY(spacing->isVisible() && label->isVisible());
    QCOMPARE(label->text(), QStringLiteral("Abstand der Gitternetzlinien: "));
    Check(d, COptionsDialog::IDC_GITTERAUTO)->setChecked(true);
    QVERIFY(!spacing->isVisible() && !label->isVisible());
    Check(d, COptionsDialog::IDC_GITTERAUTO)->setChecked(false);
    QVERIFY(spacing->isVisible() && label->isVisible());
    g_settings.Gitterauto = true;
    COptionsDialog opened;
    opened.show();
    QVERIFY(!Field(opened, COptionsDialog::IDC_GITTERABSTAND)->isVisible());
  }

  void DetailMaxAnzZeroIsRefused() {
    COptionsDialog d;
    d.show();
    Field(d, COptionsDialog::IDC_DETAIL_MAXANZ)->setText(QStringLiteral("0"));
    d.accept();
    QCOMPARE(d.result(), static_cast<int>(QDialog::Rejected));
    QCOMPARE(m_services->prompt.messages, std::vector<std::string>{"Please enter an integer between 1 and 50000."});
    QCOMPARE(d.focusWidget(), Field(d, COptionsDialog::IDC_DETAIL_MAXANZ));
    QCOMPARE(g_settings.DetailMaxAnz, 100);
  }

  void DetailMaxAnz50001IsRefused() {
    QVERIFY(!OkWith(COptionsDialog::IDC_DETAIL_MAXANZ, QStringLiteral("50001")));
    QCOMPARE(m_services->prompt.messages, std::vector<std::string>{"Please enter an integer between 1 and 50000."});
    QVERIFY(OkWith(COptionsDialog::IDC_DETAIL_MAXANZ, QStringLiteral("50000")));
    QCOMPARE(g_settings.DetailMaxAnz, 50000);
  }

  void OtherRangesAndUnreadableInput() {
    QVERIFY(!OkWith(COptionsDialog::IDC_LISTE_MAXANZ, QStringLiteral("abc")));
    QVERIFY(!OkWith(COptionsDialog::IDC_LISTE_START, QStringLiteral("100000000")));
    QVERIFY(!OkWith(COptionsDialog::IDC_TEXTHOEHE, QStringLiteral("0.0009")));
    QVERIFY(!OkWith(COptionsDialog::IDC_TEXTHOEHE, QStringLiteral("5 m")));
    QVERIFY(!OkWith(COptionsDialog::IDC_RECHTSWERT, QStringLiteral("10000000")));
    QVERIFY(!OkWith(COptionsDialog::IDC_METER_PRO_PIXEL, QStringLiteral("0")));
    QVERIFY(!OkWith(COptionsDialog::IDC_GITTERABSTAND, QStringLiteral("")));
    QCOMPARE(m_services->prompt.messages,
             (std::vector<std::string>{"Please enter an integer.", "Please enter an integer between 0 and 99999999.",
                                       "Please enter a number between 0.001 and 1000.", "Please enter a number.",
                                       "Please enter a number between -9999999.999 and 9999999.999.",
                                       "Please enter a number between 0.001 and 1000000.", "Please enter a number."}));
    QVERIFY(OkWith(COptionsDialog::IDC_GITTERABSTAND, QStringLiteral(" -3 ")));  // no range for the spacing
    QCOMPARE(g_settings.Gitterabstand, -3.0);
  }

  void HiddenSpacingIsNotChecked() {
    g_settings.Gitterabstand = 25.0;
    COptionsDialog d;
    d.show();
    Field(d, COptionsDialog::IDC_GITTERABSTAND)->setText(QStringLiteral("kaputt"));
    Check(d, COptionsDialog::IDC_GITTERAUTO)->setChecked(true);
    d.accept();
    QCOMPARE(d.result(), static_cast<int>(QDialog::Accepted));
    QVERIFY(m_services->prompt.messages.empty());
    QCOMPARE(g_settings.Gitterauto, true);
    QCOMPARE(g_settings.Gitterabstand, 25.0);
  }

  void InfinityNanAndNumbersBeyondTheirTypeAreRefused() {
    QVERIFY(!OkWith(COptionsDialog::IDC_GITTERABSTAND, QStringLiteral("inf")));
    QVERIFY(!OkWith(COptionsDialog::IDC_GITTERABSTAND, QStringLiteral("nan")));
    QVERIFY(!OkWith(COptionsDialog::IDC_GITTERABSTAND, QStringLiteral("1e300")));  // no millimetre count
    QVERIFY(!OkWith(COptionsDialog::IDC_TEXTHOEHE, QStringLiteral("-infinity")));
    QVERIFY(!OkWith(COptionsDialog::IDC_TEXTHOEHE, QStringLiteral("1e999")));
    QVERIFY(!OkWith(COptionsDialog::IDC_RECHTSWERT, QStringLiteral("0x10")));
    QVERIFY(!OkWith(COptionsDialog::IDC_DETAIL_MAXANZ, QStringLiteral("99999999999999999999")));
    QCOMPARE(m_services->prompt.messages,
             (std::vector<std::string>{"Please enter a number.", "Please enter a number.",
                                       "Please enter a number between -2147483.648 and 2147483.647.",
                                       "Please enter a number.", "Please enter a number between 0.001 and 1000.",
                                       "Please enter a number.", "Please enter an integer between 1 and 50000."}));
    QCOMPARE(g_settings.Gitterabstand, 100.0);
    QVERIFY(OkWith(COptionsDialog::IDC_GITTERABSTAND, QStringLiteral("2147483.647")));
    QCOMPARE(g_settings.Gitterabstand, 2147483.647);
  }

  void DecimalCommaIsTakenAsThePoint() {
    QVERIFY(OkWith(COptionsDialog::IDC_GITTERABSTAND, QStringLiteral("12,5")));
    QCOMPARE(g_settings.Gitterabstand, 12.5);
    QVERIFY(OkWith(COptionsDialog::IDC_TEXTHOEHE, QStringLiteral(" +2,25 ")));
    QCOMPARE(g_textHeight, 2.25);
    QVERIFY(!OkWith(COptionsDialog::IDC_TEXTHOEHE, QStringLiteral("1,000.5")));
    QVERIFY(!OkWith(COptionsDialog::IDC_TEXTHOEHE, QStringLiteral("1,2,3")));
    QVERIFY(!OkWith(COptionsDialog::IDC_DETAIL_MAXANZ, QStringLiteral("1,5")));
  }

  void FieldsAreCheckedInDialogOrder() {
    COptionsDialog d;
    d.show();
    Field(d, COptionsDialog::IDC_LISTE_MAXANZ)->setText(QStringLiteral("0"));
    Field(d, COptionsDialog::IDC_TEXTHOEHE)->setText(QStringLiteral("2000"));
    d.accept();
    QCOMPARE(m_services->prompt.messages, std::vector<std::string>{"Please enter a number between 0.001 and 1000."});
    QCOMPARE(d.focusWidget(), Field(d, COptionsDialog::IDC_TEXTHOEHE));
  }

  void OkAppliesScaleAndCentre() {
    g_viewZoom = 3.0;
    g_viewScale = 6.0;
    g_viewCentreX = 1000.0;
    g_viewCentreY = 2000.0;
    g_viewPanX = 10.0;
    g_viewPanY = 20.0;
    COptionsDialog d;
    d.show();
    Field(d, COptionsDialog::IDC_METER_PRO_PIXEL)->setText(QStringLiteral("0.5"));
    Field(d, COptionsDialog::IDC_RECHTSWERT)->setText(QStringLiteral("1100"));
    Field(d, COptionsDialog::IDC_HOCHWERT)->setText(QStringLiteral("1950"));
    Radio(d, COptionsDialog::IDC_NUR_FILTERMENGE)->setChecked(true);
    Field(d, COptionsDialog::IDC_TEXTHOEHE)->setText(QStringLiteral("0.75"));
    Field(d, COptionsDialog::IDC_DETAIL_START)->setText(QStringLiteral("12"));
    d.accept();
    QCOMPARE(d.result(), static_cast<int>(QDialog::Accepted));
    QCOMPARE(g_viewZoom, 3.0 / 6.0 / 0.5);
    QCOMPARE(g_viewPanX, 10.0 + 100.0);
    QCOMPARE(g_viewPanY, 20.0 + 50.0);
    QCOMPARE(g_graphicMode, 0);
    QCOMPARE(g_textHeight, 0.75);
    QCOMPARE(g_detailStart, 12);
  }

  void CancelDiscardsEverything() {
    COptionsDialog d;
    d.show();
    Field(d, COptionsDialog::IDC_GITTERABSTAND)->setText(QStringLiteral("7"));
    d.findChild<QPushButton*>(QStringLiteral("ctl%1").arg(COptionsDialog::IDC_CANCEL))->click();
    QCOMPARE(g_settings.Gitterabstand, 100.0);
    QCOMPARE(d.result(), static_cast<int>(QDialog::Rejected));
  }

  void HelpButtonAndF1OpenTheirTopics() {
    COptionsDialog d;
    d.show();
    d.findChild<QPushButton*>(QStringLiteral("ctl%1").arg(COptionsDialog::IDC_HELP))->click();
    Field(d, COptionsDialog::IDC_TEXTHOEHE)->setFocus();
    QCOMPARE(d.HelpContextFor(Field(d, COptionsDialog::IDC_TEXTHOEHE)), 0x50000 + COptionsDialog::IDC_TEXTHOEHE);
    QCOMPARE(d.HelpContextFor(&d), 131234);
    QCOMPARE(m_services->help.topics, std::vector<int>{131234});
    guitest::SaveShot(d, QStringLiteral("options_dialog"));
  }
};

SATZLUPE_GUI_TEST_MAIN(OptionsDialogTest)
#include "options_dialog_test.moc"
