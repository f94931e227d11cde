#pragma once
// The codes of the filter criteria: the index of the filter dialog's tab, plus 100 for the three
// tabs whose extra checkbox is ticked. Code is written by name everywhere; the table of the
// criteria (heading, description, input, limits, defaults) is kept beside the filter.

enum FilterCriterion : int {
  kCritDatei = 0,            // file slot
  kCritZeile = 1,            // line number
  kCritSatzNr = 2,           // EDBS record number
  kCritOpSchluessel = 3,     // operation key
  kCritInfoName = 4,         // information name
  kCritAggregat = 5,         // part type name
  kCritSuchkrit = 6,         // deletion aggregate of the search criterion
  kCritWhFaktor = 7,         // repetition factor
  kCritKoordinate = 8,       // coordinate window
  kCritNumBez = 9,           // numbering district
  kCritFolie = 10,           // layer
  kCritObjArt = 11,          // object kind
  kCritObjTyp = 12,          // object type
  kCritObjNr = 13,           // object number
  kCritAktualitaet = 14,     // currency
  kCritKartentyp = 15,       // map type
  kCritArtGeom = 16,         // kind of geometry
  kCritArtBesInfo = 17,      // kind of special information
  kCritFachkennung = 18,     // Fachkennung
  kCritAttribut = 19,        // attribute type
  kCritPktArt = 20,          // point kind
  kCritPktStatus = 21,       // point status
  kCritPktNr = 22,           // point number
  kCritHlspStatus = 23,      // HLSP status
  kCritText = 24,            // any text
  kCritFehler = 25,          // faulty records
  kCritObjArtOhneDarstellung = 111,  // object kind, Darstellungskennung ignored
  kCritObjNrOhneDatenbank = 113,     // object number, Datenbankkennung ignored
  kCritTextOhneGrossKlein = 124,     // any text, case ignored
};
