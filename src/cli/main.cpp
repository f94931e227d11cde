// satzlupe-cli: the batch tool. Loads EDBS files exactly as the desktop program does and prints
// the check results, or writes the readable export. Each verb lives in a file of its own.

#include <algorithm>
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
      {"plan", cli::RunPlan},
      {"stats", cli::RunStats},
#ifdef SATZLUPE_HAVE_GIS
      {"gis", cli::RunGis},
#endif
  };
  return verbs;
}

// The help's lines of the gis verb (UTF-8), where the GIS export is built.
std::string GisUsage() {
#ifdef SATZLUPE_HAVE_GIS
  return "  satzlupe-cli gis [--crs EPSG:N] [--ziel-crs EPSG:N] [FILTER...] -o AUSGABE DATEI...\n";
#else
  return {};
#endif
}

std::string GisDescription() {
#ifdef SATZLUPE_HAVE_GIS
  return edbs::Cp1252ToUtf8(CP(
      "gis     Liest die EDBS-Dateien ebenso und schreibt Linien, Flächen, Punkte und Texte als\n"
      "        GIS-Ebenen linien, flaechen, punkte und texte (mit FILTER die der Filtermenge);\n"
      "        Flächen, deren Ringe sich nicht schließen, stehen in der Ebene fehler. Das Format\n"
      "        folgt der Endung von AUSGABE: .gpkg (GeoPackage), .geojson (je Ebene eine Datei\n"
      "        AUSGABE_ebene.geojson), .shp oder ein Ordner (Shapefiles), .dxf. Bezugssystem:\n"
      "        --crs, sonst der Gauß-Krüger-Streifen der ersten Koordinate (EPSG:31466 bis\n"
      "        31469); --ziel-crs rechnet die Koordinaten um. Ausgegeben wird die Anzahl je\n"
      "        Ebene; Rückgabewert 1, wenn die Ebene fehler nicht leer ist.\n"));
#else
  return {};
#endif
}

void PrintHelp() {
  std::cout << edbs::Cp1252ToUtf8(
      CP("Aufruf:\n"
      "  satzlupe-cli check [FILTER...] DATEI...\n"
      "  satzlupe-cli export [--kurz|--lang] [FILTER...] -o AUSGABE DATEI...\n"
      "  satzlupe-cli plan [--size BxH] [--modus 0|1] [--gitter] [--beschriftung] [--auto]\n"
      "                    [--abstand S] [--zoom Z] [--pan X Y] [--texthoehe H]\n"
      "                    [FILTER...] DATEI... (-o PLAN | --log)\n"
      "  satzlupe-cli stats NAME [FILTER...] DATEI...\n")) << GisUsage() << edbs::Cp1252ToUtf8(CP(
      "\n"
      "check   Liest die EDBS-Dateien wie das Programm Satzlupe (die erste nach dem Leeren des\n"
      "        Speichers, jede weitere hinzugefügt), prüft jede Zeile und zerlegt jeden Satz.\n"
      "        Nach jeder Datei werden ausgegeben: der Dateiname, die gelesenen Zeilen und Zeichen,\n"
      "        die EDBS-Sätze und Aggregate, je Prüfung eine Zeile \"Anzahl<TAB>OK|FEHLER<TAB>Prüfung\",\n"
      "        eine Leerzeile und je Fehler eine Zeile \"Zeile<TAB>Art<TAB>Beschreibung<TAB>EDBS-Satz\".\n"
      "export  Liest die EDBS-Dateien ebenso und schreibt alle Sätze lesbar nach AUSGABE\n"
      "        (Langform, mit --kurz die Kurzform; Windows-1252, CR LF); mit FILTER nur die\n"
      "        Filtermenge, wenn sie nicht leer ist.\n"
      "plan    Liest die EDBS-Dateien ebenso und zeichnet die Grafik, wie das Programm sie in\n"
      "        einem Fenster der Größe BxH zeigt (ohne --size 800x600), nach PLAN; die Endung\n"
      "        wählt das Format: .svg, .pdf oder .png. Mit --log statt -o wird das Zeichenprotokoll\n"
      "        ausgegeben. --modus: 0 nur die Filtermenge, 1 alles (Vorgabe); --gitter,\n"
      "        --beschriftung, --auto: Gitternetz, Gitterbeschriftung, automatischer Abstand;\n"
      "        --abstand: Gitterabstand in Metern (Vorgabe 100); --zoom: Vergrößerung (Vorgabe 1);\n"
      "        --pan: Verschiebung der Mitte in Metern nach rechts und unten; --texthoehe: Texthöhe\n"
      "        in Metern (Vorgabe 5). Mit FILTER wird die Filtermenge rot gezeichnet.\n"
      "stats   Liest die EDBS-Dateien ebenso und gibt die Statistik NAME so aus, wie das Programm\n"
      "        sie in der Liste des Dialogs \"Statistik\" zeigt (Spalten durch Tabulatoren getrennt);\n"
      "        mit FILTER über die Filtermenge, wenn sie nicht leer ist.\n"
      "        NAME ist eine von:\n")) << cli::StatisticNameList("          ") << "\n" << GisDescription() << edbs::Cp1252ToUtf8(CP(
      "\n"
      "FILTER, wirkt nach dem Lesen aller Dateien, in der angegebenen Reihenfolge:\n"
      "  --filter REITER=ARGUMENTE   REITER ist die Beschriftung eines Reiters des Filterdialogs\n"
      "                              (Datei, Zeile, Op.Schlüssel, Obj.Art, ..., Fehler) oder seine\n"
      "                              Nummer 0-25. ARGUMENTE: die Argumentzeile (z.B. Zeile=-50:77:300-),\n"
      "                              bei Listen durch Kommas getrennte Werte (z.B. Info.Name=ULOBNN),\n"
      "                              bei Koordinate X1,Y1,X2,Y2, bei Fehler nichts.\n"
      "  --filter REITER+=ARGUMENTE  dasselbe mit dem Zusatzfeld des Reiters (Obj.Art, Obj.Nr., Text).\n"
      "  --oder                      das folgende Filter erweitert die Filtermenge (sonst verfeinert\n"
      "                              jedes Filter nach dem ersten).\n"
      "  --nicht                     das folgende Filter wird verneint (Komplimentär Filter).\n"
      "  check gibt danach die Größe der Filtermenge aus.\n"
      "\n"
      "Ausgabe in UTF-8. Rückgabewert: 0 ohne Befund, 1 wenn eine Datei Fehler enthält,\n"
      "2 wenn eine Datei nicht geöffnet oder geschrieben werden kann oder der Aufruf falsch ist,\n"
      "3 wenn ein Filter nicht ausgeführt wird (die Meldung steht in der Fehlerausgabe).\n"));
}

bool AsksForHelp(const std::string& arg) { return arg == "--help" || arg == "-h"; }

}  // namespace

int main(int argc, char** argv) {
  cli::InstallConsolePrompt();
  std::vector<std::string> args(argv + 1, argv + argc);
  // "satzlupe-cli check --help" asks for the help too, not for a file named "--help".
  const bool help = std::any_of(args.begin(), args.end(), AsksForHelp);
  if (args.empty() || help || args[0] == "hilfe") {
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
