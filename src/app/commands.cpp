#include "commands.h"

namespace satzlupe {

const std::vector<CommandText>& CommandTable() {
  static const std::vector<CommandText> table = {
      {ID_DATEI_OEFFNEN, "&Öffnen ...", "Öffnen einer EDBS-Datei", "Datei öffnen", "Ctrl+O"},
      {ID_DATEI_HINZUFUEGEN, "&Hinzufügen ...", "Hinzufügen von EDBS-Dateien zu bestehenden Daten",
       "Datei addieren"},
      {ID_DATEI_WIEDEROEFFNEN, "&Wiederöffnen ...", "Öffnen einer Datei, die in der Liste gemerkt wurde.",
       "Wiederöffnen"},
      {ID_DATEI_FEHLERLISTE, "&Fehlerliste anschauen ...", "Anzeige der Fehler beim Öffnen der EDBS-Datei",
       "Fehleranzeige"},
      {ID_DATEI_ZEILEN_LOESCHEN, "&Zeilen löschen", "Löschen überflüssiger Zeilen im Speicher", "Zeilen löschen"},
      {ID_DATEI_LESBAR_SPEICHERN, "&Lesbar Speichern ...", "Speichert dir EDBS-Datei im lesbaren Format",
       "Lesbar Speichern", "Ctrl+S"},
#ifdef SATZLUPE_HAVE_GIS
      {ID_DATEI_GIS_EXPORT, "&GIS-Export ...", "Schreibt Linien, Flächen, Punkte und Texte als GIS-Ebenen",
       "GIS-Export", ""},
#endif
      {ID_APP_EXIT, "&Programm beenden", "Beendet das Programm", "", "Ctrl+Q"},
      {ID_EINSTELLUNGEN_OPTIONEN, "&Optionen ...", "Optionen zur Programmsteuerung von Satzlupe", "Optionen"},
      {ID_KEINE_GRAFIK, "&keine Grafik", "keine Grafik mehr anzeigen (z.B. wegen langem Bildaufbau)",
       "keine Grafik"},
      {ID_FILTERMENGE_ENTLEEREN, "&Filtermenge entleeren", "Entleeren der Filtermenge", "Filtermenge entleeren"},
      {ID_VIEW_TOOLBAR, "&Werkzeugleiste", "Anzeige der Werkzeugleiste", "Werkzeugleiste"},
      {ID_VIEW_STATUS_BAR, "&Statuszeile", "Anzeige der Statuszeile", "Statuszeile"},
      {ID_FILTER, "&Filter...", "Herausfiltern bestimmter EDBS-Sätze zur genaueren Untersuchung", "Filtern"},
      {ID_LISTE, "&Liste...", "Zeigt die EDBS-Sätze in einer Tabellen-Liste an", "Liste"},
      {ID_DETAIL, "&Detail...", "Zeigt detailierte Informationen zu jedem einzelnem EDBS-Satz",
       "Detailinformationen"},
      {ID_GRAFIK, "&Grafik...", "Darstellung der EDBS-Sätze als Grafik", "Grafikanzeige", "F5"},
      {ID_STATISTIK, "&Statistik...", "Verschiedene Statistiken über die EDBS-Satzinhalte", "Statistik"},
      {ID_HELP_FINDER, "&Hilfethemen", "Übersicht über alle Hilfethemen", "Hilfe Übersicht", "F1"},
      {ID_APP_ABOUT, "&Über Satzlupe ...", "Anzeige von Programminformationen und Versionsnummer",
       "Programminformationen"},
      {ID_CONTEXT_HELP, "&Direkthilfe", "Zeigt Hilfe zu angeklickten Schaltflächen, Menüs und Fenstern an",
       "Hilfe", "Shift+F1"},
  };
  return table;
}

const CommandText* FindCommand(int id) {
  for (const CommandText& c : CommandTable()) {
    if (c.id == id) return &c;
  }
  return nullptr;
}

const std::vector<int>& ToolBarLayout() {
  static const std::vector<int> layout = {
      ID_DATEI_OEFFNEN, ID_DATEI_HINZUFUEGEN, ID_DATEI_WIEDEROEFFNEN, 0,
      ID_DATEI_FEHLERLISTE, 0,
      ID_DATEI_ZEILEN_LOESCHEN, 0,
      ID_DATEI_LESBAR_SPEICHERN, 0,
      ID_EINSTELLUNGEN_OPTIONEN, 0,
      ID_FILTER, ID_FILTERMENGE_ENTLEEREN, 0,
      ID_LISTE, ID_DETAIL, 0,
      ID_GRAFIK, ID_KEINE_GRAFIK, 0,
      ID_STATISTIK, 0,
      ID_APP_ABOUT, ID_CONTEXT_HELP};
  return layout;
}

}  // namespace satzlupe
