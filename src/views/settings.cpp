#include "views/settings.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/profile.h"

Settings g_settings;
int g_detailStart = 0;
int g_listStart = 0;
int g_graphicMode = 1;
double g_textHeight = 5.0;

namespace {

bool ReadBool(edbs::Profile& p, const char* key) {
  const int v = p.GetInt(kSettingsSection, key, -1);
  return v != -1 && v != 0;
}

int ReadInt(edbs::Profile& p, const char* key, int fallback) {
  const int v = p.GetInt(kSettingsSection, key, -1);
  return v == -1 ? fallback : v;
}

}  // namespace

void ResetSettings() {
  g_settings = Settings{};
  g_detailStart = 0;
  g_listStart = 0;
  g_graphicMode = 1;
  g_textHeight = 5.0;
}

void LoadSettings(edbs::Profile& p) {
  g_settings.Gitternetz = ReadBool(p, "Gitternetz");
  g_settings.Gitterschrift = ReadBool(p, "Gitterschrift");
  g_settings.Gitterauto = ReadBool(p, "Gitterauto");
  const int spacing = p.GetInt(kSettingsSection, "Gitterabstand", -1);
  g_settings.Gitterabstand = spacing == -1 ? 100.0 : spacing * 0.001;
  g_settings.DetailWhf = ReadBool(p, "DetailWhf");
  g_settings.DetailMaxAnz = ReadInt(p, "DetailMaxAnz", 100);
  g_settings.DetailGrafik = ReadBool(p, "DetailGrafik");
  g_settings.ListeWhf = ReadBool(p, "ListeWhf");
  g_settings.ListeMaxAnz = ReadInt(p, "ListeMaxAnz", 100);
  g_settings.Kurzform = ReadInt(p, "Kurzform", 1);
}

void SaveSettings(edbs::Profile& p) {
  p.WriteInt(kSettingsSection, "Gitternetz", g_settings.Gitternetz ? 1 : 0);
  p.WriteInt(kSettingsSection, "Gitterschrift", g_settings.Gitterschrift ? 1 : 0);
  p.WriteInt(kSettingsSection, "Gitterauto", g_settings.Gitterauto ? 1 : 0);
  // Stored in millimetres; a spacing beyond the integer range is kept at its edge, not wrapped.
  const double mm = std::clamp(std::trunc(g_settings.Gitterabstand * 1000),
                               static_cast<double>(std::numeric_limits<int>::min()),
                               static_cast<double>(std::numeric_limits<int>::max()));
  p.WriteInt(kSettingsSection, "Gitterabstand", static_cast<int>(mm));
  p.WriteInt(kSettingsSection, "DetailWhf", g_settings.DetailWhf ? 1 : 0);
  p.WriteInt(kSettingsSection, "DetailMaxAnz", g_settings.DetailMaxAnz);
  p.WriteInt(kSettingsSection, "DetailGrafik", g_settings.DetailGrafik ? 1 : 0);
  p.WriteInt(kSettingsSection, "ListeWhf", g_settings.ListeWhf ? 1 : 0);
  p.WriteInt(kSettingsSection, "ListeMaxAnz", g_settings.ListeMaxAnz);
  p.WriteInt(kSettingsSection, "Kurzform", g_settings.Kurzform);
}
