// satzlupe-cli: the batch tool. Loads EDBS files exactly as the desktop program does and prints
// the check results, or writes the readable export. Each verb lives in a file of its own.

#include <iostream>
#include <string>
#include <vector>

#include "cli_common.h"
#include "platform/cp1252_literal.h"
#include "platform/text.h"

namespace {

const std::vector<cli::Verb>& Verbs() {
  static const std::vector<cli::Verb> verbs = {
      {"check", cli::RunCheck},
      {"export", cli::RunExport},
#ifdef SATZLUPE_HAVE_GIS
      {"gis", cli::RunGis},
#endif
  };
  return verbs;
}

void PrintHelp() {
  std::string text = CP("Aufruf:\n"
      "  satzlupe-cli check DATEI...\n"
      "  satzlupe-cli export [--kurz|--lang] -o AUSGABE DATEI...\n");
#ifdef SATZLUPE_HAVE_GIS
  text += "  satzlupe-cli gis [--crs EPSG:N] [--ziel-crs EPSG:N] -o AUSGABE DATEI...\n";
#endif
  text += CP("\n"
      "check   Liest die EDBS-Dateien wie das Programm Satzlupe (die erste nach dem Leeren des\n"
      "        Speichers, jede weitere hinzugefügt), prüft jede Zeile und zerlegt jeden Satz.\n"
      "        Nach jeder Datei werden ausgegeben: der Dateiname, die gelesenen Zeilen und Zeichen,\n"
      "        die EDBS-Sätze und Aggregate, je Prüfung eine Zeile \"Anzahl<TAB>OK|FEHLER<TAB>Prüfung\",\n"
      "        eine Leerzeile und je Fehler eine Zeile \"Zeile<TAB>Art<TAB>Beschreibung<TAB>EDBS-Satz\".\n"
      "export  Liest die EDBS-Dateien ebenso und schreibt alle Sätze lesbar nach AUSGABE\n"
      "        (Langform, mit --kurz die Kurzform; Windows-1252, CR LF).\n");
#ifdef SATZLUPE_HAVE_GIS
  text += CP(
      "gis     Liest die EDBS-Dateien ebenso und schreibt Linien, Flächen, Punkte und Texte als\n"
      "        GIS-Ebenen linien, flaechen, punkte und texte; Flächen, deren Ringe sich nicht\n"
      "        schließen, stehen in der Ebene fehler. Das Format folgt der Endung von AUSGABE:\n"
      "        .gpkg (GeoPackage), .geojson (je Ebene eine Datei AUSGABE_ebene.geojson), .shp oder\n"
      "        ein Ordner (Shapefiles), .dxf. Bezugssystem: --crs, sonst der Gauß-Krüger-Streifen\n"
      "        der ersten Koordinate (EPSG:31466 bis 31469); --ziel-crs rechnet die Koordinaten um.\n"
      "        Ausgegeben wird die Anzahl je Ebene; Rückgabewert 1, wenn die Ebene fehler nicht\n"
      "        leer ist.\n");
#endif
  text += CP("\n"
      "Ausgabe in UTF-8. Rückgabewert: 0 ohne Befund, 1 wenn eine Datei Fehler enthält,\n"
      "2 wenn eine Datei nicht geöffnet oder geschrieben werden kann.\n");
  std::cout << edbs::Cp1252ToUtf8(text);
}

}  // namespace

int main(int argc, char** argv) {
  cli::InstallConsolePrompt();
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "hilfe") {
    PrintHelp();
    return args.empty() ? cli::kExitCannotOpen : cli::kExitOk;
  }
  const std::string verb = args[0];
  args.erase(args.begin());
  for (const cli::Verb& v : Verbs()) {
    if (verb != v.name) continue;
    if (args.empty()) break;  // a verb without its arguments shows how to call it
    return v.run(args);
  }
  PrintHelp();
  return cli::kExitCannotOpen;
}
