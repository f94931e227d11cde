#pragma once
// The commands of the main window: ids, menu texts with their mnemonics, status-bar prompts and
// tooltips.

#include <QString>

#include <vector>

namespace satzlupe {

enum CommandId : int {
  ID_DATEI_OEFFNEN = 32838,
  ID_DATEI_HINZUFUEGEN = 32813,
  ID_DATEI_WIEDEROEFFNEN = 32831,
  ID_DATEI_FEHLERLISTE = 32829,
  ID_DATEI_ZEILEN_LOESCHEN = 32839,
  ID_DATEI_LESBAR_SPEICHERN = 32840,
  ID_DATEI_GIS_EXPORT = 32841,  // only where the GIS export is built
  ID_APP_EXIT = 57665,
  ID_EINSTELLUNGEN_OPTIONEN = 32817,
  ID_KEINE_GRAFIK = 32832,
  ID_FILTERMENGE_ENTLEEREN = 32836,
  ID_VIEW_TOOLBAR = 59392,
  ID_VIEW_STATUS_BAR = 59393,
  ID_FILTER = 32812,
  ID_LISTE = 32815,
  ID_DETAIL = 32811,
  ID_GRAFIK = 32816,
  ID_STATISTIK = 32785,
  ID_HELP_FINDER = 57667,
  ID_APP_ABOUT = 57664,
  ID_CONTEXT_HELP = 57669,
};

struct CommandText {
  int id;
  const char* menuText;  // UTF-8, with the & of the mnemonic
  const char* prompt;    // status-bar prompt
  const char* tooltip;   // empty: none
  const char* shortcut = "";  // the usual key, in QKeySequence's portable form; empty: none
};

const std::vector<CommandText>& CommandTable();
const CommandText* FindCommand(int id);

// The toolbar in its order; 0 stands for a separator.
const std::vector<int>& ToolBarLayout();

// The filter of the program's file dialogs.
inline constexpr const char* kAllFilesFilter = "Alle Dateien (*.*)|*.*||";

}  // namespace satzlupe
