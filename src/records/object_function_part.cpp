#include "records/object_function_part.h"

#include "records/filter_values.h"
#include "store/keyword_tables.h"
#include "platform/cp1252_literal.h"

CUlob2000Part::CUlob2000Part(int& error, int type) : CEdbsPart(type) {
  error = 0;
  const std::size_t width = Width(type);
  if (!ParseHasRoom(width)) {
    error = 100 + m_type;
    return;
  }
  m_layer.ReadAt(0);
  m_objectKind.ReadAt(3);
  m_currency.ReadAt(7);
  m_objectTypeChar.ReadAt(9);
  m_objectNumber.ReadAt(10);
  if (IsFullVariant()) {
    m_modelType.ReadAt(17);
    m_creationDate.ReadAt(19);
    m_changeNote.ReadAt(25);
  } else {
    m_creationDate.ReadAt(17);
  }
  g_parsePos += static_cast<std::int32_t>(width);
}

int CUlob2000Part::FillDetail() const {
  DetailTable.Set(0, PartTypeName(m_type), "Funktion des Objektes", "");
  DetailTable.Set(1, "DLOB2001", "Folie:", m_layer.View());
  DetailTable.Set(2, "DLOB2002", "Objektart:", m_objectKind.View());
  DetailTable.Set(3, "DLOB2003", CP("Aktualität:"), m_currency.View());
  DetailTable.Set(4, "DLOB2004", "Objekttyp:", m_objectTypeChar.View());
  DetailTable.Set(5, "DLOB2005", "Objektnummer:", m_objectNumber.View());
  if (!IsFullVariant()) {
    DetailTable.Set(6, "DLOB2006", "Entstehungsdatum:", m_creationDate.View());
    return 6;
  }
  DetailTable.Set(6, "DLOB2006", "Modelltyp:", m_modelType.View());
  DetailTable.Set(7, "DLOB2007", "Entstehungsdatum:", m_creationDate.View());
  DetailTable.Set(8, "DLOB2008", CP("Änderungshinweis:"), m_changeNote.View());
  return 8;
}

std::string CUlob2000Part::GetListText(int) const {
  std::string text =
      m_layer.Str() + m_objectKind.Str() + m_currency.Str() + m_objectTypeChar.Str() + m_objectNumber.Str();
  if (!IsFullVariant()) return text + m_creationDate.Str();
  return text + m_modelType.Str() + m_creationDate.Str() + m_changeNote.Str();
}

int CUlob2000Part::MatchFilter(int criterion) const {
  switch (criterion) {
    case kCritFolie:
      return RangeTest(m_layer.View()) ? 1 : 0;
    case kCritObjArt:
      return RangeTest(m_objectKind.View()) ? 1 : 0;
    case kCritObjArtOhneDarstellung:
      return TailRangeTest(m_objectKind.View(), 3) ? 1 : 0;
    case kCritObjTyp:
      return EqualityTest(m_objectTypeChar.View()) ? 1 : 0;
    case kCritObjNr:
      return RangeTest(m_objectNumber.View()) ? 1 : 0;
    case kCritObjNrOhneDatenbank:
      return TailRangeTest(m_objectNumber.View(), 6) ? 1 : 0;
    case kCritAktualitaet:
      return RangeTest(m_currency.View()) ? 1 : 0;
    case kCritKartentyp:
      // The short variant carries no model type.
      return IsFullVariant() && RangeTest(m_modelType.View()) ? 1 : 0;
    default:
      return 0;
  }
}

bool CUlob2000Part::AnswersFilter(int type, int criterion) {
  switch (criterion) {
    case kCritFolie:
    case kCritObjArt:
    case kCritObjArtOhneDarstellung:
    case kCritObjTyp:
    case kCritObjNr:
    case kCritObjNrOhneDatenbank:
    case kCritAktualitaet:
      return true;
    case kCritKartentyp:
      return type == kPtUlob2000;  // the short variant carries no model type
    default:
      return false;
  }
}
