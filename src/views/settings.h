#pragma once
// Program-wide settings. Ten persist in the profile section "Einstellungen".

namespace edbs {
class Profile;
}

struct Settings {
  bool Gitternetz = false;
  bool Gitterschrift = false;
  bool Gitterauto = false;
  double Gitterabstand = 100.0;  // metres
  bool DetailWhf = false;
  int DetailMaxAnz = 100;
  bool DetailGrafik = false;
  bool ListeWhf = false;
  int ListeMaxAnz = 100;
  int Kurzform = 1;  // 0 short export form, 1 long form
};

extern Settings g_settings;
extern int g_detailStart;
extern int g_listStart;
extern int g_graphicMode;     // 0 only the filter set, 1 everything with the filter set in red
extern double g_textHeight;   // metres

inline constexpr const char* kSettingsSection = "Einstellungen";

void LoadSettings(edbs::Profile& profile);
void SaveSettings(edbs::Profile& profile);
// Defaults of a fresh start, for the values that do not persist too.
void ResetSettings();
